#include "common/CarpetaTablas.h"

#include <cstdlib>

namespace molvaren {

// Fuera de Windows el anfitrión corre bajo Wine: su C:\KTEMP está dentro del
// prefijo.
std::filesystem::path CarpetaTablasDelSistema()
{
    std::filesystem::path prefijo;
    if (const char* w = std::getenv("WINEPREFIX"); w && *w)
        prefijo = w;
    else if (const char* h = std::getenv("HOME"); h && *h)
        prefijo = std::filesystem::path(h) / ".wine";
    else
        prefijo = ".wine";
    return prefijo / "drive_c" / "KTEMP";
}

} // namespace molvaren
