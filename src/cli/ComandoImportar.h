#pragma once
// molvaren-cli importar: la exportación del horario a ITACA (aún no está).
#include "cli/Comando.h"

namespace molvaren::cli {

class ComandoImportar : public Comando {
public:
    void setup(const std::vector<std::string>& argumentos) override;
    int run(std::ostream& salida, std::ostream& errores) override;
};

} // namespace molvaren::cli
