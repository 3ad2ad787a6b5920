// Entendimiento con otras implementaciones de dBase: TDbf de Free Pascal lee
// las tablas de nivel 7 del motor y escribe tablas que el motor lee;
// python-dbf escribe tablas dBase III que el motor lee.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "common/BaseTablas.h"
#include "common/FicheroDbf.h"
#include "common/Tabla.h"
#include "apoyo/Ficheros.h"

namespace molvaren {
namespace {

namespace fs = std::filesystem;

using pruebas::CarpetaTemporal;

std::string Comillas(const fs::path& p) { return "'" + p.string() + "'"; }

// Ejecuta una orden y devuelve su código de salida; la salida estándar queda
// en "salida".
int Ejecutar(const std::string& orden, std::string& salida)
{
    salida.clear();
    FILE* p = ::popen(orden.c_str(), "r");
    if (!p)
        return -1;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
        salida.append(buf, n);
    const int estado = ::pclose(p);
    return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
}

std::vector<std::string> Lineas(const std::string& texto)
{
    std::vector<std::string> r;
    std::istringstream in(texto);
    for (std::string l; std::getline(in, l);)
        r.push_back(l);
    return r;
}

std::string Hex(const std::string& bytes)
{
    static const char* d = "0123456789ABCDEF";
    std::string r;
    for (unsigned char c : bytes) {
        r.push_back(d[c >> 4]);
        r.push_back(d[c & 15]);
    }
    return r;
}

// --- TDbf --------------------------------------------------------------------

class TDbf : public ::testing::Test {
protected:
    // El programa Pascal se compila una vez por pasada.
    static void SetUpTestSuite()
    {
        const std::string fpc = MOLVAREN_FPC;
        if (fpc.empty() || fpc.find("NOTFOUND") != std::string::npos || !fs::exists(fpc)) {
            motivo_ = "no est\xC3\xA1 instalado fpc (paquete fp-compiler)";
            return;
        }
        const fs::path dir = fs::path(MOLVAREN_INTEROP_BINARIOS) / "tdbf";
        fs::create_directories(dir);
        const fs::path log = dir / "fpc.log";
        std::string salida;
        const int r = Ejecutar(Comillas(fpc) + " -v0 -FE" + Comillas(dir) + " -FU" + Comillas(dir) + " " +
                                   Comillas(MOLVAREN_TDBF_FUENTE) + " > " + Comillas(log) + " 2>&1",
                               salida);
        std::ifstream in(log);
        const std::string texto((std::istreambuf_iterator<char>(in)), {});
        if (r != 0) {
            if (texto.find("Can't find unit dbf") != std::string::npos)
                motivo_ = "falta la unidad dbf de Free Pascal (paquete fp-units-fcl)";
            else
                error_ = "fpc no compila tdbf_prueba.pas:\n" + texto;
            return;
        }
        programa_ = dir / "tdbf_prueba";
    }

    void SetUp() override
    {
        if (!motivo_.empty())
            GTEST_SKIP() << "Sin TDbf: " << motivo_;
        ASSERT_TRUE(error_.empty()) << error_;
    }

    static std::vector<std::string> Leer(const fs::path& fichero)
    {
        std::string salida;
        const int r = Ejecutar(Comillas(programa_) + " leer " + Comillas(fichero) + " 2>&1", salida);
        EXPECT_EQ(r, 0) << salida;
        return Lineas(salida);
    }

    static inline std::string motivo_;
    static inline std::string error_;
    static inline fs::path programa_;
};

Disposicion CamposPrueba()
{
    return {{"ABREV_ITACA", TipoCampo::Caracter, 20, 0},
            {"NOMBRE", TipoCampo::Caracter, 80, 0},
            {"SESION_ORDEN", TipoCampo::Entero, 4, 0},
            {"HORAS", TipoCampo::Flotante, 8, 0},
            {"ESTAREA", TipoCampo::Logico, 1, 0}};
}

TEST_F(TDbf, LeeLasTablasQueEscribeElMotor)
{
    CarpetaTemporal dir;
    Tabla t("PRUEBA", CamposPrueba());
    t.Anadir();
    t.PonerTexto("ABREV_ITACA", "MAT01");
    t.PonerTexto("NOMBRE", "\xC1lgebra i geometria (\xE0)");
    t.PonerEntero("SESION_ORDEN", 3);
    t.PonerFlotante("HORAS", 2.5);
    t.PonerLogico("ESTAREA", true);
    t.Grabar();
    t.Anadir();   // nada puesto
    t.Grabar();
    t.Anadir();
    t.PonerTexto("ABREV_ITACA", "BORRADA");
    t.Grabar();
    t.Borrar();
    t.Anadir();
    t.PonerTexto("ABREV_ITACA", "\xD1" + std::string(30, 'X'));   // se corta a 20
    t.PonerTexto("NOMBRE", "");
    t.PonerEntero("SESION_ORDEN", -7);
    t.PonerFlotante("HORAS", -0.25);
    t.PonerLogico("ESTAREA", false);
    t.Grabar();
    t.Anadir();
    t.PonerEntero("SESION_ORDEN", 2147483647);
    t.PonerFlotante("HORAS", 0.0);
    t.Grabar();
    EscribirDbf(t, dir / "PRUEBA.DBF");

    const std::vector<std::string> esperado = {
        "NIVEL=7;PAGINA=1252",
        "ABREV_ITACA=S:" + Hex("MAT01") + ";NOMBRE=S:" + Hex("\xC1lgebra i geometria (\xE0)") +
            ";SESION_ORDEN=I:3;HORAS=R:2.5;ESTAREA=L:T",
        "ABREV_ITACA=<nulo>;NOMBRE=<nulo>;SESION_ORDEN=<nulo>;HORAS=<nulo>;ESTAREA=<nulo>",
        "ABREV_ITACA=S:" + Hex("\xD1" + std::string(19, 'X')) +
            ";NOMBRE=<nulo>;SESION_ORDEN=I:-7;HORAS=R:-0.25;ESTAREA=L:F",
        "ABREV_ITACA=<nulo>;NOMBRE=<nulo>;SESION_ORDEN=I:2147483647;HORAS=R:0;ESTAREA=<nulo>",
    };
    EXPECT_EQ(Leer(dir / "PRUEBA.DBF"), esperado);
}

TEST_F(TDbf, LeeTodasLasTablasDeTrabajo)
{
    CarpetaTemporal dir;
    {
        BaseTablas base(dir.Ruta());
        for (const char* nombre : TablasDeTrabajo) {
            Tabla& t = base.Recrear(nombre);
            t.Anadir();
            for (const auto& c : t.Campos()) {
                if (c.tipo == TipoCampo::Caracter)
                    t.PonerTexto(c.nombre, std::string(static_cast<size_t>(c.ancho), 'Z'));
                else if (c.tipo == TipoCampo::Logico)
                    t.PonerLogico(c.nombre, true);
                else
                    t.PonerEntero(c.nombre, 4);
            }
            t.Grabar();
        }
        base.Confirmar();
    }
    for (const char* nombre : TablasDeTrabajo) {
        const auto lineas = Leer(dir / (std::string(nombre) + ".DBF"));
        ASSERT_EQ(lineas.size(), 2u) << nombre;
        EXPECT_EQ(lineas[0], "NIVEL=7;PAGINA=1252") << nombre;
        std::string esperada;
        for (const auto& c : DisposicionDe(nombre)) {
            if (!esperada.empty())
                esperada += ';';
            esperada += c.nombre + '=';
            if (c.tipo == TipoCampo::Caracter)
                esperada += "S:" + Hex(std::string(static_cast<size_t>(c.ancho), 'Z'));
            else if (c.tipo == TipoCampo::Logico)
                esperada += "L:T";
            else if (c.tipo == TipoCampo::Entero)
                esperada += "I:4";
            else
                esperada += "R:4";
        }
        EXPECT_EQ(lineas[1], esperada) << nombre;
    }
}

TEST_F(TDbf, ElMotorLeeLasTablasQueEscribeTDbf)
{
    CarpetaTemporal dir;
    const fs::path f = dir / "TDBF.DBF";
    std::string salida;
    ASSERT_EQ(Ejecutar(Comillas(programa_) + " escribir " + Comillas(f) + " 2>&1", salida), 0) << salida;

    Tabla t = LeerDbf(f, "TDBF");
    ASSERT_EQ(t.Campos().size(), 5u);
    EXPECT_EQ(t.Campos()[0].nombre, "ABREV_ITACA");
    EXPECT_EQ(t.Campos()[2].tipo, TipoCampo::Entero);
    EXPECT_EQ(t.Campos()[3].tipo, TipoCampo::Flotante);
    EXPECT_EQ(t.Campos()[4].tipo, TipoCampo::Logico);
    EXPECT_EQ(t.NumFilas(), 3u);

    t.Primero();
    EXPECT_EQ(t.LeerTexto("ABREV_ITACA"), "MAT01");
    EXPECT_EQ(t.LeerTexto("NOMBRE"), "\xC1lgebra i geometria (\xE0)");
    EXPECT_EQ(t.LeerEntero("SESION_ORDEN"), 3);
    EXPECT_EQ(t.LeerFlotante("HORAS"), 2.5);
    EXPECT_EQ(t.LeerLogico("ESTAREA"), true);

    t.Siguiente();
    EXPECT_EQ(t.LeerTexto("ABREV_ITACA"), "");
    EXPECT_EQ(t.LeerEntero("SESION_ORDEN"), std::nullopt);
    EXPECT_EQ(t.LeerFlotante("HORAS"), std::nullopt);
    EXPECT_EQ(t.LeerLogico("ESTAREA"), std::nullopt);

    t.Siguiente();   // la borrada no se ve, pero cuenta en el número
    EXPECT_EQ(t.NumRegistro(), 4);
    EXPECT_EQ(t.LeerTexto("ABREV_ITACA"), "\xD1");
    EXPECT_EQ(t.LeerEntero("SESION_ORDEN"), -7);
    EXPECT_EQ(t.LeerFlotante("HORAS"), -0.25);
    EXPECT_EQ(t.LeerLogico("ESTAREA"), false);

    t.Siguiente();
    EXPECT_TRUE(t.Fin());
}

// --- python-dbf ----------------------------------------------------------------

TEST(PythonDbf, ElMotorLeeTablasDbase3)
{
    const std::string python = MOLVAREN_PYTHON;
    std::string salida;
    if (!fs::exists(python))
        GTEST_SKIP() << "Sin python-dbf: no existe " << python;
    if (Ejecutar(Comillas(python) + " -c 'import dbf' 2>&1", salida) != 0)
        GTEST_SKIP() << "Sin python-dbf: " << python << " no tiene el módulo dbf (paquete python3-dbf)";

    CarpetaTemporal dir;
    const fs::path f = dir / "DB3.DBF";
    ASSERT_EQ(Ejecutar(Comillas(python) + " " + Comillas(MOLVAREN_GUION_DB3) + " " + Comillas(f) + " 2>&1", salida),
              0)
        << salida;

    Tabla t = LeerDbf(f, "DB3");
    EXPECT_EQ(t.NumFilas(), 3u);
    struct Fila {
        int registro;
        std::string asig, dia, hora, fecha;
        std::optional<bool> fija;
    };
    const std::vector<Fila> esperadas = {{1, "Val\xE8ncia", "1", "3.50", "20240131", true},
                                         {3, "\xD1", "", "", "", std::nullopt},
                                         {4, "MAT", "12", "-7.25", "19991231", false}};
    size_t i = 0;
    for (t.Primero(); !t.Fin(); t.Siguiente(), ++i) {
        ASSERT_LT(i, esperadas.size());
        const auto& e = esperadas[i];
        EXPECT_EQ(t.NumRegistro(), e.registro);
        EXPECT_EQ(t.LeerTexto("ASIG"), e.asig);
        EXPECT_EQ(t.LeerTexto("DIA"), e.dia);
        EXPECT_EQ(t.LeerTexto("HORA"), e.hora);
        EXPECT_EQ(t.LeerTexto("FECHA"), e.fecha);
        EXPECT_EQ(t.LeerLogico("FIJA"), e.fija);
    }
    EXPECT_EQ(i, esperadas.size());
    ASSERT_TRUE(t.Localizar("ASIG", "MAT"));
    EXPECT_EQ(t.LeerEntero("DIA"), 12);
    EXPECT_EQ(t.LeerFlotante("HORA"), -7.25);
}

} // namespace
} // namespace molvaren
