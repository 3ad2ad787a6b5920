#include "conversion/CrearProfesores.h"

#include <string>

#include "common/DocumentoItaca.h"
#include "common/ListaTextos.h"
#include "conversion/CodigoLibre.h"
#include "conversion/SeccionDocumento.h"

namespace molvaren {

namespace {

// Primera letra tal cual, sin tocar mayúsculas; un valor vacío no aporta nada.
std::string Inicial(const std::string& texto)
{
    return texto.empty() ? std::string() : texto.substr(0, 1);
}

} // namespace

void CrearProfesores(ContextoConversion& ctx)
{
    Tabla& proft = ctx.tablas.Recrear("PROFT");
    ListaSinMayusculas dados;
    MemoriaCodigos memoria;

    const auto docentes = ElementosSeccion(ctx.estado, "/centro/docentes/docente");
    // Una sección con un solo elemento cuenta como vacía.
    if (docentes.size() <= 1)
        return;

    for (const ElementoItaca& docente : docentes) {
        const std::string a1 = LeerAtributo(docente, "apellido1");
        const std::string a2 = LeerAtributo(docente, "apellido2");
        const std::string nm = LeerAtributo(docente, "nombre");
        const std::string nombre = a1 + " " + a2 + ", " + nm;

        const std::string tipo = LeerAtributo(docente, "tipo_docente");
        const std::string fechaIngreso = tipo == "D" ? LeerAtributo(docente, "fecha_ingreso") : std::string();
        const std::string dni = LeerAtributo(docente, "documento");
        const std::string iniciales = Inicial(a1) + Inicial(a2) + Inicial(nm);
        const std::string ensenanza = LeerAtributo(docente, "ensenanza");

        std::string codigo = iniciales;
        if (dados.Contiene(codigo))
            codigo = CodigoLibre(iniciales, dados, std::string::npos, &memoria);
        dados.Anadir(codigo);

        proft.Anadir();
        proft.PonerTexto("ABREV", codigo);
        proft.PonerTexto("NOMBRE", nombre);
        proft.PonerTexto("DNI", dni);
        proft.PonerTexto("F_TOMAPOS", fechaIngreso);
        proft.PonerTexto("ENSENANZA", ensenanza);
        proft.Grabar();
    }
}

} // namespace molvaren
