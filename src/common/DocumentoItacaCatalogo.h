#pragma once
// Rutas del documento ITACA que lee el programa y, de cada una, los atributos
// que se guardan al cargar. Lo que no está aquí no se lee nunca.
#include <array>
#include <cstddef>
#include <string_view>

namespace molvaren {

struct RutaCatalogo {
    std::string_view ruta;        // "/centro/docentes/docente"
    std::string_view seccion;     // "docentes" (vacía en la raíz)
    std::string_view elemento;    // "docente" ("centro" en la raíz)
    std::array<std::string_view, 8> atributos;   // los vacíos del final no cuentan
    size_t numAtributos;

    // Posición del atributo en `atributos`, o numAtributos si no se guarda.
    size_t PosicionAtributo(std::string_view nombre) const;
    size_t PosicionAtributo(const char* nombre) const;   // la lectura, sin medir la cadena
};

constexpr size_t kNumRutasCatalogo = 13;
constexpr size_t kRutaRaiz = 0;

const std::array<RutaCatalogo, kNumRutasCatalogo>& CatalogoItaca();

// Índice de la ruta en el catálogo, o kNumRutasCatalogo si no está.
size_t BuscarRutaCatalogo(std::string_view ruta);

} // namespace molvaren
