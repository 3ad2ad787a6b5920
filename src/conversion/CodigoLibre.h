#pragma once
// Primer código libre de la forma base + 1, 2, 3... en una lista de códigos
// ya dados (exacta o sin mayúsculas).
#include <cstddef>
#include <string>
#include <unordered_map>

#include "common/TextHelpers.h"

namespace molvaren {

// Por base, el último número dado. La lista sólo crece durante un paso, así
// que los números que ya se vieron ocupados lo siguen estando y no hace falta
// volver a probarlos: con cientos de códigos de la misma base se nota.
using MemoriaCodigos = std::unordered_map<std::string, long long>;

// anchoMaximo: si se da, la base se acorta lo justo para que el número quepa
// y el código siga siendo único en la tabla (con hasta 99 basta la base de 8).
template <class Lista>
std::string CodigoLibre(const std::string& base, const Lista& dados, std::size_t anchoMaximo = std::string::npos,
                        MemoriaCodigos* memoria = nullptr)
{
    std::string clave;
    long long desde = 1;
    if (memoria) {
        clave = base + '\0' + std::to_string(anchoMaximo);
        if (auto it = memoria->find(clave); it != memoria->end())
            desde = it->second;
    }
    for (long long n = desde;; ++n) {
        const std::string numero = std::to_string(n);
        std::string raiz = base;
        if (anchoMaximo != std::string::npos && raiz.size() + numero.size() > anchoMaximo)
            raiz = LeftPart(raiz, static_cast<int>(anchoMaximo > numero.size() ? anchoMaximo - numero.size() : 0));
        std::string candidato = raiz + numero;
        if (!dados.Contiene(candidato)) {
            if (memoria)
                (*memoria)[clave] = n;
            return candidato;
        }
    }
}

} // namespace molvaren
