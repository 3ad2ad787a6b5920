#include "conversion/CrearProfesores.h"

namespace molvaren {

void CrearProfesores(ContextoConversion& ctx)
{
    (void)ctx;   // pendiente
}

} // namespace molvaren
