#pragma once
// Lo que comparte cada paso de la conversión: el estado del programa, las
// tablas de la ejecución (todo o nada) y el usuario.
#include "common/BaseTablas.h"
#include "common/EstadoPrograma.h"
#include "common/Interaccion.h"

namespace molvaren {

struct ContextoConversion {
    EstadoPrograma& estado;
    BaseTablas& tablas;
    Interaccion& ui;
};

} // namespace molvaren
