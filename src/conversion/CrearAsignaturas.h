#pragma once
// Asignaturas: ASIGNOMT y las listas de la ejecución.
#include "conversion/ContextoConversion.h"

namespace molvaren {

void CrearAsignaturas(ContextoConversion& ctx);

} // namespace molvaren
