// Ficheros .DBF: escritura de nivel 7 byte a byte y lectura tolerante de
// tablas escritas por otros programas, con ficheros hechos a mano.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <functional>
#include <random>

#include "common/ErrorMolvaren.h"
#include "common/FicheroDbf.h"
#include "common/TablaDatos.h"
#include "test_tabla_ayudas.h"

namespace molvaren {
namespace {

using prueba::CarpetaTemporal;
using prueba::EscribirFichero;
using prueba::LeerFichero;

// --- Construcción de ficheros a mano ----------------------------------------

struct CampoHecho {
    std::string nombre;
    char tipo;
    int ancho;
    int decimales = 0;
    unsigned char banderas = 0;   // Visual FoxPro
};

std::string Le(uint64_t v, int n)
{
    std::string s;
    for (int i = 0; i < n; ++i, v >>= 8)
        s.push_back(static_cast<char>(v & 0xFF));
    return s;
}

std::string Be(uint64_t v, int n)
{
    std::string s = Le(v, n);
    return std::string(s.rbegin(), s.rend());
}

std::string Izq(const std::string& s, size_t n) { return s + std::string(n - s.size(), ' '); }

bool EsNivel7(unsigned char version) { return (version & 0x07) == 0x04; }
bool EsVfp(unsigned char version) { return version >= 0x30 && version <= 0x32; }

// Fichero completo. filas: bytes de cada fila con su marca de borrado.
// filasCabecera < 0: las que haya.
std::string FicheroHecho(unsigned char version, const std::vector<CampoHecho>& campos,
                         const std::vector<std::string>& filas, bool fin1A = true, long filasCabecera = -1)
{
    const bool n7 = EsNivel7(version);
    int tamFila = 1;
    for (const auto& c : campos)
        tamFila += c.ancho;
    std::string desc;
    for (const auto& c : campos) {
        if (n7) {
            std::string d(48, '\0');
            d.replace(0, c.nombre.size(), c.nombre);
            d[32] = c.tipo;
            d[33] = static_cast<char>(c.ancho);
            d[34] = static_cast<char>(c.decimales);
            desc += d;
        } else {
            std::string d(32, '\0');
            d.replace(0, c.nombre.size(), c.nombre);
            d[11] = c.tipo;
            d[16] = static_cast<char>(c.ancho & 0xFF);
            d[17] = static_cast<char>(c.decimales);
            d[18] = static_cast<char>(c.banderas);
            desc += d;
        }
    }
    desc.push_back('\x0D');
    if (EsVfp(version))
        desc += std::string(263, '\0');
    std::string cab(n7 ? 68 : 32, '\0');
    cab[0] = static_cast<char>(version);
    cab.replace(1, 3, "\x7C\x01\x0F");
    const size_t tamCab = cab.size() + desc.size();
    cab.replace(4, 4, Le(filasCabecera < 0 ? filas.size() : static_cast<uint64_t>(filasCabecera), 4));
    cab.replace(8, 2, Le(tamCab, 2));
    cab.replace(10, 2, Le(static_cast<uint64_t>(tamFila), 2));
    if (n7)
        cab.replace(32, 8, "DBWINUS0");
    std::string r = cab + desc;
    for (const auto& f : filas)
        r += f;
    if (fin1A)
        r.push_back('\x1A');
    return r;
}

// --- Lectura de cada versión y tipo de campo --------------------------------

struct CasoLectura {
    const char* nombre;
    unsigned char version;
    std::vector<CampoHecho> campos;
    std::vector<std::string> filas;
    std::vector<std::vector<std::string>> esperado;   // LeerTexto de cada fila viva
    std::vector<int> registros = {};                       // NumRegistro de cada fila viva
};

class LecturaTolerante : public ::testing::TestWithParam<CasoLectura> {};

TEST_P(LecturaTolerante, LeeLosValoresDeCadaFilaViva)
{
    const auto& c = GetParam();
    CarpetaTemporal dir;
    const auto f = dir / "SOLUC.DBF";
    EscribirFichero(f, FicheroHecho(c.version, c.campos, c.filas));
    Tabla t = LeerDbf(f, "SOLUC");
    ASSERT_EQ(t.NumFilas(), c.esperado.size());
    size_t i = 0;
    for (t.Primero(); !t.Fin(); t.Siguiente(), ++i) {
        for (size_t k = 0; k < c.esperado[i].size(); ++k) {
            EXPECT_EQ(t.LeerTexto(t.Campos()[k].nombre), c.esperado[i][k]) << "fila " << i << " campo " << k;
        }
        if (!c.registros.empty()) {
            EXPECT_EQ(t.NumRegistro(), c.registros[i]);
        }
    }
    EXPECT_FALSE(t.Modificada());
}

const std::vector<CampoHecho> CamposClasicos = {
    {"ASIG", 'C', 10}, {"DIA", 'N', 3}, {"HORA", 'F', 6, 2}, {"FIJA", 'L', 1}, {"FECHA", 'D', 8}};

INSTANTIATE_TEST_SUITE_P(
    Casos, LecturaTolerante,
    ::testing::Values(
        CasoLectura{"dbase3_c_n_f_l_d",
                    0x03,
                    CamposClasicos,
                    {" " + Izq("Val\xE8ncia", 10) + "  1" + "  3.50" + "T" + "20240131",
                     " " + Izq("MAT", 10) + " 12" + "    7." + "F" + Izq("", 8)},
                    {{"Val\xE8ncia", "1", "3.50", "T", "20240131"}, {"MAT", "12", "7.", "F", ""}}},
        CasoLectura{"dbase3_con_memo_0x83", 0x83, CamposClasicos, {" " + Izq("X", 10) + "  0" + "  0.00" + "?" + Izq("", 8)},
                    {{"X", "0", "0.00", "", ""}}},
        CasoLectura{"dbase4_0x8B_logico_en_blanco", 0x8B, CamposClasicos, {" " + Izq("Y", 10) + "  2" + "  1.00" + " " + "19991231"},
                    {{"Y", "2", "1.00", "", "19991231"}}},
        CasoLectura{"borradas_se_saltan_y_los_numeros_las_cuentan",
                    0x03,
                    {{"ASIG", 'C', 3}},
                    {" AAA", "*BBB", " CCC", "*DDD"},
                    {{"AAA"}, {"CCC"}},
                    {1, 3}},
        CasoLectura{"texto_relleno_con_ceros", 0x03, {{"ASIG", 'C', 5}}, {std::string(" AB\0\0\0", 6)}, {{"AB"}}},
        CasoLectura{"nivel7_i_o_l_arroba_mas",
                    0x04,
                    {{"SESION_ORDEN", 'I', 4}, {"HORAS", 'O', 8}, {"ESTAREA", 'L', 1}, {"CUANDO", '@', 8},
                     {"NUM", '+', 4}},
                    {" " + Be(0x80000005, 4) + Be(0xC004000000000000ull, 8) + "T" +
                         // 2024-01-31 10:20:30 en milisegundos de BDE
                         Be(std::bit_cast<uint64_t>(63842379630000.0), 8) + Be(0x80000001, 4),
                     " " + std::string(4, '\0') + std::string(8, '\0') + " " + std::string(8, '\0') +
                         Be(0x80000002, 4),
                     " " + Be(0x7FFFFFFF, 4) + Be(0x400FFFFFFFFFFFFFull, 8) + "F" + std::string(8, '\0') +
                         Be(0x80000003, 4)},
                    {{"5", "2.5", "T", "2024-01-31 10:20:30", "1"}, {"", "", "", "", "2"}, {"-1", "-1", "F", "", "3"}}},
        CasoLectura{"nivel7_con_memo_0x8C", 0x8C, {{"ABREV", 'C', 4}, {"N", 'I', 4}},
                    {" AB  " + Be(0x80000000, 4)}, {{"AB", "0"}}},
        CasoLectura{"visual_foxpro_0x30_i_b_y_t",
                    0x30,
                    {{"ASIG", 'C', 4}, {"DIA", 'I', 4}, {"HORAS", 'B', 8}, {"PRECIO", 'Y', 8}, {"CUANDO", 'T', 8}},
                    {" MAT " + Le(static_cast<uint32_t>(-3), 4) + Le(std::bit_cast<uint64_t>(1.5), 8) +
                     Le(125000, 8) + Le(2460341, 4) + Le(37230000, 4)}, // 2024-01-31 10:20:30
                    {{"MAT", "-3", "1.5", "12.5", "2024-01-31 10:20:30"}}},
        CasoLectura{"visual_foxpro_0x31_autoincremento", 0x31, {{"ID", 'I', 4, 0, 0x0C}, {"ASIG", 'C', 2}},
                    {" " + Le(7, 4) + "AB"}, {{"7", "AB"}}},
        CasoLectura{"visual_foxpro_0x32_nulos",
                    0x32,
                    {{"DIA", 'I', 4, 0, 0x02}, {"ASIG", 'V', 5, 0, 0x02}, {"_NullFlags", '0', 1, 0, 0x05}},
                    {" " + Le(4, 4) + std::string("MAT\0\x03", 5) + std::string(1, '\x02'), " " + Le(0, 4) + "LENGU" + std::string(1, '\x01'),
                     " " + Le(9, 4) + "     " + std::string(1, '\x04')},
                    {{"4", "MAT"}, {"", "LENGU"}, {"9", ""}}}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

TEST(LeerDbf, NumerosEnTextoSeLeenComoNumeros)
{
    CarpetaTemporal dir;
    EscribirFichero(dir / "SOLUC.DBF", FicheroHecho(0x03, CamposClasicos, {" " + Izq("X", 10) + "  4" + "  2.00" + "T" + Izq("", 8)}));
    Tabla t = LeerDbf(dir / "SOLUC.DBF", "SOLUC");
    t.Primero();
    EXPECT_EQ(t.LeerEntero("DIA"), 4);
    EXPECT_EQ(t.LeerFlotante("HORA"), 2.0);
    EXPECT_EQ(t.LeerEntero("HORA"), 2);
    EXPECT_EQ(t.LeerTexto("HORA"), "2.00");
    EXPECT_EQ(t.LeerLogico("FIJA"), true);
    EXPECT_TRUE(t.TieneCampo("asig"));
}

TEST(LeerDbf, SinMarcaDeFinSeAcepta)
{
    CarpetaTemporal dir;
    EscribirFichero(dir / "T.DBF", FicheroHecho(0x03, {{"A", 'C', 2}}, {" XY", " ZW"}, false));
    Tabla t = LeerDbf(dir / "T.DBF", "T");
    EXPECT_EQ(t.NumFilas(), 2u);
}

// --- Ficheros que no son tablas o están cortados ----------------------------

struct CasoMalo {
    const char* nombre;
    std::string bytes;
    const char* palabra;   // "cortado" o "no es"
};

std::string TablaBuena()
{
    return FicheroHecho(0x04, {{"ABREV", 'C', 10}, {"N", 'I', 4}},
                        {" A         " + Be(0x80000001, 4), " B         " + Be(0x80000002, 4)});
}

class FicheroMalo : public ::testing::TestWithParam<CasoMalo> {};

TEST_P(FicheroMalo, ErrorClaroQueNombraElFichero)
{
    CarpetaTemporal dir;
    const auto f = dir / "PROFT.DBF";
    EscribirFichero(f, GetParam().bytes);
    try {
        (void)LeerDbf(f, "PROFT");
        FAIL() << "se esperaba ErrorMolvaren";
    } catch (const ErrorMolvaren& e) {
        const std::string m = e.what();
        EXPECT_NE(m.find(RutaParaMensaje(f)), std::string::npos) << m;
        EXPECT_NE(m.find(GetParam().palabra), std::string::npos) << m;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FicheroMalo,
    ::testing::Values(
        CasoMalo{"vacio", "", "no es"}, CasoMalo{"texto", "hola, esto no es una tabla\n", "no es"},
        CasoMalo{"cabecera_cortada", TablaBuena().substr(0, 20), "cortado"},
        CasoMalo{"descriptores_cortados", TablaBuena().substr(0, 100), "cortado"},
        CasoMalo{"faltan_filas",
                 FicheroHecho(0x03, {{"A", 'C', 2}}, {" XY", " ZW"}, false, 3), "cortado"},
        CasoMalo{"fila_a_medias", TablaBuena().substr(0, TablaBuena().size() - 5), "cortado"},
        CasoMalo{"sin_fin_de_campos",
                 [] {
                     std::string b = FicheroHecho(0x03, {{"A", 'C', 2}}, {" XY"});
                     b[64] = 'B';   // el 0x0D pasa a ser parte de un nombre
                     return b;
                 }(),
                 "no es"},
        CasoMalo{"campos_mas_largos_que_la_fila",
                 [] {
                     std::string b = FicheroHecho(0x03, {{"A", 'C', 2}}, {" XY"});
                     b[10] = 2;   // la fila dice 2 bytes y el campo pide 2 más la marca
                     return b;
                 }(),
                 "no es"},
        CasoMalo{"entero_de_ancho_raro", FicheroHecho(0x04, {{"N", 'I', 7}}, {" 1234567"}), "no es"},
        CasoMalo{"cabecera_de_tamano_cero",
                 [] {
                     std::string b = FicheroHecho(0x03, {{"A", 'C', 2}}, {" XY"});
                     b[8] = b[9] = 0;
                     return b;
                 }(),
                 "no es"}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

// Cualquier trozo inicial de una tabla buena: o se lee (si sólo falta el 0x1A)
// o da ErrorMolvaren; nunca se lee fuera del fichero (lo vigilan los
// sanitizadores).
TEST(LeerDbf, TodoTrozoInicialSeLeeOFallaLimpio)
{
    CarpetaTemporal dir;
    const std::string buena = TablaBuena();
    for (size_t n = 0; n < buena.size(); ++n) {
        EscribirFichero(dir / "T.DBF", buena.substr(0, n));
        if (n == buena.size() - 1)
            EXPECT_NO_THROW((void)LeerDbf(dir / "T.DBF", "T"));
        else
            EXPECT_THROW((void)LeerDbf(dir / "T.DBF", "T"), ErrorMolvaren) << "longitud " << n;
    }
}

TEST(LeerDbf, CabecerasEstropeadasAlAzarNuncaRompen)
{
    CarpetaTemporal dir;
    std::mt19937 azar(7);
    const std::string buena = FicheroHecho(0x30, {{"A", 'C', 3}, {"N", 'I', 4, 0, 0x02}, {"_NULLFLAGS", '0', 1, 0, 5}},
                                           {" ABC" + Le(1, 4) + '\0', " DEF" + Le(2, 4) + '\x01'});
    for (int i = 0; i < 400; ++i) {
        std::string b = buena;
        for (unsigned k = 0; k < 1 + azar() % 4; ++k)
            b[azar() % 48] = static_cast<char>(azar() % 256);
        EscribirFichero(dir / "T.DBF", b);
        try {
            Tabla t = LeerDbf(dir / "T.DBF", "T");
            for (t.Primero(); !t.Fin(); t.Siguiente())
                for (const auto& c : t.Campos())
                    (void)t.LeerTexto(c.nombre);
        } catch (const ErrorMolvaren&) {
        }
    }
}

// --- Escritura de nivel 7 ---------------------------------------------------

TEST(EscribirDbf, CabeceraDeNivel7)
{
    CarpetaTemporal dir;
    Tabla t("DIASHORAST", DisposicionDe("DIASHORAST"));
    t.Anadir();
    t.PonerTexto("DIHO", "L1");
    t.PonerEntero("SESION_ORDEN", 1);
    t.Grabar();
    EscribirDbf(t, dir / "DIASHORAST.DBF");
    const std::string b = LeerFichero(dir / "DIASHORAST.DBF");
    const size_t nCampos = t.Campos().size();
    const size_t tamCab = 68 + 48 * nCampos + 1;
    size_t tamFila = 1;
    for (const auto& c : t.Campos())
        tamFila += static_cast<size_t>(c.ancho);
    ASSERT_EQ(b.size(), tamCab + tamFila + 1);
    EXPECT_EQ(static_cast<unsigned char>(b[0]), 0x04);
    EXPECT_EQ(b.substr(4, 4), Le(1, 4));
    EXPECT_EQ(b.substr(8, 2), Le(tamCab, 2));
    EXPECT_EQ(b.substr(10, 2), Le(tamFila, 2));
    EXPECT_EQ(static_cast<unsigned char>(b[28]), 0x00);   // sin .MDX
    EXPECT_EQ(b.substr(32, 9), std::string("DBWINUS0\0", 9));
    const size_t ultimo = 68 + 48 * (nCampos - 1);
    EXPECT_EQ(b.substr(ultimo, 13), std::string("SESION_ORDEN\0", 13));
    EXPECT_EQ(b[ultimo + 32], 'I');
    EXPECT_EQ(b[ultimo + 33], 4);
    EXPECT_EQ(b[tamCab - 1], '\x0D');
    EXPECT_EQ(b[tamCab], ' ');
    EXPECT_EQ(b.substr(tamCab + 1, 10), "L1        ");
    EXPECT_EQ(b.substr(tamCab + tamFila - 4, 4), Be(0x80000001, 4));
    EXPECT_EQ(b.back(), '\x1A');
}

struct CasoCodificacion {
    const char* nombre;
    std::function<void(Tabla&)> poner;   // sobre la fila en alta
    size_t desde;                         // posición del campo en la fila
    std::string bytes;
};

Disposicion CamposCodificacion()
{
    return {{"N", TipoCampo::Entero, 4, 0}, {"R", TipoCampo::Flotante, 8, 0}, {"L", TipoCampo::Logico, 1, 0},
            {"C", TipoCampo::Caracter, 4, 0}};
}

class Codificacion7 : public ::testing::TestWithParam<CasoCodificacion> {};

TEST_P(Codificacion7, BytesDelCampoYVuelta)
{
    CarpetaTemporal dir;
    Tabla t("T", CamposCodificacion());
    t.Anadir();
    GetParam().poner(t);
    t.Grabar();
    EscribirDbf(t, dir / "T.DBF");
    const std::string b = LeerFichero(dir / "T.DBF");
    const size_t fila = 68 + 48 * 4 + 1;
    EXPECT_EQ(b.substr(fila + GetParam().desde, GetParam().bytes.size()), GetParam().bytes);

    // Lo leído es lo puesto.
    Tabla r = LeerDbf(dir / "T.DBF", "T");
    r.Primero();
    for (const char* campo : {"N", "R", "L", "C"})
        EXPECT_EQ(r.LeerTexto(campo), t.LeerTexto(campo)) << campo;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Codificacion7,
    ::testing::Values(
        CasoCodificacion{"entero_uno", [](Tabla& tb) { tb.PonerEntero("N", 1); }, 1, Be(0x80000001, 4)},
        CasoCodificacion{"entero_cero", [](Tabla& tb) { tb.PonerEntero("N", 0); }, 1, Be(0x80000000, 4)},
        CasoCodificacion{"entero_menos_uno", [](Tabla& tb) { tb.PonerEntero("N", -1); }, 1, Be(0x7FFFFFFF, 4)},
        CasoCodificacion{"entero_maximo", [](Tabla& tb) { tb.PonerEntero("N", 2147483647); }, 1, Be(0xFFFFFFFF, 4)},
        CasoCodificacion{"entero_minimo_admitido", [](Tabla& tb) { tb.PonerEntero("N", -2147483647); }, 1,
                         Be(0x00000001, 4)},
        CasoCodificacion{"entero_sin_valor", [](Tabla&) {}, 1, std::string(4, '\0')},
        CasoCodificacion{"real_uno", [](Tabla& tb) { tb.PonerFlotante("R", 1.0); }, 5, Be(0xBFF0000000000000ull, 8)},
        CasoCodificacion{"real_cero", [](Tabla& tb) { tb.PonerFlotante("R", 0.0); }, 5, Be(0x8000000000000000ull, 8)},
        CasoCodificacion{"real_menos_uno", [](Tabla& tb) { tb.PonerFlotante("R", -1.0); }, 5,
                         Be(0x400FFFFFFFFFFFFFull, 8)},
        CasoCodificacion{"real_sin_valor", [](Tabla&) {}, 5, std::string(8, '\0')},
        CasoCodificacion{"logico_verdadero", [](Tabla& tb) { tb.PonerLogico("L", true); }, 13, "T"},
        CasoCodificacion{"logico_falso", [](Tabla& tb) { tb.PonerLogico("L", false); }, 13, "F"},
        CasoCodificacion{"logico_sin_valor", [](Tabla&) {}, 13, " "},
        CasoCodificacion{"texto_relleno_de_blancos", [](Tabla& tb) { tb.PonerTexto("C", "\xC1"); }, 14, "\xC1   "},
        CasoCodificacion{"texto_cortado", [](Tabla& tb) { tb.PonerTexto("C", "ABCDEFG"); }, 14, "ABCD"}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

TEST(EscribirDbf, IdaYVueltaConservaFilasBorradasYSusNumeros)
{
    CarpetaTemporal dir;
    Tabla t("ASIGT", DisposicionDe("ASIGT"));
    for (const char* c : {"A", "B", "C"}) {
        t.Anadir();
        t.PonerTexto("CASIG", c);
        t.PonerFlotante("HORAS", 4);
        t.Grabar();
    }
    ASSERT_TRUE(t.Localizar("CASIG", "B"));
    t.Borrar();
    EscribirDbf(t, dir / "ASIGT.DBF");

    Tabla r = LeerDbf(dir / "ASIGT.DBF", "ASIGT");
    EXPECT_EQ(r.NumFilas(), 2u);
    ASSERT_TRUE(r.Localizar("CASIG", "C"));
    EXPECT_EQ(r.NumRegistro(), 3);
    EXPECT_EQ(r.LeerFlotante("HORAS"), 4.0);
    EXPECT_EQ(r.Campos().size(), t.Campos().size());
    for (size_t i = 0; i < r.Campos().size(); ++i) {
        EXPECT_EQ(r.Campos()[i].nombre, t.Campos()[i].nombre);
        EXPECT_EQ(r.Campos()[i].tipo, t.Campos()[i].tipo);
        EXPECT_EQ(r.Campos()[i].ancho, t.Campos()[i].ancho);
    }
}

TEST(EscribirDbf, NoDejaTemporalesYSustituyeElFichero)
{
    CarpetaTemporal dir;
    EscribirFichero(dir / "T.DBF", "viejo");
    Tabla t("T", CamposCodificacion());
    EscribirDbf(t, dir / "T.DBF");
    EXPECT_EQ(prueba::Ficheros(dir.Ruta()), std::vector<std::string>{"T.DBF"});
    EXPECT_EQ(LeerDbf(dir / "T.DBF", "T").NumFilas(), 0u);
}

TEST(EscribirDbf, NombreDeCampoQueNoCabeEsUnError)
{
    CarpetaTemporal dir;
    Tabla t("T", {{std::string(32, 'X'), TipoCampo::Caracter, 2, 0}});
    EXPECT_THROW(EscribirDbf(t, dir / "T.DBF"), ErrorMolvaren);
    EXPECT_TRUE(prueba::Ficheros(dir.Ruta()).empty());
}

} // namespace
} // namespace molvaren
