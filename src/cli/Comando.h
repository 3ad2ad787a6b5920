#pragma once
// Una orden del programa: setup() lee sus argumentos (lanza ErrorCli de uso
// si están mal) y run() hace el trabajo y devuelve el estado de salida.
#include <ostream>
#include <string>
#include <vector>

namespace molvaren::cli {

class Comando {
public:
    virtual ~Comando() = default;
    virtual void setup(const std::vector<std::string>& argumentos) = 0;
    virtual int run(std::ostream& salida, std::ostream& errores) = 0;
};

} // namespace molvaren::cli
