#include "conversion/CrearAulas.h"

#include <string>

#include "common/DocumentoItaca.h"
#include "common/ListaTextos.h"
#include "common/TextHelpers.h"
#include "conversion/CodigoLibre.h"
#include "conversion/SeccionDocumento.h"

namespace molvaren {

void CrearAulas(ContextoConversion& ctx)
{
    Tabla& aulat = ctx.tablas.Recrear("AULAT");
    ListaSinMayusculas dados;
    MemoriaCodigos memoria;

    const auto aulas = ElementosSeccion(ctx.estado, "/centro/aulas/aula");
    if (aulas.size() <= 1)
        return;

    for (const ElementoItaca& aula : aulas) {
        const std::string nombre = LeerAtributo(aula, "nombre");
        const std::string claveItaca = LeerAtributo(aula, "codigo");

        // Un aula sin código de ITACA se nombra por el principio de su nombre.
        std::string codigo = claveItaca.empty() ? LeftPart(nombre, 4) : claveItaca;
        if (dados.Contiene(codigo)) {
            if (codigo.size() > 10)
                codigo = LeftPart(codigo, 9);
            codigo = CodigoLibre(codigo, dados, std::string::npos, &memoria);
        }
        if (codigo.size() > 10)
            codigo = CodigoLibre(LeftPart(codigo, 8), dados, 10, &memoria);
        dados.Anadir(codigo);

        aulat.Anadir();
        aulat.PonerTexto("ABREV", codigo);
        aulat.PonerTexto("NOMBRE", nombre);
        aulat.PonerTexto("ABREV_ITACA", claveItaca);
        aulat.Grabar();
    }
}

} // namespace molvaren
