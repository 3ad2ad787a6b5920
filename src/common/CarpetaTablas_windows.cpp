#include "common/CarpetaTablas.h"

namespace molvaren {

std::filesystem::path CarpetaTablasDelSistema() { return std::filesystem::path(L"C:\\KTEMP"); }

} // namespace molvaren
