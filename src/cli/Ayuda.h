#pragma once
// Textos de ayuda del programa de línea de órdenes (UTF-8).
#include <string>

namespace molvaren::cli {

std::string AyudaGeneral();
std::string AyudaExportar();
std::string AyudaImportar();

} // namespace molvaren::cli
