#pragma once
// Única familia de errores del núcleo. El texto va en español y en UTF-8,
// listo para mostrarlo al usuario; los datos que lleva dentro (códigos,
// nombres) ya se han pasado de Windows-1252 a UTF-8 al construirlo.
#include <stdexcept>
#include <string>

namespace molvaren {

class ErrorMolvaren : public std::runtime_error {
public:
    explicit ErrorMolvaren(const std::string& mensajeUtf8) : std::runtime_error(mensajeUtf8) {}
};

} // namespace molvaren
