#include "shell/InteraccionQt.h"

#include <QApplication>
#include <QFileDialog>
#include <QWidget>

#include "shell/CajasMensaje.h"
#include "shell/CursoExport.h"
#include "shell/Estilo.h"
#include "shell/Plantihoras.h"

namespace molvaren::ventanas {

InteraccionQt::InteraccionQt(QWidget* ventana) : ventana_(ventana) {}

InteraccionQt::~InteraccionQt()
{
    CursorOcupado(false);
}

std::optional<std::filesystem::path> InteraccionQt::ElegirFichero()
{
    if (qEnvironmentVariableIsSet("MOLVAREN_FICHERO_PRUEBA")) {
        QString f = qEnvironmentVariable("MOLVAREN_FICHERO_PRUEBA");
        if (f.isEmpty())
            return std::nullopt;
        return std::filesystem::path(f.toStdWString());
    }

    QFileDialog dialogo(ventana_, QStringLiteral("Archivo XML"));
    dialogo.setObjectName(QStringLiteral("OpenDialogXML"));
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    // Como el diálogo original: se puede escribir un nombre que no existe;
    // la ejecución lo rechaza después con su propio mensaje.
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setNameFilter(QStringLiteral("*.xml (*.xml)"));
    dialogo.setDefaultSuffix(QStringLiteral("xml"));
    if (!ultimaCarpeta_.empty())
        dialogo.setDirectory(QString::fromStdWString(ultimaCarpeta_.wstring()));
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return std::nullopt;
    std::filesystem::path elegido(dialogo.selectedFiles().first().toStdWString());
    ultimaCarpeta_ = elegido.parent_path();
    return elegido;
}

ResultadoPlantillas InteraccionQt::DialogoPlantillas(int modo, const EstadoPrograma& estado)
{
    // El cursor de espera no debe verse sobre un diálogo que espera al usuario.
    const bool cursor = cursorPuesto_;
    CursorOcupado(false);
    TPlantillas dialogo(ventana_, modo, estado);
    dialogo.exec();
    ResultadoPlantillas r = dialogo.Resultado();
    CursorOcupado(cursor);
    return r;
}

std::string InteraccionQt::DialogoCurso(const std::string& cursoActual)
{
    const bool cursor = cursorPuesto_;
    CursorOcupado(false);
    TCurExp dialogo(ventana_, DeCp1252(cursoActual));
    dialogo.exec();
    CursorOcupado(cursor);
    return ACp1252(dialogo.CursoDestino());
}

void InteraccionQt::Mensaje(const std::string& texto)
{
    const bool cursor = cursorPuesto_;
    CursorOcupado(false);
    MostrarMensaje(ventana_, QString::fromStdString(texto));
    CursorOcupado(cursor);
}

void InteraccionQt::MensajeError(const std::string& texto)
{
    const bool cursor = cursorPuesto_;
    CursorOcupado(false);
    MostrarError(ventana_, QString::fromStdString(texto));
    CursorOcupado(cursor);
}

bool InteraccionQt::Pregunta(const std::string& texto)
{
    const bool cursor = cursorPuesto_;
    CursorOcupado(false);
    bool si = Preguntar(ventana_, QString::fromStdString(texto));
    CursorOcupado(cursor);
    return si;
}

void InteraccionQt::CursorOcupado(bool ocupado)
{
    if (ocupado == cursorPuesto_)
        return;
    cursorPuesto_ = ocupado;
    if (ocupado)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void InteraccionQt::CerrarVentana()
{
    ventana_->close();
}

} // namespace molvaren::ventanas
