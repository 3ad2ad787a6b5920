#include "shell/Ayuda.h"

#include <QApplication>
#include <QDir>
#include <QShortcut>
#include <QWidget>

#include "shell/AbrirAyuda.h"
#include "shell/CajasMensaje.h"
#include "shell/CarpetaPrograma.h"
#include "shell/Estilo.h"

namespace molvaren::ventanas {

namespace {

Ayuda::Abridor& AbridorActual()
{
    static Ayuda::Abridor abridor;
    return abridor;
}

} // namespace

QString Ayuda::Fichero()
{
    return QDir(CarpetaPrograma()).filePath(QStringLiteral("ITACA.chm"));
}

void Ayuda::PonerAbridor(Abridor abridor)
{
    AbridorActual() = std::move(abridor);
}

void Ayuda::Abrir(QWidget* padre, int contexto)
{
    const Abridor& abridor = AbridorActual();
    std::optional<QString> fallo = abridor ? abridor(Fichero(), contexto) : AbrirAyudaSistema(Fichero(), contexto);
    if (fallo)
        MostrarError(padre, *fallo);
}

void Ayuda::InstalarF1(QWidget* ventana)
{
    auto* atajo = new QShortcut(QKeySequence(Qt::Key_F1), ventana);
    atajo->setObjectName(QStringLiteral("AtajoF1"));
    QObject::connect(atajo, &QShortcut::activated, ventana, [ventana] {
        QWidget* foco = QApplication::focusWidget();
        if (!foco || foco->window() != ventana)
            foco = ventana;
        Ayuda::Abrir(ventana, ContextoAyuda(foco));
    });
}

} // namespace molvaren::ventanas
