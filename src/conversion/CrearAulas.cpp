#include "conversion/CrearAulas.h"

namespace molvaren {

void CrearAulas(ContextoConversion& ctx)
{
    (void)ctx;   // pendiente
}

} // namespace molvaren
