// La conversión entera sobre la muestra del proyecto, leyendo después las
// tablas de los ficheros; y los fallos, que no deben tocar ninguna tabla.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <ostream>
#include <string>
#include <vector>

#include "PruebaPaso.h"
#include "apoyo/InteraccionGuionada.h"
#include "apoyo/Ficheros.h"
#include "common/DocumentoItaca.h"
#include "common/EstadoPrograma.h"
#include "common/FicheroDbf.h"
#include "common/ListaTextos.h"
#include "common/ModeloPlantillas.h"
#include "conversion/EjecucionConversion.h"

namespace molvaren::pruebas {
namespace {

// Los casos se nombran por su nombre en los mensajes y en la lista de ctest.
template <class Caso>
    requires requires(const Caso& c) { c.nombre; }
void PrintTo(const Caso& c, std::ostream* os)
{
    *os << c.nombre;
}

const std::filesystem::path Muestra = std::filesystem::path(MOLVAREN_RAIZ) / "samples" / "instituto.xml";

std::vector<std::string> ColumnaDbf(const std::filesystem::path& carpeta, const std::string& tabla,
                                    const std::string& campo)
{
    Tabla t = LeerDbf(carpeta / (tabla + ".DBF"), tabla);
    std::vector<std::string> v;
    for (t.Primero(); !t.Fin(); t.Siguiente())
        v.push_back(t.LeerTexto(campo));
    return v;
}

class CadenaConversion : public ::testing::Test {
protected:
    void SetUp() override
    {
        estado.CarpetaTablas = carpeta;
        // El diálogo de plantillas tal como lo vería el usuario, que acepta
        // la primera plantilla.
        ui.plantillas = [this](int modo, const EstadoPrograma& e) {
            ModeloPlantillas m(modo, e.TextoIdioma, e.FicheroXML, e.CarpetaTablas, e.DocXML);
            m.Activar();
            ResultadoPlantillas r = m.Resultado();
            if (lineasForzadas)
                r.Lineas = *lineasForzadas;
            return r;
        };
    }

    void TearDown() override
    {
        std::error_code ec;
        for (const auto& f : ficherosExtra)
            std::filesystem::remove(f, ec);
    }

    FinEjecucion Convertir(const std::filesystem::path& fichero)
    {
        ui.fichero = fichero;
        return EjecutarConversion(estado, ui, &informe);
    }

    // Fuera de la carpeta de tablas, para no contarlo entre ellas.
    std::filesystem::path Escribir(const std::string& nombre, const std::string& contenido)
    {
        const auto f = carpeta.parent_path() / (carpeta.filename().string() + "-" + nombre);
        std::ofstream(f, std::ios::binary) << contenido;
        ficherosExtra.push_back(f);
        return f;
    }

    CarpetaTemporal temporal;
    std::filesystem::path carpeta = temporal.Ruta();
    std::vector<std::filesystem::path> ficherosExtra;
    EstadoPrograma estado;
    InteraccionGuionada ui;
    InformeConversion informe;
    std::optional<std::vector<std::string>> lineasForzadas;
};

TEST_F(CadenaConversion, MuestraEscribeCadaTablaComoDiceElDocumento)
{
    ASSERT_EQ(Convertir(Muestra), FinEjecucion::Finalizada) << (ui.errores.empty() ? "" : ui.errores[0]);
    EXPECT_EQ(ui.mensajes, (std::vector<std::string>{"Proceso finalizado"}));
    const DocumentoItaca doc = DocumentoItaca::Cargar(Muestra);

    // Cada tabla escrita se lee del fichero y cuenta lo que dice el informe.
    for (const auto& [tabla, filas] : informe.filasPorTabla) {
        EXPECT_EQ(LeerDbf(carpeta / (tabla + ".DBF"), tabla).NumFilas(), filas) << tabla;
        EXPECT_FALSE(std::filesystem::exists(carpeta / (tabla + ".MDX"))) << tabla;
    }

    // Profesores: uno por docente, en orden, con códigos únicos.
    const auto docentes = doc.Seleccionar("/centro/docentes/docente");
    const auto dni = ColumnaDbf(carpeta, "PROFT", "DNI");
    ASSERT_EQ(dni.size(), docentes.size());
    for (size_t i = 0; i < dni.size(); ++i)
        EXPECT_EQ(dni[i], LeerAtributo(docentes[i], "documento"));
    EXPECT_EQ(dni[0].substr(0, 1), "0");   // el cero delante se conserva
    ListaSinMayusculas codigos;
    for (const auto& a : ColumnaDbf(carpeta, "PROFT", "ABREV")) {
        EXPECT_FALSE(codigos.Contiene(a)) << a;
        codigos.Anadir(a);
    }
    const auto nombres = ColumnaDbf(carpeta, "PROFT", "NOMBRE");
    EXPECT_EQ(nombres[0], LeerAtributo(docentes[0], "apellido1") + " " + LeerAtributo(docentes[0], "apellido2") +
                              ", " + LeerAtributo(docentes[0], "nombre"));

    // Cursos: los que tienen padre o empiezan por cifra (PDC no entra).
    const auto estud = ColumnaDbf(carpeta, "CURSOST", "ESTUD");
    EXPECT_EQ(estud, (std::vector<std::string>{"1ESO", "2ESO", "3ESO", "4ESO", "1BACH", "2BACH", "1BACH-CT",
                                               "1BACH-HCS", "2BACH-CT", "2BACH-HCS"}));
    EXPECT_EQ(ColumnaDbf(carpeta, "CURSOST", "NIVEL")[0], "ESO");
    EXPECT_EQ(ColumnaDbf(carpeta, "CURSOST", "TURNO")[0], "M");

    // Grupos: todos con curso y tutor encontrados.
    const auto grupos = doc.Seleccionar("/centro/grupos/grupo");
    const auto clave = ColumnaDbf(carpeta, "GRUPOST", "CLAVE");
    ASSERT_EQ(clave.size(), grupos.size());
    for (size_t i = 0; i < clave.size(); ++i)
        EXPECT_EQ(clave[i], LeerAtributo(grupos[i], "codigo").substr(0, 10));
    for (const auto& c : ColumnaDbf(carpeta, "GRUPOST", "CLAVECURSO"))
        EXPECT_FALSE(c.empty());
    for (const auto& t : ColumnaDbf(carpeta, "GRUPOST", "TUTOR"))
        EXPECT_FALSE(t.empty());

    // Asignaturas: una por código de ITACA, en valenciano.
    std::vector<std::string> distintos;
    std::set<std::string> vistos;
    for (const auto& c : doc.Seleccionar("/centro/contenidos/contenido"))
        if (vistos.insert(LeerAtributo(c, "codigo")).second)
            distintos.push_back(LeerAtributo(c, "codigo"));
    const auto asignaturas = ColumnaDbf(carpeta, "ASIGNOMT", "ABREV_ITACA");
    ASSERT_GE(asignaturas.size(), distintos.size());
    EXPECT_EQ(std::vector<std::string>(asignaturas.begin(), asignaturas.begin() + static_cast<long>(distintos.size())),
              distintos);
    EXPECT_EQ(ColumnaDbf(carpeta, "ASIGNOMT", "NOMBRE")[0], "Valenci\xE0: Llengua i Literatura");

    // Aulas: una por aula, códigos únicos.
    EXPECT_EQ(ColumnaDbf(carpeta, "AULAT", "ABREV").size(), doc.Seleccionar("/centro/aulas/aula").size());

    // Rejilla: seis sesiones el lunes en la primera plantilla (sin la 4).
    const auto primera = LeerAtributo(doc.Seleccionar("/centro/plantillas_horario/plantilla_horario")[0], "codigo");
    const auto textohor = ColumnaDbf(carpeta, "DIASHORAST", "TEXTOHOR");
    ASSERT_EQ(textohor.size(), 42u);
    EXPECT_EQ(textohor[21], "5-11:15-12:10");
    EXPECT_EQ(ColumnaDbf(carpeta, "DIASHORAST", "HORA")[21], "4");
    EXPECT_EQ(ColumnaDbf(carpeta, "DIASHORAST", "TEXTODIA")[0], "Dilluns");
    EXPECT_EQ(ColumnaDbf(carpeta, "DIASHORAST", "MARCOXML")[0], primera);
}

struct CasoFallo {
    const char* nombre;
    std::string contenido;                           // del fichero elegido
    std::optional<std::vector<std::string>> lineas;  // líneas de sesión forzadas
    std::string error;                               // trozo del mensaje
};

class FalloNoTocaTablas : public CadenaConversion, public ::testing::WithParamInterface<CasoFallo> {};

TEST_P(FalloNoTocaTablas, TablasAnterioresIntactas)
{
    ASSERT_EQ(Convertir(Muestra), FinEjecucion::Finalizada);
    const auto antes = Instantanea(carpeta);
    ASSERT_GE(antes.size(), 6u);

    const CasoFallo& c = GetParam();
    lineasForzadas = c.lineas;
    const auto fichero = c.contenido.empty() ? Muestra : Escribir("doc.xml", c.contenido);
    ui.errores.clear();
    ui.mensajes.clear();
    EXPECT_EQ(Convertir(fichero), FinEjecucion::Fallida);
    ASSERT_EQ(ui.errores.size(), 1u);
    EXPECT_NE(ui.errores[0].find(c.error), std::string::npos) << ui.errores[0];
    EXPECT_TRUE(ui.mensajes.empty());
    EXPECT_TRUE(Instantanea(carpeta) == antes);
    EXPECT_FALSE(ui.cursorOcupado);
}

INSTANTIATE_TEST_SUITE_P(
    Cadena, FalloNoTocaTablas,
    ::testing::Values(
        CasoFallo{"NoEsXml", "esto no es XML <centro", std::nullopt, "doc.xml"},
        CasoFallo{"XmlCortado", "<?xml version=\"1.0\"?><centro><docentes><docente nombre=\"a\"/>", std::nullopt,
                  "doc.xml"},
        CasoFallo{"RaizQueNoEsCentro",
                  "<?xml version=\"1.0\"?><escuela><docentes><docente/><docente/></docentes></escuela>", std::nullopt,
                  "centro"},
        // La rejilla es el último paso: las tablas de los anteriores,
        // ya rehechas en memoria, tampoco llegan al disco.
        CasoFallo{"LineaDeSesionIlegible", "", std::vector<std::string>{" 1 de 08:00 a 08:55", "ab de 08:55 a 09:50"},
                  "'ab' no es un valor entero válido"},
        CasoFallo{"HoraSinCero", "", std::vector<std::string>{" 1 de 8:00 a 8:55"},
                  "'8:' no es un valor entero válido"}),
    [](const ::testing::TestParamInfo<CasoFallo>& i) { return std::string(i.param.nombre); });

TEST_F(CadenaConversion, FalloEnCarpetaVaciaNoCreaTablas)
{
    lineasForzadas = std::vector<std::string>{"xx"};
    EXPECT_EQ(Convertir(Muestra), FinEjecucion::Fallida);
    EXPECT_TRUE(std::filesystem::is_empty(carpeta));
}

TEST_F(CadenaConversion, DocumentoSinPlantillasDejaLaRejillaVacia)
{
    const auto fichero =
        Escribir("sin.xml", Centro("<docentes><docente apellido1=\"A\"/><docente apellido1=\"B\"/></docentes>"));
    ASSERT_EQ(Convertir(fichero), FinEjecucion::Finalizada);
    EXPECT_TRUE(ui.modosPlantillas.empty());
    EXPECT_TRUE(ColumnaDbf(carpeta, "DIASHORAST", "DIHO").empty());
    EXPECT_EQ(ColumnaDbf(carpeta, "PROFT", "ABREV"), (std::vector<std::string>{"A", "B"}));
    EXPECT_TRUE(ColumnaDbf(carpeta, "GRUPOST", "ABREV").empty());
}

} // namespace
} // namespace molvaren::pruebas
