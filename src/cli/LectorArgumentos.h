#pragma once
// Lectura de los argumentos de una orden: un fichero y opciones "--nombre
// VALOR", "--nombre=VALOR" o banderas "--nombre".
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace molvaren::cli {

class LectorArgumentos {
public:
    // conValor: opciones que llevan valor; banderas: las que no. Cualquier
    // otra opción, un valor que falte o una opción repetida es error de uso.
    LectorArgumentos(const std::vector<std::string>& argumentos, const std::set<std::string>& conValor,
                     const std::set<std::string>& banderas);

    std::optional<std::string> Valor(const std::string& opcion) const;
    bool Bandera(const std::string& opcion) const;
    const std::vector<std::string>& Posicionales() const { return posicionales_; }

private:
    std::vector<std::pair<std::string, std::string>> valores_;
    std::set<std::string> banderas_;
    std::vector<std::string> posicionales_;
};

} // namespace molvaren::cli
