#include "conversion/CrearDiasHoras.h"

#include <optional>
#include <string>

#include "common/Codificacion.h"
#include "common/ErrorMolvaren.h"
#include "common/EstadoPrograma.h"

namespace molvaren {

namespace {

const char* const DiasCastellano[] = {"Lunes", "Martes", "Mi\xE9rcoles", "Jueves", "Viernes", "S\xE1" "bado", "Domingo"};
const char* const DiasValenciano[] = {"Dilluns", "Dimarts", "Dimecres", "Dijous", "Divendres", "Dissabte", "Diumenge"};

// Caracteres desde la posición (desde 1), los que haya: una línea corta da
// menos, nunca se lee fuera de ella.
std::string Trozo(const std::string& linea, size_t posicion, size_t cuantos)
{
    if (posicion - 1 >= linea.size())
        return std::string();
    return linea.substr(posicion - 1, cuantos);
}

// Como StrToInt: blancos delante, signo opcional y cifras decimales; nada más.
std::optional<int> Entero(const std::string& texto)
{
    size_t i = 0;
    while (i < texto.size() && texto[i] == ' ')
        ++i;
    bool negativo = false;
    if (i < texto.size() && (texto[i] == '+' || texto[i] == '-')) {
        negativo = texto[i] == '-';
        ++i;
    }
    if (i == texto.size())
        return std::nullopt;
    int valor = 0;
    for (; i < texto.size(); ++i) {
        if (texto[i] < '0' || texto[i] > '9')
            return std::nullopt;
        valor = valor * 10 + (texto[i] - '0');
    }
    return negativo ? -valor : valor;
}

int LeerEntero(const std::string& linea, size_t posicion)
{
    const std::string texto = Trozo(linea, posicion, 2);
    if (auto valor = Entero(texto))
        return *valor;
    throw ErrorMolvaren("'" + Cp1252AUtf8(texto) + "' no es un valor entero válido");
}

} // namespace

void CrearDiasHoras(ContextoConversion& ctx)
{
    const EstadoPrograma& estado = ctx.estado;
    Tabla& diashorast = ctx.tablas.Recrear("DIASHORAST");
    const char* const* dias = estado.TextoIdioma == TextoCastellano ? DiasCastellano : DiasValenciano;

    int p = 0;
    for (const std::string& linea : estado.ListBoxPlanti) {
        ++p;
        for (int d = 1; d <= 7; ++d) {
            const int desde = LeerEntero(linea, 7) * 60 + LeerEntero(linea, 10);
            const int hasta = LeerEntero(linea, 15) * 60 + LeerEntero(linea, 18);
            const int orden = LeerEntero(linea, 1);
            const std::string horaDesde = Trozo(linea, 7, 5);
            const std::string horaHasta = Trozo(linea, 15, 5);

            diashorast.Anadir();
            diashorast.PonerTexto("DIHO", std::to_string(d) + std::to_string(p));
            diashorast.PonerTexto("DIA", std::to_string(d));
            diashorast.PonerTexto("TEXTODIA", dias[d - 1]);
            diashorast.PonerTexto("HORA", std::to_string(p));
            diashorast.PonerTexto("TEXTOHOR", std::to_string(orden) + "-" + horaDesde + "-" + horaHasta);
            diashorast.PonerTexto("HORADESDE", horaDesde);
            diashorast.PonerTexto("HORAHASTA", horaHasta);
            diashorast.PonerTexto("MINUTOS", std::to_string(hasta - desde));
            diashorast.PonerTexto("MARCO", "0");
            diashorast.PonerTexto("MARCOXML", estado.PlantillaElegida);
            diashorast.PonerEntero("SESION_ORDEN", orden);
            diashorast.Grabar();
        }
    }
}

} // namespace molvaren
