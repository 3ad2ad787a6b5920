#pragma once
// molvaren-cli exportar: la conversión de ITACA a las tablas de trabajo.
#include <filesystem>
#include <optional>
#include <string>

#include "cli/Comando.h"

namespace molvaren::cli {

class ComandoExportar : public Comando {
public:
    void setup(const std::vector<std::string>& argumentos) override;
    int run(std::ostream& salida, std::ostream& errores) override;

private:
    std::filesystem::path fichero_;
    std::filesystem::path carpeta_;
    std::optional<std::string> plantilla_;   // Windows-1252
    std::string textoIdioma_;
    bool todasPlantillas_ = false;
    bool quitarSinClases_ = true;
};

} // namespace molvaren::cli
