#include <ostream>
#include <string>
#include <vector>

#include "PruebaPaso.h"
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

struct CasoProfesores {
    const char* nombre;
    std::string docentes;   // elementos docente (UTF-8)
    Textos abrev;
    Textos nombres;
    Textos fechas;
};

std::string Docente(const std::string& a1, const std::string& a2, const std::string& nm,
                    const std::string& extra = "")
{
    return "<docente apellido1=\"" + a1 + "\" apellido2=\"" + a2 + "\" nombre=\"" + nm + "\" " + extra + "/>";
}

class CrearProfesoresCasos : public PruebaPaso, public ::testing::WithParamInterface<CasoProfesores> {};

TEST_P(CrearProfesoresCasos, CodigosNombresYFechas)
{
    const CasoProfesores& c = GetParam();
    Documento(Centro("<docentes>" + c.docentes + "</docentes>"));
    Ejecutar(CrearProfesores);
    EXPECT_EQ(Columna("PROFT", "ABREV"), c.abrev);
    if (!c.nombres.empty()) {
        EXPECT_EQ(Columna("PROFT", "NOMBRE"), c.nombres);
    }
    if (!c.fechas.empty()) {
        EXPECT_EQ(Columna("PROFT", "F_TOMAPOS"), c.fechas);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Profesores, CrearProfesoresCasos,
    ::testing::Values(
        // Un solo elemento cuenta como sección vacía.
        CasoProfesores{"UnoSolo", Docente("Garcia", "Lopez", "Juan"), {}, {}, {}},
        CasoProfesores{"SinSeccion", "", {}, {}, {}},
        CasoProfesores{"Repetidos",
                       Docente("Garcia", "Lopez", "Juan") + Docente("Gil", "Llop", "Jaume") +
                           Docente("Gomez", "Lara", "Jose"),
                       {"GLJ", "GLJ1", "GLJ2"},
                       {"Garcia Lopez, Juan", "Gil Llop, Jaume", "Gomez Lara, Jose"},
                       {}},
        CasoProfesores{"SinDistinguirMayusculas",
                       Docente("Garcia", "Lopez", "Juan") + Docente("Gil", "llop", "jaume"),
                       {"GLJ", "Glj1"}, {}, {}},
        // Las acentuadas también se comparan sin mayúsculas, como en Windows.
        CasoProfesores{"AcentuadasSinMayusculas",
                       Docente("Úbeda", "Ávila", "Íñigo") + Docente("úrsula", "ádam", "ícaro"),
                       {"\xDA\xC1\xCD", "\xFA\xE1\xED" "1"}, {}, {}},
        // Un número ya dado como iniciales de otro se salta.
        CasoProfesores{"NumeroYaDadoComoIniciales",
                       Docente("A", "", "B") + Docente("A", "B", "1x") + Docente("A", "", "B") +
                           Docente("a", "", "b") + Docente("A", "B", "3y"),
                       {"AB", "AB1", "AB2", "ab3", "AB31"}, {}, {}},
        CasoProfesores{"SegundoApellidoVacio",
                       Docente("Puig", "", "Neus") + Docente("Roig", " ", "Pere"),
                       {"PN", "RP"},
                       {"Puig , Neus", "Roig , Pere"},
                       {}},
        CasoProfesores{"BlancosAlrededor",
                       Docente("  Ferrer ", " Soler", "Anna  ") + Docente("B", "C", "D"),
                       {"FSA", "BCD"},
                       {"Ferrer Soler, Anna", "B C, D"},
                       {}},
        // Sin ningún dato: iniciales vacías, y después un número; el blanco
        // final del nombre no se guarda.
        CasoProfesores{"SinIniciales", "<docente/><docente/><docente/>", {"", "1", "2"}, {" ,", " ,", " ,"}, {}},
        CasoProfesores{"TipoDocente",
                       Docente("A", "B", "C", "tipo_docente=\" D \" fecha_ingreso=\"01/09/2010\"") +
                           Docente("D", "E", "F", "tipo_docente=\"d\" fecha_ingreso=\"02/09/2011\"") +
                           Docente("G", "H", "I", "tipo_docente=\"P\" fecha_ingreso=\"03/09/2012\"") +
                           Docente("J", "K", "L", "fecha_ingreso=\"04/09/2013\""),
                       {"ABC", "DEF", "GHI", "JKL"},
                       {},
                       {"01/09/2010", "", "", ""}}),
    [](const ::testing::TestParamInfo<CasoProfesores>& i) { return std::string(i.param.nombre); });

class CrearProfesores_ : public PruebaPaso {};

TEST_F(CrearProfesores_, CamposCortadosAlAnchoYDniConCero)
{
    const std::string largo(90, 'x');
    Documento(Centro("<docentes>" +
                     Docente(largo, "B", "C", "documento=\"021648508B\" ensenanza=\"1234567\"") +
                     Docente("D", "E", "F", "documento=\" 000000001Z \"") + "</docentes>"));
    Ejecutar(CrearProfesores);
    const Textos nombres = Columna("PROFT", "NOMBRE");
    ASSERT_EQ(nombres.size(), 2u);
    EXPECT_EQ(nombres[0], std::string(80, 'x'));
    EXPECT_EQ(Columna("PROFT", "DNI"), (Textos{"021648508B", "000000001Z"}));
    EXPECT_EQ(Columna("PROFT", "ENSENANZA"), (Textos{"12345", ""}));
    EXPECT_EQ(Columna("PROFT", "ABREV"), (Textos{"xBC", "DEF"}));
}

TEST_F(CrearProfesores_, RecreaLaTablaSinFilasAnteriores)
{
    Documento(Centro("<docentes>" + Docente("A", "B", "C") + Docente("D", "E", "F") + "</docentes>"));
    Ejecutar(CrearProfesores);
    Ejecutar(CrearProfesores);
    EXPECT_EQ(Columna("PROFT", "ABREV"), (Textos{"ABC", "DEF"}));
}

} // namespace
} // namespace molvaren::pruebas
