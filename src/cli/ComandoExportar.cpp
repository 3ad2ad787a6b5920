#include "cli/ComandoExportar.h"

#include <iomanip>
#include <ostream>

#include "cli/ErrorCli.h"
#include "cli/InteraccionConsola.h"
#include "cli/LectorArgumentos.h"
#include "cli/OpcionIdioma.h"
#include "cli/RutaUtf8.h"
#include "cli/TextoArgumento.h"
#include "common/BaseTablas.h"
#include "common/Codificacion.h"
#include "common/EstadoPrograma.h"
#include "conversion/EjecucionConversion.h"

namespace molvaren::cli {

void ComandoExportar::setup(const std::vector<std::string>& argumentos)
{
    LectorArgumentos lector(argumentos, {"--carpeta", "--plantilla", "--idioma"},
                            {"--todas-plantillas", "--dejar-sin-clases"});
    if (lector.Posicionales().empty())
        throw ErrorUso("Falta el fichero XML de ITACA");
    if (lector.Posicionales().size() > 1)
        throw ErrorUso("Sobra el argumento: " + lector.Posicionales()[1]);

    fichero_ = RutaDesdeArgumento(lector.Posicionales()[0]);
    if (auto carpeta = lector.Valor("--carpeta")) {
        if (carpeta->empty())
            throw ErrorUso("La carpeta de tablas no puede estar vacía");
        carpeta_ = RutaDesdeArgumento(*carpeta);
    } else {
        carpeta_ = CarpetaTablasPorOmision();
    }
    // Los códigos de plantilla del documento van en Windows-1252.
    if (auto plantilla = lector.Valor("--plantilla"))
        plantilla_ = ArgumentoACp1252(*plantilla);
    textoIdioma_ = TextoIdiomaDeOpcion(lector.Valor("--idioma"));
    todasPlantillas_ = lector.Bandera("--todas-plantillas");
    quitarSinClases_ = !lector.Bandera("--dejar-sin-clases");
}

int ComandoExportar::run(std::ostream& salida, std::ostream& errores)
{
    EstadoPrograma estado;
    estado.CarpetaTablas = carpeta_;
    estado.TextoIdioma = textoIdioma_;

    InteraccionConsola ui(fichero_, plantilla_, todasPlantillas_, quitarSinClases_);
    InformeConversion informe;
    const FinEjecucion fin = EjecutarConversion(estado, ui, &informe);

    if (fin == FinEjecucion::Rechazada) {
        errores << "molvaren-cli: No existe archivo: " << RutaUtf8(fichero_) << "\n";
        return SalidaFallo;
    }
    if (fin == FinEjecucion::Fallida) {
        for (const std::string& e : ui.Errores())
            errores << "molvaren-cli: " << e << "\n";
        errores << "molvaren-cli: no se ha escrito ninguna tabla en " << RutaUtf8(carpeta_) << "\n";
        return SalidaFallo;
    }

    salida << "Fichero: " << RutaUtf8(fichero_) << "\n";
    salida << "Carpeta de tablas: " << RutaUtf8(carpeta_) << "\n";
    if (ui.DialogoMostrado()) {
        salida << "Plantilla: " << Cp1252AUtf8(estado.PlantillaElegida);
        if (ui.NombrePlantilla() != "-")
            salida << " (" << Cp1252AUtf8(ui.NombrePlantilla()) << ")";
        salida << ", turno " << Cp1252AUtf8(estado.TurnoPlantilla) << ", " << estado.ListBoxPlanti.size()
               << " sesiones por día\n";
    } else {
        salida << "Plantilla: ninguna (el documento no tiene plantillas horarias)\n";
    }
    salida << "Idioma de los nombres: " << Cp1252AUtf8(estado.TextoIdioma) << "\n";

    salida << "Respuestas:\n";
    salida << "  ¿Cargar los datos de todas las plantillas? " << (todasPlantillas_ ? "Sí" : "No") << "\n";
    salida << "  ¿Quitar los grupos y profesores sin clases? " << (quitarSinClases_ ? "Sí" : "No") << "\n";
    if (ui.Respuestas().empty())
        salida << "  (la conversión no ha hecho ninguna pregunta)\n";
    for (const auto& [pregunta, respuesta] : ui.Respuestas())
        salida << "  Preguntado: " << pregunta << " " << respuesta << "\n";

    salida << "Filas escritas:\n";
    for (const auto& [tabla, filas] : informe.filasPorTabla)
        salida << "  " << std::left << std::setw(12) << tabla << std::right << std::setw(8) << filas << "\n";
    for (const std::string& m : ui.Mensajes())
        salida << m << "\n";
    return SalidaBien;
}

} // namespace molvaren::cli
