#pragma once
// ¿Sigue existiendo la ventana de Horavex que nos contiene? Si el anfitrión
// desaparece sin cerrarnos, el programa debe terminar.
#include <QtGlobal>

namespace molvaren::ventanas {

// Sin forma de saberlo (plataforma sin ventanas nativas) responde que sí.
bool ExisteVentanaAnfitriona(quintptr ventana);

} // namespace molvaren::ventanas
