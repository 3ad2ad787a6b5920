#pragma once
// Rejilla de días y horas: DIASHORAST desde las líneas de sesión.
#include "conversion/ContextoConversion.h"

namespace molvaren {

void CrearDiasHoras(ContextoConversion& ctx);

} // namespace molvaren
