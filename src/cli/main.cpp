// molvaren-cli: la conversión entre ITACA y Horavex sin ventana.
#include <exception>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/Ayuda.h"
#include "cli/ComandoExportar.h"
#include "cli/ComandoImportar.h"
#include "cli/ErrorCli.h"
#include "cli/PrepararConsola.h"

using namespace molvaren::cli;

namespace {

bool PideAyuda(const std::string& a)
{
    return a == "--help" || a == "-h";
}

int Principal(const std::vector<std::string>& argumentos)
{
    if (argumentos.empty())
        throw ErrorUso("Falta la orden (exportar o importar)");
    const std::string& orden = argumentos[0];
    if (PideAyuda(orden) || orden == "ayuda") {
        std::cout << AyudaGeneral();
        return SalidaBien;
    }

    std::unique_ptr<Comando> comando;
    std::string ayuda;
    if (orden == "exportar") {
        comando = std::make_unique<ComandoExportar>();
        ayuda = AyudaExportar();
    } else if (orden == "importar") {
        comando = std::make_unique<ComandoImportar>();
        ayuda = AyudaImportar();
    } else {
        throw ErrorUso("Orden desconocida: " + orden);
    }

    const std::vector<std::string> resto(argumentos.begin() + 1, argumentos.end());
    for (const std::string& a : resto)
        if (a == "--")
            break;
        else if (PideAyuda(a)) {
            std::cout << ayuda;
            return SalidaBien;
        }
    comando->setup(resto);
    return comando->run(std::cout, std::cerr);
}

} // namespace

int main(int argc, char** argv)
{
    PrepararConsola();
    try {
        return Principal(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const ErrorCli& e) {
        std::cerr << "molvaren-cli: " << e.what() << "\n";
        if (e.Salida() == SalidaUso)
            std::cerr << "Vea 'molvaren-cli --help'.\n";
        return e.Salida();
    } catch (const std::exception& e) {
        std::cerr << "molvaren-cli: error inesperado: " << e.what() << "\n";
        return SalidaFallo;
    }
}
