#pragma once
// Interior de Tabla, compartido sólo por Tabla.cpp y FicheroDbf.cpp (el
// lector y el escritor llenan y recorren las filas sin pasar por la fila
// actual ni por la edición).
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

#include "common/Tabla.h"

namespace molvaren {

// Valor de una celda. monostate: nunca puesto. Cada tipo de campo usa una
// sola alternativa: texto (C, N, F, D, M y los desconocidos), entero (I, +),
// real (O; @ en milisegundos al modo de BDE), lógico (L).
using ValorCelda = std::variant<std::monostate, std::string, int64_t, double, bool>;

struct FilaTabla {
    std::vector<ValorCelda> celdas;
    bool borrada = false;
};

// Índice de búsqueda para una combinación de campos: clave -> filas que la
// tienen, en orden de tabla y sin las borradas.
struct IndiceTabla {
    std::vector<size_t> campos;
    std::unordered_map<std::string, std::vector<size_t>> filas;
};

struct Tabla::Datos {
    std::string nombre;
    Disposicion campos;
    // Letra de tipo tal como venía en el fichero: para reescribir sin perder
    // los tipos que el programa no maneja.
    std::vector<char> tiposNativos;
    std::unordered_map<std::string, size_t> posicionCampo;   // nombre en mayúsculas

    std::vector<FilaTabla> filas;   // incluye las borradas sin empaquetar
    size_t vivas = 0;
    static constexpr size_t kSinFila = static_cast<size_t>(-1);
    size_t actual = kSinFila;

    enum class Modo { Consulta, Alta, Edicion };
    Modo modo = Modo::Consulta;
    FilaTabla edicion;

    bool modificada = false;
    std::map<std::string, IndiceTabla> indices;   // por lista de campos normalizada
    int64_t siguienteAutoincremento = 1;

    void PrepararCampos();
    // Añade una fila ya leída de un fichero (sin tocar índices ni el estado).
    void AnadirFilaLeida(FilaTabla fila);
};

} // namespace molvaren
