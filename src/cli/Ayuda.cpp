#include "cli/Ayuda.h"

namespace molvaren::cli {

namespace {

const char* const Estados =
    "Estado de salida:\n"
    "  0  la orden terminó bien\n"
    "  1  la ejecución falló; las tablas de la carpeta quedan como estaban\n"
    "  2  la orden o sus opciones están mal escritas\n";

} // namespace

std::string AyudaGeneral()
{
    return std::string(
               "Uso: molvaren-cli ORDEN FICHERO.xml [OPCIONES]\n"
               "\n"
               "Pasa los datos de horarios entre ITACA (documento XML) y Horavex (tablas de\n"
               "trabajo dBase) sin abrir ninguna ventana.\n"
               "\n"
               "Órdenes:\n"
               "  exportar   de ITACA a Horavex: rehace las tablas de trabajo desde FICHERO.xml\n"
               "  importar   de Horavex a ITACA (aún no disponible)\n"
               "\n"
               "Ayuda de cada orden: molvaren-cli ORDEN --help\n"
               "\n") +
           Estados;
}

std::string AyudaExportar()
{
    return std::string(
               "Uso: molvaren-cli exportar FICHERO.xml [--carpeta DIR] [--plantilla COD]\n"
               "                           [--idioma valencia|castellano] [--todas-plantillas]\n"
               "                           [--dejar-sin-clases]\n"
               "\n"
               "Convierte el documento de ITACA en las tablas de trabajo de Horavex (PROFT,\n"
               "CURSOST, GRUPOST, ASIGNOMT, AULAT, ASIGT y DIASHORAST). Las tablas se\n"
               "escriben todas al final o ninguna: si algo falla, quedan como estaban.\n"
               "\n"
               "Opciones:\n"
               "  --carpeta DIR        carpeta de las tablas de trabajo. Por omisión, la de la\n"
               "                       variable MOLVAREN_KTEMP si está definida; si no,\n"
               "                       C:\\KTEMP en Windows y $WINEPREFIX/drive_c/KTEMP\n"
               "                       (~/.wine/drive_c/KTEMP) en los demás sistemas.\n"
               "                       La carpeta debe existir.\n"
               "  --plantilla COD      código de la plantilla horaria. Por omisión, la primera\n"
               "                       del documento. Un código que el documento no tiene se\n"
               "                       rechaza sin tocar las tablas.\n"
               "  --idioma IDIOMA      idioma de los nombres y de los días: valencia (por\n"
               "                       omisión) o castellano.\n"
               "  --todas-plantillas   a la pregunta de si hay datos de varias plantillas,\n"
               "                       contesta Sí (cargar todas). Por omisión, No: sólo la\n"
               "                       plantilla elegida.\n"
               "  --dejar-sin-clases   a la pregunta de si se quitan los grupos y profesores\n"
               "                       sin clases, contesta No. Por omisión, Sí: se quitan.\n"
               "  --help               muestra esta ayuda.\n"
               "\n"
               "Al terminar dice el fichero, la plantilla, las respuestas dadas y las filas\n"
               "escritas en cada tabla.\n"
               "\n") +
           Estados;
}

std::string AyudaImportar()
{
    return std::string(
               "Uso: molvaren-cli importar FICHERO.xml [--carpeta DIR] [--plantilla COD]\n"
               "                           [--curso AÑO] [--idioma valencia|castellano]\n"
               "\n"
               "Escribirá, junto a FICHERO.xml, el horario que Horavex dejó en SOLUC como un\n"
               "documento nuevo de ITACA. Esta orden aún no está disponible: comprueba las\n"
               "opciones y termina con el estado 1 sin escribir nada.\n"
               "\n") +
           Estados;
}

} // namespace molvaren::cli
