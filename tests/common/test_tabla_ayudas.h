#pragma once
// Ayudas de las pruebas de tablas: lista de ficheros de una carpeta; la
// carpeta temporal y la lectura de ficheros son las comunes.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "apoyo/Ficheros.h"

namespace molvaren::prueba {

using pruebas::CarpetaTemporal;
using pruebas::EscribirFichero;
using pruebas::LeerFichero;

inline std::vector<std::string> Ficheros(const std::filesystem::path& carpeta)
{
    std::vector<std::string> r;
    for (const auto& e : std::filesystem::directory_iterator(carpeta))
        r.push_back(e.path().filename().string());
    std::sort(r.begin(), r.end());
    return r;
}

} // namespace molvaren::prueba
