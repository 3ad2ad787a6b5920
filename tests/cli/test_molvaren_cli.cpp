// El programa de línea de órdenes tal como lo llaman otras herramientas:
// estados de salida fijos, mensajes en español y tablas intactas si falla.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <ostream>
#include <string>
#include <vector>

#include "EjecutarPrograma.h"
#include "apoyo/Ficheros.h"
#include "common/DocumentoItaca.h"
#include "common/FicheroDbf.h"

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

class MolvarenCli : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(tablas); }

    // Sustituye {tablas} y {muestra} en los argumentos.
    int Ejecutar(const std::vector<std::string>& argumentos)
    {
        std::string orden = Citar(MOLVAREN_CLI);
        for (std::string a : argumentos) {
            for (auto [marca, valor] : {std::pair<std::string, std::string>{"{tablas}", tablas.string()},
                                        {"{muestra}", Muestra.string()},
                                        {"{raiz}", raiz.string()}})
                if (auto p = a.find(marca); p != std::string::npos)
                    a.replace(p, marca.size(), valor);
            orden += " " + Citar(a);
        }
        orden += " >" + Citar((raiz / "salida.txt").string()) + " 2>" + Citar((raiz / "errores.txt").string());
        const int codigo = EjecutarPrograma(orden);
        salida = LeerFichero(raiz / "salida.txt");
        errores = LeerFichero(raiz / "errores.txt");
        return codigo;
    }

    std::map<std::string, std::string> Instantanea() { return pruebas::Instantanea(tablas); }

    std::filesystem::path Escribir(const std::string& nombre, const std::string& contenido)
    {
        std::ofstream(raiz / nombre, std::ios::binary) << contenido;
        return raiz / nombre;
    }

    std::vector<std::string> Columna(const std::string& tabla, const std::string& campo)
    {
        Tabla t = LeerDbf(tablas / (tabla + ".DBF"), tabla);
        std::vector<std::string> v;
        for (t.Primero(); !t.Fin(); t.Siguiente())
            v.push_back(t.LeerTexto(campo));
        return v;
    }

    CarpetaTemporal carpeta;
    std::filesystem::path raiz = carpeta.Ruta();
    std::filesystem::path tablas = raiz / "ktemp";
    std::string salida, errores;
};

struct CasoUso {
    const char* nombre;
    std::vector<std::string> argumentos;
    int estado;
    std::string enSalida;
    std::string enErrores;
};

class Uso : public MolvarenCli, public ::testing::WithParamInterface<CasoUso> {};

TEST_P(Uso, EstadoYMensaje)
{
    const CasoUso& c = GetParam();
    EXPECT_EQ(Ejecutar(c.argumentos), c.estado) << salida << errores;
    EXPECT_NE(salida.find(c.enSalida), std::string::npos) << salida;
    EXPECT_NE(errores.find(c.enErrores), std::string::npos) << errores;
    // Nada de esto escribe tablas.
    EXPECT_TRUE(std::filesystem::is_empty(tablas));
}

INSTANTIATE_TEST_SUITE_P(
    Cli, Uso,
    ::testing::Values(
        CasoUso{"SinOrden", {}, 2, "", "Falta la orden"},
        CasoUso{"Ayuda", {"--help"}, 0, "exportar", ""},
        CasoUso{"AyudaExportar", {"exportar", "--help"}, 0, "--todas-plantillas", ""},
        CasoUso{"AyudaExportarTrasElFichero", {"exportar", "{muestra}", "-h"}, 0, "--dejar-sin-clases", ""},
        CasoUso{"AyudaImportar", {"importar", "--help"}, 0, "--curso", ""},
        CasoUso{"OrdenDesconocida", {"convertir", "{muestra}"}, 2, "", "Orden desconocida: convertir"},
        CasoUso{"SinFichero", {"exportar", "--carpeta", "{tablas}"}, 2, "", "Falta el fichero"},
        CasoUso{"DosFicheros", {"exportar", "{muestra}", "{muestra}"}, 2, "", "Sobra el argumento"},
        CasoUso{"IdiomaDesconocido", {"exportar", "{muestra}", "--carpeta", "{tablas}", "--idioma", "ingles"}, 2, "",
                "Idioma desconocido"},
        CasoUso{"IdiomaEnMayusculas", {"exportar", "{muestra}", "--carpeta", "{tablas}", "--idioma", "CASTELLANO"}, 2,
                "", "Idioma desconocido"},
        CasoUso{"FaltaValor", {"exportar", "{muestra}", "--carpeta"}, 2, "", "Falta el valor de la opción --carpeta"},
        CasoUso{"OpcionDesconocida", {"exportar", "{muestra}", "--rapido"}, 2, "", "Opción desconocida: --rapido"},
        CasoUso{"OpcionCorta", {"exportar", "{muestra}", "-x"}, 2, "", "Opción desconocida: -x"},
        CasoUso{"BanderaConValor", {"exportar", "{muestra}", "--todas-plantillas=si"}, 2, "", "no lleva valor"},
        CasoUso{"OpcionRepetida", {"exportar", "{muestra}", "--plantilla", "1", "--plantilla=2"}, 2, "", "repetida"},
        CasoUso{"ImportarSinFichero", {"importar"}, 2, "", "Falta el fichero"},
        CasoUso{"ImportarNoDisponible", {"importar", "{muestra}", "--curso", "2024"}, 1, "", "aún no está disponible"},
        CasoUso{"FicheroQueNoExiste", {"exportar", "{raiz}/no-existe.xml", "--carpeta", "{tablas}"}, 1, "",
                "No existe archivo"},
        CasoUso{"CarpetaQueNoExiste", {"exportar", "{muestra}", "--carpeta", "{raiz}/no-existe"}, 1, "",
                "no-existe"}),
    [](const ::testing::TestParamInfo<CasoUso>& i) { return std::string(i.param.nombre); });

TEST_F(MolvarenCli, ExportarEscribeLasTablasYLoCuenta)
{
    ASSERT_EQ(Ejecutar({"exportar", "{muestra}", "--carpeta", "{tablas}"}), 0) << errores;
    EXPECT_TRUE(errores.empty()) << errores;
    for (const char* trozo : {"Fichero: ", "instituto.xml", "Plantilla: ", "VALENCIÁ", "Filas escritas:", "PROFT",
                              "GRUPOST", "DIASHORAST", "Proceso finalizado"})
        EXPECT_NE(salida.find(trozo), std::string::npos) << trozo << "\n" << salida;
    const DocumentoItaca doc = DocumentoItaca::Cargar(Muestra);
    const auto plantillas = doc.Seleccionar("/centro/plantillas_horario/plantilla_horario");
    EXPECT_EQ(Columna("DIASHORAST", "MARCOXML").front(), LeerAtributo(plantillas[0], "codigo"));
    EXPECT_EQ(Columna("DIASHORAST", "TEXTODIA").front(), "Dilluns");
    EXPECT_EQ(Columna("PROFT", "ABREV").size(), doc.Seleccionar("/centro/docentes/docente").size());
}

TEST_F(MolvarenCli, PlantillaEIdiomaElegidos)
{
    const DocumentoItaca doc = DocumentoItaca::Cargar(Muestra);
    const std::string segunda =
        LeerAtributo(doc.Seleccionar("/centro/plantillas_horario/plantilla_horario")[1], "codigo");
    ASSERT_EQ(Ejecutar({"exportar", "{muestra}", "--carpeta={tablas}", "--plantilla", segunda, "--idioma",
                        "castellano", "--todas-plantillas", "--dejar-sin-clases"}),
              0)
        << errores;
    EXPECT_EQ(Columna("DIASHORAST", "MARCOXML").front(), segunda);
    EXPECT_EQ(Columna("DIASHORAST", "TEXTODIA").front(), "Lunes");
    EXPECT_EQ(Columna("ASIGNOMT", "NOMBRE").front(), "Valenciano: Lengua y Literatura");
    EXPECT_NE(salida.find("CASTELLANO"), std::string::npos);
}

TEST_F(MolvarenCli, CarpetaPorOmisionDeLaVariable)
{
    PonerVariable("MOLVAREN_KTEMP", tablas.string());
    EXPECT_EQ(Ejecutar({"exportar", "{muestra}"}), 0) << errores;
    EXPECT_TRUE(std::filesystem::exists(tablas / "PROFT.DBF"));
}

// El generador de documentos: mismos argumentos, mismos bytes; por la salida
// estándar igual que a fichero; y lo que genera se convierte entero.
TEST_F(MolvarenCli, GeneradorDeterministaYConvertible)
{
    const std::string generador = Citar((std::filesystem::path(MOLVAREN_RAIZ) / "tools" / "generar_itaca.py").string());
    const auto a = raiz / "a.xml", b = raiz / "b.xml";
    ASSERT_EQ(EjecutarPrograma("python3 " + generador + " --megas 0.3 --semilla prueba --salida " + Citar(a.string())), 0);
    ASSERT_EQ(EjecutarPrograma("python3 " + generador + " --megas 0.3 --semilla prueba > " + Citar(b.string())), 0);
    const std::string texto = LeerFichero(a);
    EXPECT_EQ(texto, LeerFichero(b));
    EXPECT_GT(texto.size(), 200000u);
    EXPECT_LT(texto.size(), 450000u);

    ASSERT_EQ(Ejecutar({"exportar", a.string(), "--carpeta", "{tablas}"}), 0) << errores;
    const DocumentoItaca doc = DocumentoItaca::Cargar(a);
    EXPECT_EQ(Columna("GRUPOST", "ABREV").size(), doc.Seleccionar("/centro/grupos/grupo").size());
    EXPECT_GT(Columna("GRUPOST", "ABREV").size(), 8u);
}

struct CasoRechazo {
    const char* nombre;
    std::string documento;   // vacío: la muestra
    std::vector<std::string> opciones;
    std::string enErrores;
};

class RechazoSinTocarTablas : public MolvarenCli, public ::testing::WithParamInterface<CasoRechazo> {};

TEST_P(RechazoSinTocarTablas, EstadoUnoYTablasIntactas)
{
    ASSERT_EQ(Ejecutar({"exportar", "{muestra}", "--carpeta", "{tablas}"}), 0) << errores;
    const auto antes = Instantanea();

    const CasoRechazo& c = GetParam();
    std::vector<std::string> argumentos{"exportar",
                                        c.documento.empty() ? Muestra.string()
                                                            : Escribir("doc.xml", c.documento).string(),
                                        "--carpeta", "{tablas}"};
    argumentos.insert(argumentos.end(), c.opciones.begin(), c.opciones.end());
    EXPECT_EQ(Ejecutar(argumentos), 1);
    EXPECT_NE(errores.find(c.enErrores), std::string::npos) << errores;
    EXPECT_EQ(salida.find("Proceso finalizado"), std::string::npos);
    EXPECT_TRUE(Instantanea() == antes);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, RechazoSinTocarTablas,
    ::testing::Values(
        CasoRechazo{"PlantillaQueNoEsta", "", {"--plantilla", "999"}, "La plantilla \"999\" no está en el documento"},
        CasoRechazo{"PlantillaSinPlantillas",
                    "<?xml version=\"1.0\"?><centro><docentes><docente/><docente/></docentes></centro>",
                    {"--plantilla", "1"},
                    "no tiene plantillas horarias"},
        CasoRechazo{"NoEsXml", "esto no es XML", {}, "doc.xml"},
        CasoRechazo{"RaizQueNoEsCentro", "<?xml version=\"1.0\"?><escuela/>", {}, "centro"},
        CasoRechazo{"SesionIlegible",
                    "<?xml version=\"1.0\"?><centro><plantillas_horario><plantilla_horario codigo=\"1\"/>"
                    "</plantillas_horario><sesiones_horario>"
                    "<sesion_horario plantilla=\"1\" dia_semana=\"L\" sesion_orden=\"1\" hora_desde=\"8:15\" "
                    "hora_hasta=\"9:10\"/><sesion_horario plantilla=\"1\" dia_semana=\"M\" sesion_orden=\"1\"/>"
                    "</sesiones_horario></centro>",
                    {},
                    "'8:' no es un valor entero válido"}),
    [](const ::testing::TestParamInfo<CasoRechazo>& i) { return std::string(i.param.nombre); });

} // namespace
} // namespace molvaren::pruebas
