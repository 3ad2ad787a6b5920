#pragma once
// Paso entre UTF-8 (XML, consola, ventanas) y Windows-1252 (texto interno y
// tablas dBase), con iconv. Un carácter que Windows-1252 no tiene pasa a "?",
// como hace la conversión de Windows.
#include <string>
#include <string_view>

namespace molvaren {

std::string Utf8ACp1252(std::string_view utf8);
std::string Cp1252AUtf8(std::string_view cp1252);

// Conversión general para el límite XML (codificación declarada del fichero).
// Lanza ErrorMolvaren si la codificación no se conoce.
std::string DeCodificacionACp1252(std::string_view texto, const std::string& codificacion);
std::string DeCp1252ACodificacion(std::string_view cp1252, const std::string& codificacion);

} // namespace molvaren
