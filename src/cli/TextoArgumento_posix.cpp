#include "cli/TextoArgumento.h"

#include "common/Codificacion.h"

namespace molvaren::cli {

// Aquí los argumentos llegan en UTF-8.
std::string ArgumentoACp1252(const std::string& argumento)
{
    return Utf8ACp1252(argumento);
}

} // namespace molvaren::cli
