#pragma once
// Cursos y grupos: CURSOST y GRUPOST.
#include "conversion/ContextoConversion.h"

namespace molvaren {

void CrearCursosGrupos(ContextoConversion& ctx);

} // namespace molvaren
