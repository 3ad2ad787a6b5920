#pragma once
// Almacén de los valores de atributo de un documento ITACA. Cada valor
// distinto se guarda una sola vez (los códigos de plantilla, grupo o docente
// se repiten en miles de sesiones) y se pasa a Windows-1252 una sola vez.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace molvaren {

class DocumentoItacaValores {
public:
    DocumentoItacaValores();

    // Identificador del valor (texto UTF-8 tal como lo da libxml2).
    uint32_t Guardar(std::string_view utf8);

    // El valor ya en Windows-1252.
    std::string_view Valor(uint32_t id) const;

    size_t Cantidad() const { return entradas_.size(); }
    size_t MemoriaAproximada() const;

private:
    struct Entrada {
        uint32_t inicioUtf8, largoUtf8;
        uint32_t inicioCp, largoCp;
    };
    // El resumen va en el hueco: casi todas las comparaciones fallidas se
    // deciden sin ir a buscar la entrada.
    struct Hueco {
        uint32_t resumen;
        uint32_t id;   // id + 1; 0 es hueco libre
    };

    uint32_t Anotar(std::string_view texto);
    void Agrandar();

    std::string arena_;
    std::vector<Entrada> entradas_;
    std::vector<Hueco> huecos_;
};

} // namespace molvaren
