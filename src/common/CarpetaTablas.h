#pragma once
// Carpeta de tablas propia del sistema, cuando MOLVAREN_KTEMP no manda.
#include <filesystem>

namespace molvaren {

std::filesystem::path CarpetaTablasDelSistema();

} // namespace molvaren
