#pragma once
// La única familia de errores del programa de línea de órdenes: cada error
// lleva su estado de salida fijo y un mensaje en español (UTF-8).
#include <stdexcept>
#include <string>

namespace molvaren::cli {

// Estados de salida fijos; otras herramientas cuentan con ellos.
inline constexpr int SalidaBien = 0;
inline constexpr int SalidaFallo = 1;   // la ejecución falló; tablas intactas
inline constexpr int SalidaUso = 2;     // órdenes u opciones mal escritas

class ErrorCli : public std::runtime_error {
public:
    ErrorCli(int salida, const std::string& mensajeUtf8) : std::runtime_error(mensajeUtf8), salida_(salida) {}
    int Salida() const { return salida_; }

private:
    int salida_;
};

inline ErrorCli ErrorUso(const std::string& mensajeUtf8)
{
    return ErrorCli(SalidaUso, mensajeUtf8);
}

} // namespace molvaren::cli
