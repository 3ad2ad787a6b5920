#include "export/EjecucionExportacion.h"

#include <filesystem>
#include <system_error>

#include "common/TextHelpers.h"

namespace molvaren {

namespace {

bool ExisteFichero(const std::filesystem::path& ruta)
{
    std::error_code ec;
    return !ruta.empty() && std::filesystem::is_regular_file(ruta, ec);
}

// Horavex puede escribir SOLUC.DBF con cualquier combinación de mayúsculas.
bool ExisteSolucion(const std::filesystem::path& carpeta)
{
    std::error_code ec;
    std::filesystem::directory_iterator it(carpeta, ec), fin;
    for (; !ec && it != fin; it.increment(ec)) {
        if (IgualesSinMayusculas(it->path().filename().string(), "SOLUC.DBF") && ExisteFichero(it->path()))
            return true;
    }
    return false;
}

} // namespace

FinEjecucion EjecutarExportacion(EstadoPrograma& estado, Interaccion& ui)
{
    ui.Mensaje(AvisoExportacion);
    if (auto elegido = ui.ElegirFichero())
        estado.FicheroXML = *elegido;

    if (!ExisteFichero(estado.FicheroXML) || !ExisteSolucion(estado.CarpetaTablas)) {
        ui.Mensaje(FaltaXmlOSolucion);
        if (estado.ModoIncrustado) {
            estado.ResultadoProceso = -1;
            ui.CerrarVentana();
        }
        return FinEjecucion::Rechazada;
    }

    ui.Mensaje(ExportacionNoDisponible);
    return FinEjecucion::Rechazada;
}

} // namespace molvaren
