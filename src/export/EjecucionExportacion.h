#pragma once
// La ejecución de BImportar (horario de Horavex hacia ITACA). De momento sólo
// su principio: aviso, elección del fichero y rechazo si falta el XML o la
// solución SOLUC. La exportación en sí aún no existe en esta versión.
#include "common/EstadoPrograma.h"
#include "common/Interaccion.h"
#include "conversion/EjecucionConversion.h"

namespace molvaren {

// Mensajes (UTF-8).
inline const char* const AvisoExportacion =
    "Deberá Abrir el fichero XML de ITACA,\ndesde el cual realizó la Importación a Horavex";
inline const char* const FaltaXmlOSolucion = "No existe archivo XML o Solución.";
inline const char* const ExportacionNoDisponible =
    "La exportación del horario a ITACA todavía no está disponible en esta versión de Molvaren. "
    "No se ha cambiado nada.";

// Rechazada tanto si falta un fichero como si todo está pero la exportación
// no está disponible; en este último caso el estado queda como estaba, salvo
// FicheroXML.
FinEjecucion EjecutarExportacion(EstadoPrograma& estado, Interaccion& ui);

} // namespace molvaren
