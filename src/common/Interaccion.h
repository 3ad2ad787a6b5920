#pragma once
// Todo lo que una ejecución pide al usuario pasa por aquí. Lo implementan la
// ventana (Qt), el programa de línea de órdenes y las pruebas.
// Los mensajes van en UTF-8; los datos de las plantillas, en Windows-1252.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace molvaren {

struct EstadoPrograma;

// Lo que devuelve el diálogo de plantillas al cerrarse.
struct ResultadoPlantillas {
    std::string CodigoElegido;              // texto del combo, recortado
    std::string TurnoElegido = "-";         // rótulo LabelTurno
    std::vector<std::string> Lineas;        // líneas de ListBox1, en su orden
    std::string TextoIdioma;                // texto de su ComboBoxValCast
};

class Interaccion {
public:
    virtual ~Interaccion() = default;

    // Diálogo de abrir "Archivo XML"; nullopt si el usuario cancela.
    virtual std::optional<std::filesystem::path> ElegirFichero() = 0;

    // Diálogo de plantillas en modo 0 (conversión) o 2 (exportación). Lee el
    // estado (FicheroXML, idioma, carpeta de tablas) y no lo cambia.
    virtual ResultadoPlantillas DialogoPlantillas(int modo, const EstadoPrograma& estado) = 0;

    // Diálogo del curso de destino: devuelve el curso que queda elegido.
    virtual std::string DialogoCurso(const std::string& cursoActual) = 0;

    // Caja de mensaje con el título de la aplicación y un botón "Aceptar".
    virtual void Mensaje(const std::string& texto) = 0;

    // Caja de error: el mensaje de un error que ha parado la ejecución.
    virtual void MensajeError(const std::string& texto) = 0;

    // Pregunta "Confirmación" con "&Si" y "&No"; verdadero si responde Sí.
    virtual bool Pregunta(const std::string& texto) = 0;

    // Cursor de espera de toda la aplicación.
    virtual void CursorOcupado(bool ocupado) = 0;

    // Cierra la ventana principal (modo incrustado).
    virtual void CerrarVentana() = 0;
};

} // namespace molvaren
