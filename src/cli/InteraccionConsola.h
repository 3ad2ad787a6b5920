#pragma once
// El usuario de la conversión sin ventana: el fichero y la plantilla vienen
// de la línea de órdenes y las dos preguntas se contestan según las opciones.
// Lo que la ejecución dice se guarda para contarlo al final.
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/Interaccion.h"

namespace molvaren::cli {

class InteraccionConsola : public Interaccion {
public:
    // plantilla: código pedido (Windows-1252); sin él, la que el diálogo
    // ofrece primero.
    InteraccionConsola(std::filesystem::path fichero, std::optional<std::string> plantilla, bool todasPlantillas,
                       bool quitarSinClases);

    std::optional<std::filesystem::path> ElegirFichero() override;
    ResultadoPlantillas DialogoPlantillas(int modo, const EstadoPrograma& estado) override;
    std::string DialogoCurso(const std::string& cursoActual) override;
    void Mensaje(const std::string& texto) override;
    void MensajeError(const std::string& texto) override;
    bool Pregunta(const std::string& texto) override;
    void CursorOcupado(bool ocupado) override;
    void CerrarVentana() override;

    const std::vector<std::string>& Mensajes() const { return mensajes_; }
    const std::vector<std::string>& Errores() const { return errores_; }
    // Pregunta (en pocas palabras) y respuesta dada, en su orden.
    const std::vector<std::pair<std::string, std::string>>& Respuestas() const { return respuestas_; }
    bool DialogoMostrado() const { return dialogoMostrado_; }
    const std::string& NombrePlantilla() const { return nombrePlantilla_; }

private:
    std::filesystem::path fichero_;
    std::optional<std::string> plantilla_;
    bool todasPlantillas_;
    bool quitarSinClases_;
    bool dialogoMostrado_ = false;
    std::string nombrePlantilla_;
    std::vector<std::string> mensajes_;
    std::vector<std::string> errores_;
    std::vector<std::pair<std::string, std::string>> respuestas_;
};

} // namespace molvaren::cli
