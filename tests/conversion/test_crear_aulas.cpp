#include <ostream>
#include <string>
#include <vector>

#include "PruebaPaso.h"
#include "conversion/CrearAulas.h"

namespace molvaren::pruebas {
namespace {

// Los casos se nombran por su nombre en los mensajes y en la lista de ctest.
template <class Caso>
    requires requires(const Caso& c) { c.nombre; }
void PrintTo(const Caso& c, std::ostream* os)
{
    *os << c.nombre;
}

struct Aula {
    std::string codigo;
    std::string nombre;
};

struct CasoAulas {
    const char* nombre;
    std::vector<Aula> aulas;
    Textos abrev;
    Textos abrevItaca;
};

class CrearAulas_ : public PruebaPaso, public ::testing::WithParamInterface<CasoAulas> {};

TEST_P(CrearAulas_, CodigosUnicos)
{
    const CasoAulas& c = GetParam();
    std::string x = "<aulas>";
    for (const Aula& a : c.aulas)
        x += "<aula codigo=\"" + a.codigo + "\" nombre=\"" + a.nombre + "\"/>";
    Documento(Centro(x + "</aulas>"));
    Ejecutar(CrearAulas);
    const Textos abrev = Columna("AULAT", "ABREV");
    EXPECT_EQ(abrev, c.abrev);
    if (!c.abrevItaca.empty()) {
        EXPECT_EQ(Columna("AULAT", "ABREV_ITACA"), c.abrevItaca);
    }
    ListaSinMayusculas vistas;
    for (const auto& a : abrev) {
        EXPECT_LE(a.size(), 10u) << a;
        EXPECT_FALSE(vistas.Contiene(a)) << "repetida: " << a;
        vistas.Anadir(a);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Aulas, CrearAulas_,
    ::testing::Values(
        CasoAulas{"UnaSola", {{"A12", "Aula 12"}}, {}, {}},
        CasoAulas{"DosIguales", {{"A12", "Aula 12"}, {"A12", "Otra"}}, {"A12", "A121"}, {"A12", "A12"}},
        CasoAulas{"SinCodigoPorNombre", {{" ", "Aula 1"}, {"", "Aula 2"}}, {"Aula", "Aula1"}, {"", ""}},
        CasoAulas{"NombreCorto", {{" ", "Gim"}, {"B1", "x"}}, {"Gim", "B1"}, {}},
        CasoAulas{"DoceCaracteres",
                  {{"LABORATORIO1", "Lab 1"}, {"LABORATORIO2", "Lab 2"}},
                  {"LABORATO1", "LABORATO2"},
                  {"LABORATORIO1", "LABORATORIO2"}},
        CasoAulas{"DiezOcupado", {{"ABCDEFGHIJ", "x"}, {"ABCDEFGHIJ", "y"}}, {"ABCDEFGHIJ", "ABCDEFGH1"}, {}},
        CasoAulas{"SinMayusculas", {{"A12", "x"}, {"a12", "y"}}, {"A12", "a121"}, {}},
        CasoAulas{"AcentuadasSinMayusculas", {{"MÚSICA", "x"}, {"música", "y"}}, {"M\xDASICA", "m\xFAsica" "1"}, {}},
        // Once caracteres: ocho y el primer número libre, también la segunda
        // vez (la lista guarda el código acortado, no el de ITACA).
        CasoAulas{"OnceRepetido",
                  {{"ABCDEFGHIJK", "x"}, {"ABCDEFGHIJK", "y"}},
                  {"ABCDEFGH1", "ABCDEFGH2"},
                  {}},
        // Los números de las acortadas no pisan códigos ya dados.
        CasoAulas{"AcortadaConNumeroOcupado",
                  {{"LABORATO1", "x"}, {"LABORATORIO1", "y"}},
                  {"LABORATO1", "LABORATO2"},
                  {}}),
    [](const ::testing::TestParamInfo<CasoAulas>& i) { return std::string(i.param.nombre); });

} // namespace
} // namespace molvaren::pruebas
