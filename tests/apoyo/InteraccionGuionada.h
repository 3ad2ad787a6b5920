#pragma once
// Usuario de guion para las pruebas: contesta lo que se le ha preparado y
// apunta todo lo que la ejecución le pidió.
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/EstadoPrograma.h"
#include "common/Interaccion.h"

namespace molvaren::pruebas {

class InteraccionGuionada : public Interaccion {
public:
    // Respuestas preparadas.
    std::optional<std::filesystem::path> fichero;            // nullopt: cancela
    // Si está puesta, decide el diálogo de plantillas; si no, se devuelve
    // resultadoPlantillas tal cual.
    std::function<ResultadoPlantillas(int, const EstadoPrograma&)> plantillas;
    ResultadoPlantillas resultadoPlantillas;
    std::string curso;                                       // DialogoCurso
    bool cursoTocado = false;                                // si no, devuelve el actual
    std::deque<bool> respuestas;                             // Pregunta; vacía: No

    // Lo que se pidió.
    std::vector<std::string> mensajes;
    std::vector<std::string> errores;
    std::vector<std::string> preguntas;
    std::vector<int> modosPlantillas;
    int dialogosCurso = 0;
    int cierres = 0;
    bool cursorOcupado = false;
    int cambiosCursor = 0;

    std::optional<std::filesystem::path> ElegirFichero() override { return fichero; }

    ResultadoPlantillas DialogoPlantillas(int modo, const EstadoPrograma& estado) override
    {
        modosPlantillas.push_back(modo);
        if (plantillas)
            return plantillas(modo, estado);
        ResultadoPlantillas r = resultadoPlantillas;
        if (r.TextoIdioma.empty())
            r.TextoIdioma = estado.TextoIdioma;
        return r;
    }

    std::string DialogoCurso(const std::string& cursoActual) override
    {
        ++dialogosCurso;
        return cursoTocado ? curso : cursoActual;
    }

    void Mensaje(const std::string& texto) override { mensajes.push_back(texto); }
    void MensajeError(const std::string& texto) override { errores.push_back(texto); }

    bool Pregunta(const std::string& texto) override
    {
        preguntas.push_back(texto);
        if (respuestas.empty())
            return false;
        bool r = respuestas.front();
        respuestas.pop_front();
        return r;
    }

    void CursorOcupado(bool ocupado) override
    {
        cursorOcupado = ocupado;
        ++cambiosCursor;
    }

    void CerrarVentana() override { ++cierres; }
};

} // namespace molvaren::pruebas
