#include "shell/VentanaAnfitriona.h"

#include <windows.h>

namespace molvaren::ventanas {

bool ExisteVentanaAnfitriona(quintptr ventana)
{
    return IsWindow(reinterpret_cast<HWND>(ventana)) != FALSE;
}

} // namespace molvaren::ventanas
