#pragma once
// Texto de un argumento de la línea de órdenes en Windows-1252, la
// codificación de los datos del documento.
#include <string>

namespace molvaren::cli {

std::string ArgumentoACp1252(const std::string& argumento);

} // namespace molvaren::cli
