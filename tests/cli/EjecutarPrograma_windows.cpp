#include "EjecutarPrograma.h"

#include <cstdlib>

namespace molvaren::pruebas {

int EjecutarPrograma(const std::string& orden)
{
    // cmd.exe necesita comillas alrededor de toda la línea.
    return std::system(("\"" + orden + "\"").c_str());
}

void PonerVariable(const std::string& nombre, const std::string& valor)
{
    _putenv_s(nombre.c_str(), valor.c_str());
}

std::string Citar(const std::string& argumento)
{
    return "\"" + argumento + "\"";
}

} // namespace molvaren::pruebas
