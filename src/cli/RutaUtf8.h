#pragma once
// Una ruta como texto UTF-8 para los mensajes.
#include <filesystem>
#include <string>

namespace molvaren::cli {

inline std::string RutaUtf8(const std::filesystem::path& ruta)
{
    const std::u8string u8 = ruta.u8string();
    return std::string(u8.begin(), u8.end());
}

inline std::filesystem::path RutaDesdeArgumento(const std::string& argumento)
{
    // El argumento llega en la codificación de rutas del sistema (UTF-8, o
    // la página ANSI en Windows), la misma con que path lo interpreta.
    return std::filesystem::path(argumento);
}

} // namespace molvaren::cli
