#include "conversion/CrearAsignaturas.h"

namespace molvaren {

void CrearAsignaturas(ContextoConversion& ctx)
{
    (void)ctx;   // pendiente
}

} // namespace molvaren
