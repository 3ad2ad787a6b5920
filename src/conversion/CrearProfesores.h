#pragma once
// Profesores: PROFT, una fila por docente con su código.
#include "conversion/ContextoConversion.h"

namespace molvaren {

void CrearProfesores(ContextoConversion& ctx);

} // namespace molvaren
