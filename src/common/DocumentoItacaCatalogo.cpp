#include "common/DocumentoItacaCatalogo.h"

#include <cstring>

namespace molvaren {

namespace {

constexpr RutaCatalogo Ruta(std::string_view ruta, std::string_view seccion, std::string_view elemento,
                            std::array<std::string_view, 8> atributos)
{
    size_t n = 0;
    while (n < atributos.size() && !atributos[n].empty())
        ++n;
    return RutaCatalogo{ruta, seccion, elemento, atributos, n};
}

// La raíz va la primera (kRutaRaiz).
constexpr std::array<RutaCatalogo, kNumRutasCatalogo> kCatalogo = {
    Ruta("/centro", "", "centro", {"codigo", "denominacion", "curso", "version"}),
    Ruta("/centro/plantillas_horario/plantilla_horario", "plantillas_horario", "plantilla_horario",
         {"codigo", "descripcion_val", "descripcion_cas", "turno"}),
    Ruta("/centro/sesiones_horario/sesion_horario", "sesiones_horario", "sesion_horario",
         {"plantilla", "dia_semana", "sesion_orden", "hora_desde", "hora_hasta"}),
    Ruta("/centro/contenidos/contenido", "contenidos", "contenido",
         {"codigo", "curso", "nombre_val", "nombre_cas"}),
    Ruta("/centro/ocupaciones/ocupacion", "ocupaciones", "ocupacion", {"codigo", "nombre_val", "nombre_cas"}),
    Ruta("/centro/docentes/docente", "docentes", "docente",
         {"apellido1", "apellido2", "nombre", "tipo_docente", "fecha_ingreso", "documento", "ensenanza"}),
    Ruta("/centro/aulas/aula", "aulas", "aula", {"nombre", "codigo"}),
    Ruta("/centro/cursos/curso", "cursos", "curso", {"padre", "abreviatura", "codigo", "ensenanza"}),
    Ruta("/centro/ensenanzas/ensenanza", "ensenanzas", "ensenanza", {"ensenanza", "abreviatura"}),
    Ruta("/centro/grupos/grupo", "grupos", "grupo",
         {"codigo", "nombre", "turno", "ensenanza", "tutor_ppal", "tutor_sec"}),
    Ruta("/centro/cursos_grupo/curso_grupo", "cursos_grupo", "curso_grupo", {"grupo", "curso"}),
    Ruta("/centro/horarios_grupo/horario_grupo", "horarios_grupo", "horario_grupo",
         {"plantilla", "grupo", "curso", "contenido", "docente", "aula"}),
    Ruta("/centro/horarios_ocupaciones/horario_ocupacion", "horarios_ocupaciones", "horario_ocupacion",
         {"ocupacion", "docente", "plantilla"}),
};

} // namespace

size_t RutaCatalogo::PosicionAtributo(std::string_view nombre) const
{
    for (size_t i = 0; i < numAtributos; ++i)
        if (atributos[i] == nombre)
            return i;
    return numAtributos;
}

size_t RutaCatalogo::PosicionAtributo(const char* nombre) const
{
    // Los nombres del catálogo son literales, terminados en nulo.
    for (size_t i = 0; i < numAtributos; ++i)
        if (nombre[0] == atributos[i][0] && std::strcmp(nombre, atributos[i].data()) == 0)
            return i;
    return numAtributos;
}

const std::array<RutaCatalogo, kNumRutasCatalogo>& CatalogoItaca()
{
    return kCatalogo;
}

size_t BuscarRutaCatalogo(std::string_view ruta)
{
    for (size_t i = 0; i < kCatalogo.size(); ++i)
        if (kCatalogo[i].ruta == ruta)
            return i;
    return kNumRutasCatalogo;
}

} // namespace molvaren
