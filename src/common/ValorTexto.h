#pragma once
// Paso entre el texto y los valores de las celdas de una tabla, y texto de
// los valores para los mensajes de error.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace molvaren {

// Decimal más corto que vuelve al mismo valor, sin exponente: "4" para 4.0.
std::string TextoDeReal(double valor);
// Marca de tiempo de BDE (milisegundos desde el 1-1-0001, contando ese día
// como 1) como "AAAA-MM-DD hh:mm:ss", con ".mmm" si hay milisegundos.
std::string TextoDeMarcaTiempo(double milisegundos);
std::optional<double> MarcaTiempoDeTexto(std::string_view texto);

// Sin blancos alrededor; nullopt si no es un número completo.
std::optional<int64_t> EnteroDeTexto(std::string_view texto);
std::optional<double> RealDeTexto(std::string_view texto);
// T/Y/S (verdadero) o F/N (falso), en mayúscula o minúscula.
std::optional<bool> LogicoDeTexto(std::string_view texto);

// Texto Windows-1252 pasado a UTF-8 para un mensaje.
std::string TextoParaMensaje(std::string_view cp1252);

} // namespace molvaren
