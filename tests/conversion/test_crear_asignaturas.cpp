#include <ostream>
#include <string>
#include <vector>

#include "PruebaPaso.h"
#include "conversion/CrearAsignaturas.h"
#include "conversion/CrearCursosGrupos.h"
#include "conversion/CrearProfesores.h"

namespace molvaren::pruebas {
namespace {

// Los casos se nombran por su nombre en los mensajes y en la lista de ctest.
template <class Caso>
    requires requires(const Caso& c) { c.nombre; }
void PrintTo(const Caso& c, std::ostream* os)
{
    *os << c.nombre;
}

// Cursos 10 y 11 de ESO (primero y segundo), 20 de Bachillerato.
const std::string Cursos =
    "<ensenanzas><ensenanza ensenanza=\"3\" abreviatura=\"ESO\"/><ensenanza ensenanza=\"5\" abreviatura=\"BACH\"/>"
    "</ensenanzas><cursos>"
    "<curso codigo=\"10\" abreviatura=\"1ESO\" padre=\" \" ensenanza=\"3\"/>"
    "<curso codigo=\"11\" abreviatura=\"2ESO\" padre=\" \" ensenanza=\"3\"/>"
    "<curso codigo=\"20\" abreviatura=\"1BACH\" padre=\" \" ensenanza=\"5\"/></cursos>";

std::string Contenido(const std::string& codigo, const std::string& curso, const std::string& val,
                      const std::string& cas = "Castellano")
{
    return "<contenido codigo=\"" + codigo + "\" curso=\"" + curso + "\" nombre_val=\"" + val + "\" nombre_cas=\"" +
           cas + "\"/>";
}

class CrearAsignaturas_ : public PruebaPaso {
protected:
    void Convertir(const std::string& contenidos)
    {
        Documento(Centro(Cursos + "<contenidos>" + contenidos + "</contenidos>"));
        Ejecutar(CrearProfesores);
        Ejecutar(CrearCursosGrupos);
        Ejecutar(CrearAsignaturas);
    }
};

TEST_F(CrearAsignaturas_, UnSoloContenidoNoEscribeNadaNiLlenaListas)
{
    Convertir(Contenido("M1", "10", "Matemàtiques"));
    EXPECT_TRUE(Columna("ASIGNOMT", "COD").empty());
    EXPECT_EQ(estado.ListaCodigos.Cuenta() + estado.ListaNombres.Cuenta() + estado.ListaClavesITACA.Cuenta(), 0u);
}

TEST_F(CrearAsignaturas_, FilaPorCodigoConNivelYCursoSiCoinciden)
{
    Convertir(Contenido("M1", "10", "Matemàtiques") + Contenido("M1", "11", "Matemàtiques II") +
              Contenido("H1", "10", "Història") + Contenido("H1", "20", "Història") +
              Contenido("F1", "99", "Física") + Contenido("F1", "10", "Física") +
              Contenido("E1", "10", "Economia") + Contenido("E1", "10", "Economia"));
    EXPECT_EQ(Columna("ASIGNOMT", "COD"), (Textos{"M1", "H1", "F1", "E1"}));
    EXPECT_EQ(Columna("ASIGNOMT", "ABREV_ITACA"), (Textos{"M1", "H1", "F1", "E1"}));
    // Mismo nivel y distinto curso; niveles distintos; curso desconocido
    // (vacío para siempre); todo igual.
    EXPECT_EQ(Columna("ASIGNOMT", "DENIVEL"), (Textos{"ESO", "", "", "ESO"}));
    EXPECT_EQ(Columna("ASIGNOMT", "DECURSO"), (Textos{"", "1", "", "1"}));
    // El nombre de la primera aparición; la segunda sólo llega a la lista.
    EXPECT_EQ(Columna("ASIGNOMT", "NOMBRE")[0], "Matem\xE0tiques");
    EXPECT_TRUE(estado.ListaNombres.Contiene("Matem\xE0tiques II"));
    EXPECT_EQ(estado.ListaNombres.Cuenta(), 5u);
    EXPECT_EQ(Columna("ASIGNOMT", "CODTAREA"), (Textos{"", "", "", ""}));
    Tabla& t = tablas->Abrir("ASIGNOMT");
    t.Primero();
    EXPECT_EQ(t.LeerLogico("ESTAREA"), std::optional<bool>(false));
}

struct CasoIdioma {
    const char* nombre;
    std::string textoIdioma;
    std::string esperado;
};

class IdiomaDeNombres : public CrearAsignaturas_, public ::testing::WithParamInterface<CasoIdioma> {};

TEST_P(IdiomaDeNombres, TextoExactoDelCombo)
{
    estado.TextoIdioma = GetParam().textoIdioma;
    Convertir(Contenido("A", "10", "Valencià", "Castellano") + Contenido("B", "10", "x", "y"));
    EXPECT_EQ(Columna("ASIGNOMT", "NOMBRE")[0], GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Asignaturas, IdiomaDeNombres,
    ::testing::Values(CasoIdioma{"Valenciano", TextoValenciano, "Valenci\xE0"},
                      CasoIdioma{"Castellano", TextoCastellano, "Castellano"},
                      CasoIdioma{"EscritoAMano", "valenci\xE1", "Castellano"}),
    [](const ::testing::TestParamInfo<CasoIdioma>& i) { return std::string(i.param.nombre); });

struct CasoFormaCorta {
    const char* nombre;
    std::string nombreUtf8;
    std::string corta;
};

class FormaCorta : public CrearAsignaturas_, public ::testing::WithParamInterface<CasoFormaCorta> {};

TEST_P(FormaCorta, Codlargo)
{
    Convertir(Contenido("A", "10", GetParam().nombreUtf8) + Contenido("B", "10", "x"));
    EXPECT_EQ(Columna("ASIGNOMT", "CODLARGO")[0], GetParam().corta);
}

INSTANTIATE_TEST_SUITE_P(
    Asignaturas, FormaCorta,
    ::testing::Values(CasoFormaCorta{"OnceLetras", "abcdefghijk", "ABCDEFGHIJ"},
                      CasoFormaCorta{"Corto", "Física", "F\xEDSICA"},
                      CasoFormaCorta{"DoceConIniciales", "Llengua Valenciana i Literatura", "LVL"},
                      CasoFormaCorta{"AcentuadaMinusculaQueda", "àlgebra", "\xE0LGEBRA"},
                      CasoFormaCorta{"Vacio", "", ""}),
    [](const ::testing::TestParamInfo<CasoFormaCorta>& i) { return std::string(i.param.nombre); });

TEST_F(CrearAsignaturas_, CodigoLargoSeAcorta)
{
    Convertir(Contenido("ABCDEFGHIJKL", "10", "Uno") + Contenido("ABCDEFGHIJKL", "11", "Uno"));
    EXPECT_EQ(Columna("ASIGNOMT", "COD"), (Textos{"ABCDEFGHKL"}));
    EXPECT_EQ(Columna("ASIGNOMT", "ABREV_ITACA"), (Textos{"ABCDEFGHIJKL"}));
    EXPECT_EQ(Columna("ASIGNOMT", "DECURSO"), (Textos{""}));
}

TEST_F(CrearAsignaturas_, CodigoDeMasDeVeinteNoSeEncuentraDespues)
{
    const std::string largo = "ABCDEFGHIJKLMNOPQRSTUVW";
    Convertir(Contenido(largo, "10", "Uno") + Contenido(largo, "11", "Uno"));
    EXPECT_EQ(Columna("ASIGNOMT", "COD"), (Textos{"ABCDEFGHVW"}));
    EXPECT_EQ(Columna("ASIGNOMT", "DECURSO"), (Textos{"1"}));
}

// Claves distintas que se acortan igual: ninguna asignatura se pierde y
// cada una tiene su código.
TEST_F(CrearAsignaturas_, CodigoAcortadoOcupadoRecibeOtroLibre)
{
    Convertir(Contenido("ABCDEFGHxxKL", "10", "Uno") + Contenido("ABCDEFGHKL", "10", "Dos") +
              Contenido("ABCDEFGHyyKL", "10", "Tres") + Contenido("ABCDEFGHyyKL", "11", "Tres") +
              Contenido("ABCDEFGH1", "10", "Cuatro"));
    const Textos cod = Columna("ASIGNOMT", "COD");
    EXPECT_EQ(cod, (Textos{"ABCDEFGHKL", "ABCDEFGH1", "ABCDEFGH2", "ABCDEFGH3"}));
    EXPECT_EQ(Columna("ASIGNOMT", "ABREV_ITACA"),
              (Textos{"ABCDEFGHxxKL", "ABCDEFGHKL", "ABCDEFGHyyKL", "ABCDEFGH1"}));
    // La segunda aparición encuentra su propia fila.
    EXPECT_EQ(Columna("ASIGNOMT", "DECURSO"), (Textos{"1", "1", "", "1"}));
    for (const auto& c : cod)
        EXPECT_TRUE(estado.ListaCodigos.Contiene(c)) << c;
    EXPECT_TRUE(estado.ListaClavesITACA.Contiene("ABCDEFGHyyKL"));
}

} // namespace
} // namespace molvaren::pruebas
