#include "cli/PrepararConsola.h"

#include <windows.h>

namespace molvaren::cli {

// La consola de Windows escribe en su página OEM si no se le dice otra cosa.
void PrepararConsola()
{
    SetConsoleOutputCP(CP_UTF8);
}

} // namespace molvaren::cli
