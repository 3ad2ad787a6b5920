#pragma once
// --idioma valencia|castellano: el texto del combo de idioma que le toca.
#include <optional>
#include <string>

#include "cli/ErrorCli.h"
#include "common/EstadoPrograma.h"

namespace molvaren::cli {

inline std::string TextoIdiomaDeOpcion(const std::optional<std::string>& opcion)
{
    if (!opcion || *opcion == "valencia")
        return TextoValenciano;
    if (*opcion == "castellano")
        return TextoCastellano;
    throw ErrorUso("Idioma desconocido: " + *opcion + " (use valencia o castellano)");
}

} // namespace molvaren::cli
