#include "EjecutarPrograma.h"

#include <cstdlib>
#include <sys/wait.h>

namespace molvaren::pruebas {

int EjecutarPrograma(const std::string& orden)
{
    const int estado = std::system(orden.c_str());
    if (estado == -1 || !WIFEXITED(estado))
        return -1;
    return WEXITSTATUS(estado);
}

void PonerVariable(const std::string& nombre, const std::string& valor)
{
    setenv(nombre.c_str(), valor.c_str(), 1);
}

std::string Citar(const std::string& argumento)
{
    std::string r = "'";
    for (char c : argumento)
        r += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return r + "'";
}

} // namespace molvaren::pruebas
