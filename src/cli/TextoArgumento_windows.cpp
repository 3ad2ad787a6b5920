#include "cli/TextoArgumento.h"

namespace molvaren::cli {

// main recibe los argumentos en la página ANSI, que ya es Windows-1252.
std::string ArgumentoACp1252(const std::string& argumento)
{
    return argumento;
}

} // namespace molvaren::cli
