#include <ostream>
#include <string>
#include <vector>

#include "PruebaPaso.h"
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

const std::string Ensenanzas =
    "<ensenanzas><ensenanza ensenanza=\"3\" abreviatura=\"ESO\"/>"
    "<ensenanza ensenanza=\"5\" abreviatura=\"BACH\"/>"
    "<ensenanza ensenanza=\"3\" abreviatura=\"OTRA\"/></ensenanzas>";

std::string Curso(const std::string& codigo, const std::string& abrev, const std::string& padre,
                  const std::string& ensenanza = "3")
{
    return "<curso codigo=\"" + codigo + "\" abreviatura=\"" + abrev + "\" padre=\"" + padre + "\" ensenanza=\"" +
           ensenanza + "\"/>";
}

std::string Grupo(const std::string& codigo, const std::string& extra = "")
{
    return "<grupo codigo=\"" + codigo + "\" nombre=\"Grupo " + codigo + "\" turno=\"MT\" ensenanza=\"5\" " + extra +
           "/>";
}

std::string Grupos(const std::vector<std::string>& codigos)
{
    std::string x = "<grupos>";
    for (const auto& c : codigos)
        x += Grupo(c);
    return x + "</grupos>";
}

class CrearCursosGrupos_ : public PruebaPaso {
protected:
    void Convertir(const std::string& secciones)
    {
        Documento(Centro(secciones));
        Ejecutar(CrearProfesores);
        Ejecutar(CrearCursosGrupos);
    }
};

TEST_F(CrearCursosGrupos_, FiltroDeCursosYCampos)
{
    estado.TurnoPlantilla = "Matí";
    Convertir(Ensenanzas + "<cursos>" + Curso("10", "1ABC", " ") + Curso("11", "BAT", "") + Curso("12", "ABC", "10", "5") +
              Curso("13", "", " ") + Curso("14", "2", "", "9") + "</cursos>");
    EXPECT_EQ(Columna("CURSOST", "ABREV"), (Textos{"1AB", "ABC", "2"}));
    EXPECT_EQ(Columna("CURSOST", "CURSO"), (Textos{"1", "A", "2"}));
    EXPECT_EQ(Columna("CURSOST", "ESTUD"), (Textos{"1ABC", "ABC", "2"}));
    EXPECT_EQ(Columna("CURSOST", "CLAVE"), (Textos{"10", "12", "14"}));
    // El primer nivel que coincide; una enseñanza desconocida lo deja vacío.
    EXPECT_EQ(Columna("CURSOST", "NIVEL"), (Textos{"ESO", "BACH", ""}));
    // El turno de la plantilla, cortado al ancho del campo.
    EXPECT_EQ(Columna("CURSOST", "TURNO"), (Textos{"M", "M", "M"}));
}

TEST_F(CrearCursosGrupos_, SeccionesDeUnSoloElementoCuentanComoVacias)
{
    Convertir("<ensenanzas><ensenanza ensenanza=\"5\" abreviatura=\"BACH\"/></ensenanzas>"
              "<cursos>" + Curso("10", "1ESO", " ") + "</cursos>"
              "<cursos_grupo><curso_grupo grupo=\"1A\" curso=\"10\"/></cursos_grupo>" +
              Grupos({"1A", "1B"}));
    EXPECT_TRUE(Columna("CURSOST", "ABREV").empty());
    EXPECT_EQ(Columna("GRUPOST", "ABREV"), (Textos{"1A", "1B"}));
    EXPECT_EQ(Columna("GRUPOST", "NIVEL"), (Textos{"", ""}));
    EXPECT_EQ(Columna("GRUPOST", "CLAVECURSO"), (Textos{"", ""}));

    Convertir(Grupos({"1A"}));
    EXPECT_TRUE(Columna("GRUPOST", "ABREV").empty());
}

TEST_F(CrearCursosGrupos_, CamposDelGrupo)
{
    Convertir(Ensenanzas +
              "<cursos_grupo><curso_grupo grupo=\"1A\" curso=\"10\"/><curso_grupo grupo=\"1A\" curso=\"11\"/>"
              "<curso_grupo grupo=\"1a\" curso=\"12\"/></cursos_grupo>"
              "<grupos>" + Grupo("1A") + Grupo("X") + Grupo("ABCDEFGHIJKL") + "</grupos>");
    EXPECT_EQ(Columna("GRUPOST", "CURSO"), (Textos{"1", "X", "A"}));
    EXPECT_EQ(Columna("GRUPOST", "GRUPO"), (Textos{"A", "X", "L"}));
    EXPECT_EQ(Columna("GRUPOST", "CLAVE"), (Textos{"1A", "X", "ABCDEFGHIJ"}));
    EXPECT_EQ(Columna("GRUPOST", "ABREV"), (Textos{"1A", "X", "ABCDEFGHKL"}));
    // Primer enlace en orden de documento, comparación exacta.
    EXPECT_EQ(Columna("GRUPOST", "CLAVECURSO"), (Textos{"10", "", ""}));
    EXPECT_EQ(Columna("GRUPOST", "TURNO"), (Textos{"M", "M", "M"}));
    EXPECT_EQ(Columna("GRUPOST", "NIVEL"), (Textos{"BACH", "BACH", "BACH"}));
    EXPECT_EQ(Columna("GRUPOST", "MARCO"), (Textos{"0", "0", "0"}));
    EXPECT_EQ(Columna("GRUPOST", "DESCRIP"), (Textos{"Grupo 1A", "Grupo X", "Grupo ABCDEFGHIJKL"}));
}

struct CasoAbreviaturas {
    const char* nombre;
    std::vector<std::string> codigos;
    Textos abrev;
};

class Abreviaturas : public CrearCursosGrupos_, public ::testing::WithParamInterface<CasoAbreviaturas> {};

TEST_P(Abreviaturas, UnicasSinDistinguirMayusculas)
{
    const CasoAbreviaturas& c = GetParam();
    Convertir(Grupos(c.codigos));
    const Textos abrev = Columna("GRUPOST", "ABREV");
    EXPECT_EQ(abrev, c.abrev);
    ListaSinMayusculas vistas;
    for (const auto& a : abrev) {
        EXPECT_LE(a.size(), 10u) << a;
        EXPECT_FALSE(vistas.Contiene(a)) << "repetida: " << a;
        vistas.Anadir(a);
    }
}

std::vector<std::string> NueveYSusNumeros()
{
    std::vector<std::string> c{"ABCDEFGHI"};
    for (int n = 1; n <= 9; ++n)
        c.push_back("ABCDEFGHI" + std::to_string(n));
    c.push_back("ABCDEFGHI");
    return c;
}

INSTANTIATE_TEST_SUITE_P(
    Grupos, Abreviaturas,
    ::testing::Values(
        CasoAbreviaturas{"MayusculasIgnoradas", {"1A", "1a", "1A"}, {"1A", "1a1", "1A2"}},
        CasoAbreviaturas{"AcentuadasIgnoradas", {"1\xC3\x81", "1\xC3\xA1"}, {"1\xC1", "1\xE1" "1"}},
        CasoAbreviaturas{"DiezRepetida", {"ABCDEFGHIJ", "ABCDEFGHIJ"}, {"ABCDEFGHIJ", "ABCDEFGHI1"}},
        CasoAbreviaturas{"DoceUnaVez", {"ABCDEFGHIJKL", "X1"}, {"ABCDEFGHKL", "X1"}},
        CasoAbreviaturas{"NueveConSufijoDiez",
                         NueveYSusNumeros(),
                         {"ABCDEFGHI", "ABCDEFGHI1", "ABCDEFGHI2", "ABCDEFGHI3", "ABCDEFGHI4", "ABCDEFGHI5",
                          "ABCDEFGHI6", "ABCDEFGHI7", "ABCDEFGHI8", "ABCDEFGHI9", "ABCDEFGH10"}},
        // La forma acortada ya dada: las ocho primeras y el primer número
        // libre, para que el anfitrión no confunda los grupos.
        CasoAbreviaturas{"AcortadaRepetida",
                         {"ABCDEFGHxxKL", "ABCDEFGHyyKL", "ABCDEFGHzzKL"},
                         {"ABCDEFGHKL", "ABCDEFGH1", "ABCDEFGH2"}},
        CasoAbreviaturas{"AcortadaIgualAUnaCorta", {"ABCDEFGHKL", "abcdefghXXkl"}, {"ABCDEFGHKL", "abcdefgh1"}},
        CasoAbreviaturas{"AcortadaRepetidaConNumeroOcupado",
                         {"ABCDEFGH1", "ABCDEFGHxxKL", "ABCDEFGHyyKL"},
                         {"ABCDEFGH1", "ABCDEFGHKL", "ABCDEFGH2"}}),
    [](const ::testing::TestParamInfo<CasoAbreviaturas>& i) { return std::string(i.param.nombre); });

TEST_F(CrearCursosGrupos_, Tutores)
{
    const std::string docentes =
        "<docentes>"
        "<docente apellido1=\"Sin\" apellido2=\"Dni\" nombre=\"Nadie\" documento=\" \"/>"
        "<docente apellido1=\"Puig\" apellido2=\"Roig\" nombre=\"Anna\" documento=\"012345678Z\"/>"
        "<docente apellido1=\"Vidal\" apellido2=\"Mas\" nombre=\"Pau\" documento=\"087654321X\"/>"
        "<docente apellido1=\"Pons\" apellido2=\"Ruiz\" nombre=\"Aina\" documento=\"087654321X\"/>"
        "</docentes>";
    Convertir(docentes + "<grupos>" +
              Grupo("1A", "tutor_ppal=\"012345678Z\" tutor_sec=\"087654321X\"") +
              Grupo("1B", "tutor_ppal=\" \" tutor_sec=\"087654321X\"") +
              Grupo("1C", "tutor_ppal=\"099999999R\" tutor_sec=\"012345678Z\"") +
              Grupo("1D", "tutor_ppal=\" \" tutor_sec=\" \"") + Grupo("1E") +
              Grupo("1F", "tutor_ppal=\"012345678z\"") + "</grupos>");
    // Con el DNI repetido vale el primero; sin tutor no se busca, aunque un
    // docente tenga el DNI en blanco.
    EXPECT_EQ(Columna("GRUPOST", "TUTOR"), (Textos{"PRA", "VMP", "", "", "", ""}));
}

} // namespace
} // namespace molvaren::pruebas
