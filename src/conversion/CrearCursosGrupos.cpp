#include "conversion/CrearCursosGrupos.h"

#include <string>
#include <unordered_map>

#include "common/DocumentoItaca.h"
#include "common/ListaTextos.h"
#include "common/TextHelpers.h"
#include "conversion/CodigoLibre.h"
#include "conversion/SeccionDocumento.h"

namespace molvaren {

namespace {

using Indice = std::unordered_map<std::string, std::string>;

// Clave -> valor del primer elemento que la lleva, en orden de documento: lo
// mismo que recorrer la lista y parar en la primera coincidencia, sin volver
// a recorrerla para cada curso o grupo. Con un solo elemento la lista cuenta
// como vacía.
Indice PrimeraCoincidencia(const EstadoPrograma& estado, const char* ruta, const char* clave, const char* valor)
{
    Indice indice;
    const auto elementos = ElementosSeccion(estado, ruta);
    if (elementos.size() <= 1)
        return indice;
    for (const ElementoItaca& e : elementos)
        indice.try_emplace(LeerAtributo(e, clave), LeerAtributo(e, valor));
    return indice;
}

std::string Buscar(const Indice& indice, const std::string& clave)
{
    auto it = indice.find(clave);
    return it == indice.end() ? std::string() : it->second;
}

bool EsDigito(char c)
{
    return c >= '0' && c <= '9';
}

void EscribirCursos(ContextoConversion& ctx, Tabla& cursost, const Indice& niveles)
{
    const auto cursos = ElementosSeccion(ctx.estado, "/centro/cursos/curso");
    if (cursos.size() <= 1)
        return;
    for (const ElementoItaca& curso : cursos) {
        const std::string abreviatura = LeerAtributo(curso, "abreviatura");
        // Sin padre sólo entran los cursos cuya abreviatura empieza por cifra.
        if (LeerAtributo(curso, "padre").empty() && (abreviatura.empty() || !EsDigito(abreviatura[0])))
            continue;

        cursost.Anadir();
        cursost.PonerTexto("ABREV", LeftPart(abreviatura, 3));
        cursost.PonerTexto("TURNO", ctx.estado.TurnoPlantilla);
        cursost.PonerTexto("NIVEL", Buscar(niveles, LeerAtributo(curso, "ensenanza")));
        cursost.PonerTexto("CURSO", LeftPart(abreviatura, 1));
        cursost.PonerTexto("CLAVE", LeerAtributo(curso, "codigo"));
        cursost.PonerTexto("ESTUD", abreviatura);
        cursost.Grabar();
    }
}

// Abreviatura única del grupo, sin distinguir mayúsculas: el anfitrión
// nombra los grupos por ella.
std::string AbreviaturaUnica(const std::string& clave, const ListaSinMayusculas& dados, MemoriaCodigos& memoria)
{
    std::string abrev = clave;
    if (dados.Contiene(abrev)) {
        if (abrev.size() >= 10)
            abrev = LeftPart(abrev, 9);
        abrev = CodigoLibre(abrev, dados, std::string::npos, &memoria);
    }
    if (abrev.size() > 10) {
        abrev = LeftPart(abrev, 8) + RightPart(abrev, 2);
        // La forma acortada puede coincidir con otra ya dada: se busca otra
        // libre con las ocho primeras y un número.
        if (dados.Contiene(abrev))
            abrev = CodigoLibre(LeftPart(abrev, 8), dados, 10, &memoria);
    }
    return abrev;
}

void EscribirGrupos(ContextoConversion& ctx, Tabla& grupost, const Indice& niveles)
{
    const Indice cursoDeGrupo = PrimeraCoincidencia(ctx.estado, "/centro/cursos_grupo/curso_grupo", "grupo", "curso");
    Tabla& proft = ctx.tablas.Abrir("PROFT");
    const auto grupos = ElementosSeccion(ctx.estado, "/centro/grupos/grupo");
    if (grupos.size() <= 1)
        return;

    ListaSinMayusculas dados;
    MemoriaCodigos memoria;
    for (const ElementoItaca& grupo : grupos) {
        const std::string clave = LeerAtributo(grupo, "codigo");

        std::string tutorDni = LeerAtributo(grupo, "tutor_ppal");
        if (tutorDni.empty())
            tutorDni = LeerAtributo(grupo, "tutor_sec");
        // Sin ningún tutor no se busca: un DNI en blanco no es un tutor.
        std::string tutor;
        if (!tutorDni.empty()) {
            proft.Primero();
            if (proft.Localizar("DNI", tutorDni))
                tutor = proft.LeerTexto("ABREV");
        }

        const std::string abrev = AbreviaturaUnica(clave, dados, memoria);
        dados.Anadir(abrev);

        grupost.Anadir();
        grupost.PonerTexto("ABREV", abrev);
        grupost.PonerTexto("TURNO", LeerAtributo(grupo, "turno"));
        grupost.PonerTexto("NIVEL", Buscar(niveles, LeerAtributo(grupo, "ensenanza")));
        grupost.PonerTexto("CURSO", LeftPart(clave, 1));
        grupost.PonerTexto("GRUPO", RightPart(clave, 1));
        grupost.PonerTexto("DESCRIP", LeerAtributo(grupo, "nombre"));
        grupost.PonerTexto("MARCO", "0");
        grupost.PonerTexto("CLAVE", clave);
        grupost.PonerTexto("CLAVECURSO", Buscar(cursoDeGrupo, clave));
        grupost.PonerTexto("ENSENANZA", LeerAtributo(grupo, "ensenanza"));
        grupost.PonerTexto("TUTOR", tutor);
        grupost.Grabar();
    }
}

} // namespace

void CrearCursosGrupos(ContextoConversion& ctx)
{
    Tabla& cursost = ctx.tablas.Recrear("CURSOST");
    Tabla& grupost = ctx.tablas.Recrear("GRUPOST");

    const Indice niveles = PrimeraCoincidencia(ctx.estado, "/centro/ensenanzas/ensenanza", "ensenanza", "abreviatura");
    EscribirCursos(ctx, cursost, niveles);
    EscribirGrupos(ctx, grupost, niveles);
}

} // namespace molvaren
