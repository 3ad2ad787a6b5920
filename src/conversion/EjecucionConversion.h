#pragma once
// La ejecución de BExportar: fichero, documento, plantilla, los pasos en su
// orden, y el final. Igual para la ventana, la línea de órdenes y las pruebas.
#include "common/EstadoPrograma.h"
#include "common/Interaccion.h"

namespace molvaren {

enum class FinEjecucion {
    Finalizada,   // "Proceso finalizado"; tablas escritas
    Rechazada,    // falta el fichero; nada tocado
    Fallida       // un error la paró; tablas como estaban, mensaje mostrado
};

FinEjecucion EjecutarConversion(EstadoPrograma& estado, Interaccion& ui);

} // namespace molvaren
