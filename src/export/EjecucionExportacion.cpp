#include "export/EjecucionExportacion.h"

#include <filesystem>
#include <system_error>

#include "common/BaseTablas.h"

namespace molvaren {

namespace {

bool ExisteFichero(const std::filesystem::path& ruta)
{
    std::error_code ec;
    return !ruta.empty() && std::filesystem::is_regular_file(ruta, ec);
}

} // namespace

FinEjecucion EjecutarExportacion(EstadoPrograma& estado, Interaccion& ui)
{
    ui.Mensaje(AvisoExportacion);
    if (auto elegido = ui.ElegirFichero())
        estado.FicheroXML = *elegido;

    if (!ExisteFichero(estado.FicheroXML) || !ExisteTabla(estado.CarpetaTablas, "SOLUC")) {
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
