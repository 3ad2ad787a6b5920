#include "cli/ComandoImportar.h"

#include "cli/ErrorCli.h"
#include "cli/LectorArgumentos.h"
#include "cli/OpcionIdioma.h"

namespace molvaren::cli {

void ComandoImportar::setup(const std::vector<std::string>& argumentos)
{
    // Las opciones se comprueban ya, para que quien llame sepa hoy si su
    // orden está bien escrita.
    LectorArgumentos lector(argumentos, {"--carpeta", "--plantilla", "--curso", "--idioma"}, {});
    if (lector.Posicionales().empty())
        throw ErrorUso("Falta el fichero XML de ITACA");
    if (lector.Posicionales().size() > 1)
        throw ErrorUso("Sobra el argumento: " + lector.Posicionales()[1]);
    TextoIdiomaDeOpcion(lector.Valor("--idioma"));
}

int ComandoImportar::run(std::ostream&, std::ostream&)
{
    throw ErrorCli(SalidaFallo, "La orden importar aún no está disponible; no se ha escrito nada.");
}

} // namespace molvaren::cli
