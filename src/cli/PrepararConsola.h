#pragma once
// Deja la consola lista para escribir UTF-8 (en Windows hay que pedirlo).

namespace molvaren::cli {

void PrepararConsola();

} // namespace molvaren::cli
