#pragma once
// Ejecuta una orden del sistema y devuelve su estado de salida.
#include <string>

namespace molvaren::pruebas {

// orden: línea para el intérprete del sistema, con sus redirecciones.
int EjecutarPrograma(const std::string& orden);

// Pone una variable de entorno para los programas que se ejecuten después.
void PonerVariable(const std::string& nombre, const std::string& valor);

// Comillas para un argumento de la línea de órdenes.
std::string Citar(const std::string& argumento);

} // namespace molvaren::pruebas
