#pragma once
// Primer código libre de la forma base + 1, 2, 3... en una lista de códigos
// ya dados (exacta o sin mayúsculas).
#include <cstddef>
#include <string>

#include "common/TextHelpers.h"

namespace molvaren {

// anchoMaximo: si se da, la base se acorta lo justo para que el número quepa
// y el código siga siendo único en la tabla (con hasta 99 basta la base de 8).
template <class Lista>
std::string CodigoLibre(const std::string& base, const Lista& dados, std::size_t anchoMaximo = std::string::npos)
{
    for (long long n = 1;; ++n) {
        const std::string numero = std::to_string(n);
        std::string raiz = base;
        if (anchoMaximo != std::string::npos && raiz.size() + numero.size() > anchoMaximo)
            raiz = LeftPart(raiz, static_cast<int>(anchoMaximo > numero.size() ? anchoMaximo - numero.size() : 0));
        std::string candidato = raiz + numero;
        if (!dados.Contiene(candidato))
            return candidato;
    }
}

} // namespace molvaren
