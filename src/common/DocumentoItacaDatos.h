#pragma once
// Interior de DocumentoItaca y ElementoItaca: lo comparten la carga y el
// guardado, y nadie más.
#include "common/DocumentoItaca.h"
#include "common/DocumentoItacaCatalogo.h"
#include "common/DocumentoItacaValores.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace molvaren {

// Elementos de una ruta del catálogo: por cada elemento, una casilla por
// atributo catalogado con el id del valor más uno (0 = el atributo falta).
// Las casillas van en bloques fijos: crecer no copia ni duplica memoria.
struct ElementoItaca::Datos {
    static constexpr size_t kBitsBloque = 14;
    static constexpr size_t kCasillasBloque = size_t{1} << kBitsBloque;

    const RutaCatalogo* ruta = nullptr;
    const DocumentoItacaValores* valores = nullptr;
    std::vector<std::unique_ptr<uint32_t[]>> bloques;
    size_t numCasillas = 0;
    uint32_t numElementos = 0;

    // Añade un elemento con todas sus casillas vacías; devuelve la primera.
    size_t NuevoElemento();
    uint32_t& Casilla(size_t i) { return bloques[i >> kBitsBloque][i & (kCasillasBloque - 1)]; }
    uint32_t Casilla(size_t i) const { return bloques[i >> kBitsBloque][i & (kCasillasBloque - 1)]; }
};

// Comentario o instrucción de procesamiento fuera de la raíz, en UTF-8 tal
// como venía: se vuelve a escribir igual al exportar.
struct ParteExternaItaca {
    enum class Tipo { Comentario, Instruccion };
    Tipo tipo = Tipo::Comentario;
    std::string objetivo;   // sólo instrucciones
    std::string texto;
};

struct DocumentoItaca::Datos {
    std::filesystem::path fichero;

    bool tieneDeclaracion = false;
    std::string version;          // de la declaración
    std::string codificacion;     // declarada; vacía si no declaraba ninguna
    int independiente = -1;       // standalone: -1 sin indicar, 0 no, 1 sí

    std::vector<ParteExternaItaca> antesDeRaiz;
    std::vector<ParteExternaItaca> despuesDeRaiz;

    DocumentoItacaValores valores;
    std::array<ElementoItaca::Datos, kNumRutasCatalogo> rutas;

    Datos();
};

} // namespace molvaren
