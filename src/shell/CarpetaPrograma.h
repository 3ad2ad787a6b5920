#pragma once
// Carpeta del ejecutable, donde están la ayuda ITACA.chm y la bandera
// Horavex.ini. Para las pruebas, MOLVAREN_CARPETA_PROGRAMA la sustituye.
#include <QString>

namespace molvaren::ventanas {

QString CarpetaPrograma();

} // namespace molvaren::ventanas
