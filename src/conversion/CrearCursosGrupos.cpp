#include "conversion/CrearCursosGrupos.h"

namespace molvaren {

void CrearCursosGrupos(ContextoConversion& ctx)
{
    (void)ctx;   // pendiente
}

} // namespace molvaren
