#pragma once
// Aulas: AULAT, una fila por aula con su código.
#include "conversion/ContextoConversion.h"

namespace molvaren {

void CrearAulas(ContextoConversion& ctx);

} // namespace molvaren
