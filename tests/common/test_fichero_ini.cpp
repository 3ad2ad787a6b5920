// Bandera del anfitrión en Horavex.ini: sólo cambia la clave pedida.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "common/ErrorMolvaren.h"
#include "common/FicheroIni.h"

namespace molvaren {
namespace {

struct CasoIni {
    const char* nombre;
    std::string antes;
    std::string despues;
};

const std::vector<CasoIni> Casos = {
    {"vacio", "", "[Transformadores]\r\nTransformado=1\r\n"},
    {"sustituye_conservando_lo_demas",
     "; comentario\r\n[General]\r\nRuta=C:\\KTEMP\r\n\r\n[Transformadores]\r\nOtro=5\r\nTransformado=0\r\nMas=x\r\n",
     "; comentario\r\n[General]\r\nRuta=C:\\KTEMP\r\n\r\n[Transformadores]\r\nOtro=5\r\nTransformado=1\r\nMas=x\r\n"},
    {"seccion_y_clave_sin_mayusculas", "[TRANSFORMADORES]\r\ntransformado = -1\r\n",
     "[TRANSFORMADORES]\r\nTransformado=1\r\n"},
    {"clave_nueva_antes_del_blanco_que_separa",
     "[Transformadores]\r\nOtro=5\r\n\r\n[Otra]\r\nTransformado=7\r\n",
     "[Transformadores]\r\nOtro=5\r\nTransformado=1\r\n\r\n[Otra]\r\nTransformado=7\r\n"},
    {"seccion_nueva_al_final_sin_fin_de_linea", "[Otra]\r\nA=1",
     "[Otra]\r\nA=1\r\n[Transformadores]\r\nTransformado=1\r\n"},
    {"clave_en_ultima_linea_sin_fin", "[Transformadores]\r\nTransformado=0",
     "[Transformadores]\r\nTransformado=1"},
    {"seccion_vacia_al_final", "[Transformadores]", "[Transformadores]\r\nTransformado=1\r\n"},
    {"texto_windows_1252_intacto", "[Centro]\r\nNombre=IES Val\xE8ncia \xB7 Cl\xE0ssic\r\n",
     "[Centro]\r\nNombre=IES Val\xE8ncia \xB7 Cl\xE0ssic\r\n[Transformadores]\r\nTransformado=1\r\n"},
    {"fines_de_linea_unix_se_respetan", "[Transformadores]\nA=1\n", "[Transformadores]\nA=1\nTransformado=1\n"},
    {"primera_seccion_repetida_gana", "[Transformadores]\r\nX=1\r\n[Transformadores]\r\nTransformado=0\r\n",
     "[Transformadores]\r\nX=1\r\nTransformado=1\r\n[Transformadores]\r\nTransformado=0\r\n"},
    {"clave_comentada_no_cuenta", "[Transformadores]\r\n;Transformado=0\r\n",
     "[Transformadores]\r\n;Transformado=0\r\nTransformado=1\r\n"},
    {"prefijo_de_clave_no_cuenta", "[Transformadores]\r\nTransformados=0\r\n",
     "[Transformadores]\r\nTransformados=0\r\nTransformado=1\r\n"},
    {"marca_utf8_al_principio", "\xEF\xBB\xBF[Transformadores]\r\nTransformado=0\r\n",
     "\xEF\xBB\xBF[Transformadores]\r\nTransformado=1\r\n"},
    {"cabecera_con_blancos", "  [ Transformadores ]  \r\n\tTransformado=0\r\n",
     "  [ Transformadores ]  \r\nTransformado=1\r\n"},
};

// Nombre corto en los informes de gtest.
void PrintTo(const CasoIni& c, std::ostream* os) { *os << c.nombre; }

class ConClaveIni : public ::testing::TestWithParam<CasoIni> {};

TEST_P(ConClaveIni, SoloCambiaLaClave)
{
    EXPECT_EQ(FicheroIni::ConClave(GetParam().antes, "Transformadores", "Transformado", "1"), GetParam().despues);
}

INSTANTIATE_TEST_SUITE_P(Casos, ConClaveIni, ::testing::ValuesIn(Casos),
                         [](const auto& caso) { return std::string(caso.param.nombre); });

class FicheroIniEnDisco : public ::testing::Test {
protected:
    void SetUp() override
    {
        carpeta = std::filesystem::temp_directory_path() /
                  ("molvaren_ini_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(carpeta);
        std::filesystem::create_directories(carpeta);
    }
    void TearDown() override
    {
        std::error_code ec;
        std::filesystem::permissions(carpeta, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(carpeta, ec);
    }
    static std::string Leer(const std::filesystem::path& p)
    {
        std::ifstream f(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }
    std::filesystem::path carpeta;
};

TEST_F(FicheroIniEnDisco, CreaElFicheroYLuegoSustituye)
{
    FicheroIni ini(carpeta / "Horavex.ini");
    ini.EscribirEntero("Transformadores", "Transformado", 0);
    EXPECT_EQ(Leer(carpeta / "Horavex.ini"), "[Transformadores]\r\nTransformado=0\r\n");
    ini.EscribirEntero("Transformadores", "Transformado", -1);
    EXPECT_EQ(Leer(carpeta / "Horavex.ini"), "[Transformadores]\r\nTransformado=-1\r\n");
    // Sin temporales olvidados.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(carpeta), std::filesystem::directory_iterator()), 1);
}

TEST_F(FicheroIniEnDisco, CarpetaInexistenteDaError)
{
    FicheroIni ini(carpeta / "no_existe" / "Horavex.ini");
    try {
        ini.EscribirEntero("Transformadores", "Transformado", 1);
        FAIL() << "debía fallar";
    } catch (const ErrorMolvaren& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + (carpeta / "no_existe" / "Horavex.ini").string());
    }
}

TEST_F(FicheroIniEnDisco, UnaCarpetaConElNombreDelFicheroDaError)
{
    std::filesystem::create_directories(carpeta / "Horavex.ini");
    FicheroIni ini(carpeta / "Horavex.ini");
    EXPECT_THROW(ini.EscribirEntero("Transformadores", "Transformado", 1), ErrorMolvaren);
}

TEST_F(FicheroIniEnDisco, EnlaceSimbolicoSeConserva)
{
    std::ofstream(carpeta / "real.ini", std::ios::binary) << "[A]\r\nB=1\r\n";
    std::error_code ec;
    std::filesystem::create_symlink(carpeta / "real.ini", carpeta / "Horavex.ini", ec);
    if (ec)
        GTEST_SKIP() << "sin enlaces simbólicos aquí";
    FicheroIni(carpeta / "Horavex.ini").EscribirEntero("Transformadores", "Transformado", 1);
    EXPECT_TRUE(std::filesystem::is_symlink(carpeta / "Horavex.ini"));
    EXPECT_EQ(Leer(carpeta / "real.ini"), "[A]\r\nB=1\r\n[Transformadores]\r\nTransformado=1\r\n");
}

} // namespace
} // namespace molvaren
