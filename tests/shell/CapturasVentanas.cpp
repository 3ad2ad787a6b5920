// Guarda en PNG las ventanas tal como se ven: la principal independiente,
// los dos diálogos y la pregunta. Lo usa scripts/capturas bajo Xvfb.
//   capturas_ventanas <carpeta de salida> <documento de ejemplo>
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "common/BaseTablas.h"
#include "common/EstadoPrograma.h"
#include "common/Tabla.h"
#include "shell/CajasMensaje.h"
#include "shell/CursoExport.h"
#include "shell/MainForm.h"
#include "shell/Plantihoras.h"

using namespace molvaren;
using namespace molvaren::ventanas;

namespace {

QString salida;

void Guardar(QWidget* w, const QString& nombre)
{
    QApplication::processEvents();
    QPixmap p = w->screen()->grabWindow(w->winId());
    const QString f = QDir(salida).filePath(nombre + QStringLiteral(".png"));
    p.save(f);
    std::printf("%s\n", qPrintable(f));
}

// Muestra un diálogo modal, lo fotografía y lo cierra.
void CapturarModal(QDialog& d, const QString& nombre)
{
    QTimer::singleShot(700, &d, [&d, nombre] {
        Guardar(&d, nombre);
        d.reject();
    });
    d.exec();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Molvaren"));
    if (argc < 3) {
        std::fprintf(stderr, "uso: capturas_ventanas <carpeta> <documento.xml>\n");
        return 2;
    }
    salida = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(salida);

    QTemporaryDir tablas;
    {
        BaseTablas b(std::filesystem::path(tablas.path().toStdString()));
        b.Recrear("DIASHORAST");
        b.Confirmar();
    }

    TMForm ventana({});
    ventana.show();
    QTimer::singleShot(700, &ventana, [&] {
        Guardar(&ventana, QStringLiteral("principal"));

        EstadoPrograma estado;
        estado.FicheroXML = std::filesystem::path(argv[2]);
        estado.CarpetaTablas = std::filesystem::path(tablas.path().toStdString());
        {
            TPlantillas d(&ventana, 0, estado);
            CapturarModal(d, QStringLiteral("plantillas_modo0"));
        }
        {
            TPlantillas d(&ventana, 2, estado);
            CapturarModal(d, QStringLiteral("plantillas_modo2"));
        }
        {
            TCurExp d(&ventana, QStringLiteral("2023"));
            CapturarModal(d, QStringLiteral("curso"));
        }
        QTimer::singleShot(700, &ventana, [] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                Guardar(w, QStringLiteral("pregunta"));
                static_cast<QDialog*>(w)->reject();
            }
        });
        Preguntar(&ventana, QStringLiteral("¿Desea cargar sólo el horario de la plantilla elegida?"));
        QTimer::singleShot(700, &ventana, [] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                Guardar(w, QStringLiteral("error"));
                static_cast<QDialog*>(w)->reject();
            }
        });
        MostrarError(&ventana, QStringLiteral("'xx' no es un valor entero válido"));
        QApplication::quit();
    });
    return QApplication::exec();
}
