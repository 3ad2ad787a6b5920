#include "conversion/CrearAsignaturas.h"

#include <string>

#include "common/DocumentoItaca.h"
#include "common/EstadoPrograma.h"
#include "common/TextHelpers.h"
#include "conversion/CodigoLibre.h"
#include "conversion/SeccionDocumento.h"

namespace molvaren {

namespace {

// Forma corta del nombre: hasta diez letras, o la inicial y las iniciales de
// las palabras si el nombre es largo; sólo a-z pasan a mayúsculas.
std::string FormaCorta(const std::string& nombre)
{
    std::string corta = nombre.size() >= 12 ? nombre.substr(0, 1) + WordInitials(nombre) : LeftPart(nombre, 10);
    return MayusculasAscii(corta);
}

// Código de diez caracteres como mucho: las ocho primeras y las dos últimas.
std::string CodigoAsignatura(const std::string& claveItaca)
{
    if (claveItaca.size() > 10)
        return LeftPart(claveItaca, 8) + RightPart(claveItaca, 2);
    return claveItaca;
}

} // namespace

void CrearAsignaturas(ContextoConversion& ctx)
{
    EstadoPrograma& estado = ctx.estado;
    Tabla& asignomt = ctx.tablas.Recrear("ASIGNOMT");

    const auto contenidos = ElementosSeccion(estado, "/centro/contenidos/contenido");
    if (contenidos.size() <= 1)
        return;

    Tabla& cursost = ctx.tablas.Abrir("CURSOST");
    MemoriaCodigos memoria;
    const char* atributoNombre = estado.TextoIdioma == TextoValenciano ? "nombre_val" : "nombre_cas";

    for (const ElementoItaca& contenido : contenidos) {
        const std::string claveItaca = LeerAtributo(contenido, "codigo");

        std::string nivel, numeroCurso;
        cursost.Primero();
        if (cursost.Localizar("CLAVE", LeerAtributo(contenido, "curso"))) {
            nivel = cursost.LeerTexto("NIVEL");
            numeroCurso = cursost.LeerTexto("CURSO");
        }

        const std::string nombre = LeerAtributo(contenido, atributoNombre);
        const std::string corta = FormaCorta(nombre);
        estado.ListaNombres.Anadir(nombre);

        if (!estado.ListaClavesITACA.Contiene(claveItaca)) {
            std::string codigo = CodigoAsignatura(claveItaca);
            // Dos claves largas pueden acortarse igual: la segunda recibe
            // otro código libre y no se pierde ninguna asignatura.
            if (estado.ListaCodigos.Contiene(codigo))
                codigo = CodigoLibre(LeftPart(codigo, 8), estado.ListaCodigos, 10, &memoria);
            estado.ListaCodigos.Anadir(codigo);
            estado.ListaClavesITACA.Anadir(claveItaca);

            asignomt.Anadir();
            asignomt.PonerTexto("COD", codigo);
            asignomt.PonerTexto("CODLARGO", corta);
            asignomt.PonerTexto("NOMBRE", nombre);
            asignomt.PonerLogico("ESTAREA", false);
            asignomt.PonerTexto("DENIVEL", nivel);
            asignomt.PonerTexto("DECURSO", numeroCurso);
            asignomt.PonerTexto("ABREV_ITACA", claveItaca);
            asignomt.Grabar();
            continue;
        }

        // Ya vista en otro curso: nivel y curso sólo se guardan si coinciden
        // en todos.
        asignomt.Primero();
        if (asignomt.Localizar("ABREV_ITACA", claveItaca)) {
            asignomt.Editar();
            if (asignomt.LeerTexto("DENIVEL") != nivel)
                asignomt.PonerTexto("DENIVEL", "");
            if (asignomt.LeerTexto("DECURSO") != numeroCurso)
                asignomt.PonerTexto("DECURSO", "");
            asignomt.Grabar();
        }
    }
}

} // namespace molvaren
