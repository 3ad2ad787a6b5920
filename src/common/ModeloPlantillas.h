#pragma once
// Lógica del diálogo de plantillas horarias, sin ventana: qué códigos ofrece,
// qué rótulos y líneas de sesión muestra y qué devuelve al cerrarse. La
// ventana TPlantillas sólo lo enseña; el programa de línea de órdenes y las
// pruebas lo usan directamente.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/DocumentoItaca.h"
#include "common/Interaccion.h"

namespace molvaren {

class ModeloPlantillas {
public:
    // modo: 0 conversión, 2 exportación. documento: el ya cargado del mismo
    // fichero, si lo hay (se evita leerlo dos veces); si es nulo, se carga
    // fichero al activar.
    ModeloPlantillas(int modo, std::string textoIdioma, std::filesystem::path fichero,
                     std::filesystem::path carpetaTablas,
                     std::shared_ptr<const DocumentoItaca> documento = nullptr);

    // FormActivate. Puede lanzar ErrorMolvaren (modo 2, DIASHORAST que no se
    // puede abrir; documento ilegible): quien lo muestra informa y sigue con
    // el diálogo vacío.
    void Activar();

    // Cambio de texto del combo de plantillas o del de idioma
    // (ComboBoxPlantillaChange).
    void CambiarPlantilla(const std::string& texto);
    void CambiarIdioma(const std::string& texto);

    int Modo() const;
    const std::vector<std::string>& Codigos() const;      // elementos del combo
    const std::string& TextoPlantilla() const;             // texto del combo
    const std::string& TextoIdioma() const;
    const std::string& RotuloNombre() const;               // LabelNombre
    const std::string& RotuloTurno() const;                // LabelTurno
    const std::vector<std::string>& Lineas() const;        // ListBox1, ordenada

    // Resultados al cerrar (Continuar o cierre de la ventana, iguales).
    ResultadoPlantillas Resultado() const;

    // Línea de sesión: orden (un blanco delante si tiene un carácter, tres
    // como mucho), " de ", desde, " a ", hasta.
    static std::string LineaSesion(const std::string& orden, const std::string& desde, const std::string& hasta);

private:
    struct Datos;
    std::shared_ptr<Datos> d_;
};

} // namespace molvaren
