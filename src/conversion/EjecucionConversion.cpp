#include "conversion/EjecucionConversion.h"

#include <exception>
#include <filesystem>
#include <system_error>

#include "common/BaseTablas.h"
#include "common/ErrorMolvaren.h"
#include "conversion/ContextoConversion.h"
#include "conversion/CrearAulas.h"
#include "conversion/CrearAsignaturas.h"
#include "conversion/CrearCursosGrupos.h"
#include "conversion/CrearDiasHoras.h"
#include "conversion/CrearProfesores.h"

namespace molvaren {

namespace {

using Paso = void (*)(ContextoConversion&);

// Orden fijo: cada paso lee lo que escribieron los anteriores.
const Paso Pasos[] = {
    CrearProfesores,
    CrearCursosGrupos,
    CrearAsignaturas,
    CrearAulas,
    CrearDiasHoras,
};

bool ExisteFichero(const std::filesystem::path& ruta)
{
    std::error_code ec;
    return !ruta.empty() && std::filesystem::is_regular_file(ruta, ec);
}

} // namespace

FinEjecucion EjecutarConversion(EstadoPrograma& estado, Interaccion& ui, InformeConversion* informe)
{
    if (auto elegido = ui.ElegirFichero())
        estado.FicheroXML = *elegido;

    if (!ExisteFichero(estado.FicheroXML)) {
        ui.Mensaje("No existe archivo");
        if (estado.ModoIncrustado) {
            estado.ResultadoProceso = -1;
            ui.CerrarVentana();
        }
        return FinEjecucion::Rechazada;
    }

    bool cursorPuesto = false;
    try {
        // Un fichero que no es XML, o no es de ITACA, se rechaza antes de
        // tocar ninguna tabla.
        estado.DocXML = std::make_shared<const DocumentoItaca>(DocumentoItaca::Cargar(estado.FicheroXML));
        estado.NumPlantillas =
            static_cast<int>(estado.DocXML->Seleccionar("/centro/plantillas_horario/plantilla_horario").size());

        if (estado.NumPlantillas > 0) {
            estado.PlantillaElegida.clear();
            ResultadoPlantillas r = ui.DialogoPlantillas(0, estado);
            estado.PlantillaElegida = r.CodigoElegido;
            estado.TextoIdioma = r.TextoIdioma;
            estado.TurnoPlantilla = r.TurnoElegido;
            estado.ListBoxPlanti = r.Lineas;
        }

        ui.CursorOcupado(true);
        cursorPuesto = true;

        estado.VaciarListas();
        estado.SoloPlantillaElegida = false;
        BaseTablas tablas(estado.CarpetaTablas);
        ContextoConversion ctx{estado, tablas, ui};
        for (Paso paso : Pasos)
            paso(ctx);

        if (informe) {
            informe->filasPorTabla.clear();
            for (const std::string& nombre : tablas.NombresAbiertos())
                informe->filasPorTabla.emplace_back(nombre, tablas.Abrir(nombre).NumFilas());
        }
        tablas.Confirmar();
    } catch (const std::exception& e) {
        // Las tablas en disco siguen como estaban: sólo se escriben al confirmar.
        if (cursorPuesto)
            ui.CursorOcupado(false);
        estado.VaciarListas();
        if (dynamic_cast<const ErrorMolvaren*>(&e))
            ui.MensajeError(e.what());
        else
            ui.MensajeError(std::string("Error inesperado: ") + e.what());
        return FinEjecucion::Fallida;
    }

    ui.CursorOcupado(false);
    estado.VaciarListas();
    estado.ResultadoProceso = 1;
    ui.Mensaje("Proceso finalizado");
    estado.BotonesHabilitados = false;
    if (estado.ModoIncrustado)
        ui.CerrarVentana();
    return FinEjecucion::Finalizada;
}

} // namespace molvaren
