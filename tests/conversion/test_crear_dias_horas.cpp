#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "PruebaPaso.h"
#include "common/ErrorMolvaren.h"
#include "conversion/CrearDiasHoras.h"

namespace molvaren::pruebas {
namespace {

// Los casos se nombran por su nombre en los mensajes y en la lista de ctest.
template <class Caso>
    requires requires(const Caso& c) { c.nombre; }
void PrintTo(const Caso& c, std::ostream* os)
{
    *os << c.nombre;
}

class CrearDiasHoras_ : public PruebaPaso {
protected:
    void Rejilla(std::vector<std::string> lineas, std::string idioma = TextoValenciano, std::string plantilla = "M")
    {
        estado.ListBoxPlanti = std::move(lineas);
        estado.TextoIdioma = std::move(idioma);
        estado.PlantillaElegida = std::move(plantilla);
        Ejecutar(CrearDiasHoras);
    }

    std::vector<std::optional<int64_t>> Ordenes()
    {
        Tabla& t = tablas->Abrir("DIASHORAST");
        std::vector<std::optional<int64_t>> v;
        for (t.Primero(); !t.Fin(); t.Siguiente())
            v.push_back(t.LeerEntero("SESION_ORDEN"));
        return v;
    }
};

TEST_F(CrearDiasHoras_, SinLineasTablaVacia)
{
    Rejilla({});
    EXPECT_TRUE(tablas->Abrir("DIASHORAST").NumFilas() == 0);
}

TEST_F(CrearDiasHoras_, UnaLineaEnValenciano)
{
    Rejilla({" 1 de 08:00 a 08:55"});
    EXPECT_EQ(Columna("DIASHORAST", "DIHO"), (Textos{"11", "21", "31", "41", "51", "61", "71"}));
    EXPECT_EQ(Columna("DIASHORAST", "DIA"), (Textos{"1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(Columna("DIASHORAST", "TEXTODIA"),
              (Textos{"Dilluns", "Dimarts", "Dimecres", "Dijous", "Divendres", "Dissabte", "Diumenge"}));
    EXPECT_EQ(Columna("DIASHORAST", "HORA"), Textos(7, "1"));
    EXPECT_EQ(Columna("DIASHORAST", "TEXTOHOR"), Textos(7, "1-08:00-08:55"));
    EXPECT_EQ(Columna("DIASHORAST", "HORADESDE"), Textos(7, "08:00"));
    EXPECT_EQ(Columna("DIASHORAST", "HORAHASTA"), Textos(7, "08:55"));
    EXPECT_EQ(Columna("DIASHORAST", "MINUTOS"), Textos(7, "55"));
    EXPECT_EQ(Columna("DIASHORAST", "MARCO"), Textos(7, "0"));
    EXPECT_EQ(Columna("DIASHORAST", "MARCOXML"), Textos(7, "M"));
    EXPECT_EQ(Columna("DIASHORAST", "CODDIHO"), Textos(7, ""));
    EXPECT_EQ(Ordenes(), std::vector<std::optional<int64_t>>(7, 1));
}

struct CasoIdioma {
    const char* nombre;
    std::string texto;
    Textos dias;
};

class IdiomaDias : public CrearDiasHoras_, public ::testing::WithParamInterface<CasoIdioma> {};

TEST_P(IdiomaDias, NombresDeLosDias)
{
    Rejilla({" 1 de 08:00 a 08:55"}, GetParam().texto);
    EXPECT_EQ(Columna("DIASHORAST", "TEXTODIA"), GetParam().dias);
}

const Textos Castellano{"Lunes", "Martes", "Mi\xE9rcoles", "Jueves", "Viernes", "S\xE1" "bado", "Domingo"};
const Textos Valenciano{"Dilluns", "Dimarts", "Dimecres", "Dijous", "Divendres", "Dissabte", "Diumenge"};

INSTANTIATE_TEST_SUITE_P(
    Rejilla, IdiomaDias,
    ::testing::Values(CasoIdioma{"Castellano", TextoCastellano, Castellano},
                      CasoIdioma{"Valenciano", TextoValenciano, Valenciano},
                      CasoIdioma{"EscritoAMano", "castellano", Valenciano},
                      CasoIdioma{"Vacio", "", Valenciano}),
    [](const ::testing::TestParamInfo<CasoIdioma>& i) { return std::string(i.param.nombre); });

TEST_F(CrearDiasHoras_, DoceLineas)
{
    std::vector<std::string> lineas;
    for (int o = 1; o <= 12; ++o)
        lineas.push_back((o < 10 ? " " : "") + std::to_string(o) + " de 08:00 a 08:55");
    Rejilla(lineas);
    const Textos diho = Columna("DIASHORAST", "DIHO");
    ASSERT_EQ(diho.size(), 84u);
    EXPECT_EQ(Textos(diho.end() - 7, diho.end()), (Textos{"112", "212", "312", "412", "512", "612", "712"}));
    EXPECT_EQ(Columna("DIASHORAST", "HORA").back(), "12");
    EXPECT_EQ(Columna("DIASHORAST", "TEXTOHOR").back(), "12-08:00-08:55");
}

TEST_F(CrearDiasHoras_, HoraEsLaPosicionYSesionOrdenElDeItaca)
{
    Rejilla({" 1 de 08:00 a 08:55", " 2 de 08:55 a 09:50", " 4 de 10:20 a 11:15"}, TextoCastellano,
            "PLANTILLA-MUY-LARGA");
    const Textos hora = Columna("DIASHORAST", "HORA");
    EXPECT_EQ((Textos{hora[0], hora[7], hora[14]}), (Textos{"1", "2", "3"}));
    const auto ordenes = Ordenes();
    EXPECT_EQ((std::vector<std::optional<int64_t>>{ordenes[0], ordenes[7], ordenes[14]}),
              (std::vector<std::optional<int64_t>>{1, 2, 4}));
    EXPECT_EQ(Columna("DIASHORAST", "TEXTOHOR")[20], "4-10:20-11:15");
    EXPECT_EQ(Columna("DIASHORAST", "DIHO")[17], "43");
    EXPECT_EQ(Columna("DIASHORAST", "MARCOXML")[0], "PLANTILLA-");
}

struct CasoLinea {
    const char* nombre;
    std::string linea;
    std::optional<int> orden;      // nullopt: la línea no se puede leer
    std::string minutosOError;     // MINUTOS, o el mensaje del error
};

class LecturaDeLinea : public CrearDiasHoras_, public ::testing::WithParamInterface<CasoLinea> {};

TEST_P(LecturaDeLinea, ComoStrToInt)
{
    const CasoLinea& c = GetParam();
    if (!c.orden) {
        try {
            Rejilla({" 1 de 08:00 a 08:55", c.linea});
            FAIL() << "se esperaba un error";
        } catch (const ErrorMolvaren& e) {
            EXPECT_EQ(std::string(e.what()), c.minutosOError);
        }
        return;
    }
    Rejilla({c.linea});
    EXPECT_EQ(Ordenes().front(), std::optional<int64_t>(*c.orden));
    EXPECT_EQ(Columna("DIASHORAST", "MINUTOS").front(), c.minutosOError);
}

INSTANTIATE_TEST_SUITE_P(
    Rejilla, LecturaDeLinea,
    ::testing::Values(
        CasoLinea{"BlancoDelante", " 3 de 08:55 a 09:50", 3, "55"},
        CasoLinea{"DosCifras", "12 de 08:55 a 09:50", 12, "55"},
        CasoLinea{"CeroDelante", "03 de 08:55 a 09:50", 3, "55"},
        CasoLinea{"ConSigno", "-3 de 08:55 a 09:50", -3, "55"},
        CasoLinea{"ConSignoMas", "+3 de 08:55 a 09:50", 3, "55"},
        CasoLinea{"MinutosNegativos", " 1 de 10:00 a 09:30", 1, "-30"},
        // Fin de línea justo tras la hora final.
        CasoLinea{"JustaDiecinueve", " 1 de 08:00 a 09:00", 1, "60"},
        CasoLinea{"Letras", "ab de 08:00 a 08:55", std::nullopt, "'ab' no es un valor entero válido"},
        CasoLinea{"BlancoDetras", "3  de 08:00 a 08:55", std::nullopt, "'3 ' no es un valor entero válido"},
        CasoLinea{"SoloBlancos", "   de 08:00 a 08:55", std::nullopt, "'  ' no es un valor entero válido"},
        CasoLinea{"SoloSigno", " - de 08:00 a 08:55", std::nullopt, "' -' no es un valor entero válido"},
        CasoLinea{"OrdenDeTres", "123 de 08:00 a 09:00", std::nullopt, "':0' no es un valor entero válido"},
        CasoLinea{"HoraSinCero", " 1 de 8:15 a 9:10", std::nullopt, "'8:' no es un valor entero válido"},
        CasoLinea{"SinHoraFinal", " 1 de 08:00 a ", std::nullopt, "'' no es un valor entero válido"},
        CasoLinea{"LineaCorta", " 1", std::nullopt, "'' no es un valor entero válido"},
        CasoLinea{"LineaVacia", "", std::nullopt, "'' no es un valor entero válido"},
        CasoLinea{"Acentuada", " 1 de 0\xE9:00 a 08:55", std::nullopt, "'0é' no es un valor entero válido"},
        // Como Copy: una línea corta da los caracteres que tenga.
        CasoLinea{"UnCaracterAlFinal", " 1 de 08:00 a 08:5", 1, "5"}),
    [](const ::testing::TestParamInfo<CasoLinea>& i) { return std::string(i.param.nombre); });

} // namespace
} // namespace molvaren::pruebas
