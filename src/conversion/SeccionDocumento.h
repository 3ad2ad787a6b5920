#pragma once
// Elementos de una sección del documento de la ejecución; sin documento, la
// sección está vacía como si faltara.
#include <string_view>
#include <vector>

#include "common/DocumentoItaca.h"
#include "common/EstadoPrograma.h"

namespace molvaren {

inline std::vector<ElementoItaca> ElementosSeccion(const EstadoPrograma& estado, std::string_view ruta)
{
    if (!estado.DocXML)
        return {};
    return estado.DocXML->Seleccionar(ruta);
}

} // namespace molvaren
