#include "conversion/CrearDiasHoras.h"

namespace molvaren {

void CrearDiasHoras(ContextoConversion& ctx)
{
    (void)ctx;   // pendiente
}

} // namespace molvaren
