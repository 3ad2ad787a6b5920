#pragma once
// Ayudas comunes a las pruebas del documento ITACA.
#include <filesystem>
#include <string>

#include "apoyo/Ficheros.h"

namespace prueba_documento {

namespace fs = std::filesystem;

inline const fs::path kDatos = fs::path(MOLVAREN_DATOS_PRUEBA) / "documento";

using molvaren::pruebas::CarpetaTemporal;
using molvaren::pruebas::EscribirFichero;
using molvaren::pruebas::LeerFichero;

} // namespace prueba_documento
