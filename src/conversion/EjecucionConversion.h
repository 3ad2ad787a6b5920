#pragma once
// La ejecución de BExportar: fichero, documento, plantilla, los pasos en su
// orden, y el final. Igual para la ventana, la línea de órdenes y las pruebas.
#include <string>
#include <utility>
#include <vector>

#include "common/EstadoPrograma.h"
#include "common/Interaccion.h"

namespace molvaren {

enum class FinEjecucion {
    Finalizada,   // "Proceso finalizado"; tablas escritas
    Rechazada,    // falta el fichero; nada tocado
    Fallida       // un error la paró; tablas como estaban, mensaje mostrado
};

// Lo escrito, para quien quiera contarlo (la línea de órdenes).
struct InformeConversion {
    std::vector<std::pair<std::string, size_t>> filasPorTabla;   // en orden de paso
};

FinEjecucion EjecutarConversion(EstadoPrograma& estado, Interaccion& ui, InformeConversion* informe = nullptr);

} // namespace molvaren
