#pragma once
// El usuario de las ejecuciones, en ventanas: diálogo de fichero, los dos
// diálogos modales, cajas de mensaje, cursor de espera y cierre de la
// ventana principal.
// Para las pruebas con procesos reales, MOLVAREN_FICHERO_PRUEBA responde al
// diálogo de fichero sin mostrarlo (vacía: como si se cancelara).
#include "common/Interaccion.h"

class QWidget;

namespace molvaren::ventanas {

class InteraccionQt : public Interaccion {
public:
    explicit InteraccionQt(QWidget* ventana);
    ~InteraccionQt() override;

    std::optional<std::filesystem::path> ElegirFichero() override;
    ResultadoPlantillas DialogoPlantillas(int modo, const EstadoPrograma& estado) override;
    std::string DialogoCurso(const std::string& cursoActual) override;
    void Mensaje(const std::string& texto) override;
    void MensajeError(const std::string& texto) override;
    bool Pregunta(const std::string& texto) override;
    void CursorOcupado(bool ocupado) override;
    void CerrarVentana() override;

private:
    QWidget* ventana_;
    std::filesystem::path ultimaCarpeta_;
    bool cursorPuesto_ = false;
};

} // namespace molvaren::ventanas
