#include "cli/InteraccionConsola.h"

#include <utility>

#include "common/Codificacion.h"
#include "common/EstadoPrograma.h"
#include "common/ErrorMolvaren.h"
#include "common/ModeloPlantillas.h"

namespace molvaren::cli {

namespace {

// Trozos propios de cada pregunta: se reconocen por ellos y no por el orden
// en que lleguen, que depende de qué pasos haya.
const char* const SenalVariasPlantillas = "varias Plantillas Horarias";
const char* const SenalSinClases = "quitar dichos Grupos y Profesores";

bool Contiene(const std::string& texto, const char* trozo)
{
    return texto.find(trozo) != std::string::npos;
}

} // namespace

InteraccionConsola::InteraccionConsola(std::filesystem::path fichero, std::optional<std::string> plantilla,
                                       bool todasPlantillas, bool quitarSinClases)
    : fichero_(std::move(fichero)),
      plantilla_(std::move(plantilla)),
      todasPlantillas_(todasPlantillas),
      quitarSinClases_(quitarSinClases)
{
}

std::optional<std::filesystem::path> InteraccionConsola::ElegirFichero()
{
    return fichero_;
}

ResultadoPlantillas InteraccionConsola::DialogoPlantillas(int modo, const EstadoPrograma& estado)
{
    dialogoMostrado_ = true;
    ModeloPlantillas modelo(modo, estado.TextoIdioma, estado.FicheroXML, estado.CarpetaTablas, estado.DocXML);
    modelo.Activar();
    if (plantilla_) {
        bool esta = false;
        std::string lista;
        for (const std::string& codigo : modelo.Codigos()) {
            esta = esta || codigo == *plantilla_;
            lista += (lista.empty() ? "" : ", ") + Cp1252AUtf8(codigo);
        }
        // Un error aquí para la ejecución antes de tocar ninguna tabla.
        if (!esta)
            throw ErrorMolvaren("La plantilla \"" + Cp1252AUtf8(*plantilla_) +
                                "\" no está en el documento; sus plantillas son: " + lista);
        modelo.CambiarPlantilla(*plantilla_);
    }
    nombrePlantilla_ = modelo.RotuloNombre();
    return modelo.Resultado();
}

std::string InteraccionConsola::DialogoCurso(const std::string& cursoActual)
{
    return cursoActual;
}

void InteraccionConsola::Mensaje(const std::string& texto)
{
    mensajes_.push_back(texto);
}

void InteraccionConsola::MensajeError(const std::string& texto)
{
    errores_.push_back(texto);
}

bool InteraccionConsola::Pregunta(const std::string& texto)
{
    if (Contiene(texto, SenalVariasPlantillas)) {
        respuestas_.emplace_back("¿Cargar los datos de todas las plantillas?", todasPlantillas_ ? "Sí" : "No");
        return todasPlantillas_;
    }
    if (Contiene(texto, SenalSinClases)) {
        respuestas_.emplace_back("¿Quitar los grupos y profesores sin clases?", quitarSinClases_ ? "Sí" : "No");
        return quitarSinClases_;
    }
    // Contestar a ciegas podría dejar unas tablas que nadie ha pedido.
    throw ErrorMolvaren("Pregunta no prevista en la línea de órdenes:\n" + texto);
}

void InteraccionConsola::CursorOcupado(bool ocupado)
{
    // Se llama justo antes de los pasos. Una plantilla pedida en un documento
    // sin plantillas no llega a preguntarse: se rechaza aquí, aún sin tablas.
    if (ocupado && plantilla_ && !dialogoMostrado_)
        throw ErrorMolvaren("El documento no tiene plantillas horarias: no se puede elegir la plantilla \"" +
                            Cp1252AUtf8(*plantilla_) + "\"");
}

void InteraccionConsola::CerrarVentana() {}

} // namespace molvaren::cli
