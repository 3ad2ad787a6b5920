#pragma once
// Listas de textos de una ejecución: ordenadas, sin repetidos. La exacta
// distingue mayúsculas (ListaCodigos, ListaNombres, ListaClavesITACA); la
// otra las ignora al modo de Windows, para los códigos que deben ser únicos
// sin distinguir mayúsculas (profesores, grupos, aulas).
#include <set>
#include <string>
#include <string_view>

#include "common/TextHelpers.h"

namespace molvaren {

class ListaTextos {
public:
    bool Contiene(std::string_view t) const { return textos_.find(std::string(t)) != textos_.end(); }
    void Anadir(std::string_view t) { textos_.insert(std::string(t)); }
    void Vaciar() { textos_.clear(); }
    size_t Cuenta() const { return textos_.size(); }
    const std::set<std::string>& Textos() const { return textos_; }

private:
    std::set<std::string> textos_;
};

class ListaSinMayusculas {
public:
    bool Contiene(std::string_view t) const { return claves_.count(MayusculasAnsi(t)) != 0; }
    void Anadir(std::string_view t) { claves_.insert(MayusculasAnsi(t)); }
    size_t Cuenta() const { return claves_.size(); }

private:
    std::set<std::string> claves_;
};

} // namespace molvaren
