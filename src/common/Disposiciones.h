#pragma once
// Campos de las tablas de trabajo: el único sitio donde están.
#include <string>
#include <vector>

namespace molvaren {

enum class TipoCampo : char {
    Caracter = 'C',
    Logico = 'L',
    Entero = 'I',      // 32 bits con signo
    Flotante = 'O',    // doble precisión (nivel 7)
    Numerico = 'N',    // texto numérico (niveles antiguos)
    FlotanteF = 'F',   // texto numérico (niveles antiguos)
    Fecha = 'D',
    Autoincremento = '+',
    MarcaTiempo = '@',
    Memo = 'M',
    Otro = '?'
};

struct DefCampo {
    std::string nombre;
    TipoCampo tipo;
    int ancho = 0;      // caracteres; para I, O, L, @ y + el que fija el formato
    int decimales = 0;
};

using Disposicion = std::vector<DefCampo>;

// Nombres de las tablas de trabajo que crea la conversión, en mayúsculas.
inline constexpr const char* TablasDeTrabajo[] = {
    "ASIGNOMT", "PROFT", "AULAT", "CURSOST", "GRUPOST", "ASIGT", "DIASHORAST"};

// Campos de una tabla de trabajo por su nombre ("PROFT"...). Lanza
// ErrorMolvaren si el nombre no es de una tabla de trabajo.
const Disposicion& DisposicionDe(const std::string& tabla);

} // namespace molvaren
