// Tabla en memoria: lo que la conversión espera del motor de tablas.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "common/ErrorMolvaren.h"
#include "common/Tabla.h"

namespace molvaren {
namespace {

Disposicion CamposPrueba()
{
    return {{"CLAVE", TipoCampo::Caracter, 10, 0}, {"CPROF", TipoCampo::Caracter, 10, 0},
            {"NOMBRE", TipoCampo::Caracter, 80, 0}, {"HORAS", TipoCampo::Flotante, 8, 0},
            {"ORDEN", TipoCampo::Entero, 4, 0},     {"ESTAREA", TipoCampo::Logico, 1, 0}};
}

// Tabla con filas (CLAVE, CPROF) dadas en orden de alta.
Tabla TablaCon(const std::vector<std::pair<std::string, std::string>>& filas)
{
    Tabla t("ASIGT", CamposPrueba());
    for (const auto& [clave, prof] : filas) {
        t.Anadir();
        t.PonerTexto("CLAVE", clave);
        t.PonerTexto("CPROF", prof);
        t.Grabar();
    }
    return t;
}

struct CasoTexto {
    const char* nombre;
    std::string puesto;
    std::string leido;
};

class TextoGuardado : public ::testing::TestWithParam<CasoTexto> {};

TEST_P(TextoGuardado, SeCortaAlAnchoYSeLeeSinBlancosFinales)
{
    Tabla t("PROFT", CamposPrueba());
    t.Anadir();
    t.PonerTexto("NOMBRE", GetParam().puesto);
    t.Grabar();
    t.Primero();
    EXPECT_EQ(t.LeerTexto("NOMBRE"), GetParam().leido);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, TextoGuardado,
    ::testing::Values(CasoTexto{"noventa_quedan_ochenta", std::string(80, 'A') + std::string(10, 'B'),
                                std::string(80, 'A')},
                      CasoTexto{"corto", "AB", "AB"}, CasoTexto{"vacio", "", ""}, CasoTexto{"solo_blancos", "   ", ""},
                      CasoTexto{"blancos_iniciales_se_quedan", "  X  ", "  X"},
                      CasoTexto{"corte_que_deja_blancos_al_final", std::string(79, 'A') + "  Z", std::string(79, 'A')},
                      CasoTexto{"acentos_windows_1252", "VALENCI\xC1 \xD1", "VALENCI\xC1 \xD1"}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

TEST(Tabla, CamposNuncaPuestosSeLeenVaciosOSinValor)
{
    Tabla t("ASIGT", CamposPrueba());
    t.Anadir();
    t.Grabar();
    t.Primero();
    EXPECT_EQ(t.LeerTexto("NOMBRE"), "");
    EXPECT_EQ(t.LeerEntero("ORDEN"), std::nullopt);
    EXPECT_EQ(t.LeerFlotante("HORAS"), std::nullopt);
    EXPECT_EQ(t.LeerLogico("ESTAREA"), std::nullopt);
    EXPECT_EQ(t.LeerTexto("ORDEN"), "");
    EXPECT_EQ(t.LeerTexto("HORAS"), "");
    EXPECT_EQ(t.LeerTexto("ESTAREA"), "");
}

struct CasoForma {
    const char* nombre;
    std::function<void(Tabla&)> poner;
    const char* campo;
    std::string texto;
};

class FormaDeTexto : public ::testing::TestWithParam<CasoForma> {};

TEST_P(FormaDeTexto, LeerTextoDeCamposNoDeCaracter)
{
    Tabla t("ASIGT", CamposPrueba());
    t.Anadir();
    GetParam().poner(t);
    t.Grabar();
    EXPECT_EQ(t.LeerTexto(GetParam().campo), GetParam().texto);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FormaDeTexto,
    ::testing::Values(CasoForma{"entero", [](Tabla& tb) { tb.PonerEntero("ORDEN", 42); }, "ORDEN", "42"},
                      CasoForma{"entero_negativo", [](Tabla& tb) { tb.PonerEntero("ORDEN", -7); }, "ORDEN", "-7"},
                      CasoForma{"entero_cero", [](Tabla& tb) { tb.PonerEntero("ORDEN", 0); }, "ORDEN", "0"},
                      CasoForma{"real_sin_decimales", [](Tabla& tb) { tb.PonerFlotante("HORAS", 4.0); }, "HORAS", "4"},
                      CasoForma{"real_corto", [](Tabla& tb) { tb.PonerFlotante("HORAS", 0.1); }, "HORAS", "0.1"},
                      CasoForma{"real_negativo", [](Tabla& tb) { tb.PonerFlotante("HORAS", -2.5); }, "HORAS", "-2.5"},
                      CasoForma{"real_grande_sin_exponente", [](Tabla& tb) { tb.PonerFlotante("HORAS", 1e21); },
                                "HORAS", "1000000000000000000000"},
                      CasoForma{"logico_verdadero", [](Tabla& tb) { tb.PonerLogico("ESTAREA", true); }, "ESTAREA", "T"},
                      CasoForma{"logico_falso", [](Tabla& tb) { tb.PonerLogico("ESTAREA", false); }, "ESTAREA", "F"},
                      CasoForma{"entero_desde_texto", [](Tabla& tb) { tb.PonerTexto("ORDEN", " 12 "); }, "ORDEN", "12"},
                      CasoForma{"texto_vacio_deja_entero_sin_valor",
                                [](Tabla& tb) {
                                    tb.PonerEntero("ORDEN", 3);
                                    tb.PonerTexto("ORDEN", "");
                                },
                                "ORDEN", ""},
                      CasoForma{"entero_en_campo_de_texto", [](Tabla& tb) { tb.PonerEntero("CLAVE", 123); }, "CLAVE",
                                "123"}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

TEST(Tabla, LecturaNumericaDeValoresPuestos)
{
    Tabla t("ASIGT", CamposPrueba());
    t.Anadir();
    t.PonerFlotante("HORAS", 3.0);
    t.PonerEntero("ORDEN", 2147483647);
    t.PonerLogico("ESTAREA", true);
    t.PonerTexto("CLAVE", "15");
    t.Grabar();
    EXPECT_EQ(t.LeerFlotante("HORAS"), 3.0);
    EXPECT_EQ(t.LeerEntero("HORAS"), 3);
    EXPECT_EQ(t.LeerEntero("ORDEN"), 2147483647);
    EXPECT_EQ(t.LeerLogico("ESTAREA"), true);
    EXPECT_EQ(t.LeerEntero("CLAVE"), 15);
    EXPECT_EQ(t.LeerFlotante("CLAVE"), 15.0);
}

struct CasoError {
    const char* nombre;
    std::function<void(Tabla&)> accion;
};

class ErroresDeUso : public ::testing::TestWithParam<CasoError> {};

TEST_P(ErroresDeUso, LanzanErrorMolvaren)
{
    Tabla t = TablaCon({{"A", "P1"}});
    t.Primero();
    EXPECT_THROW(GetParam().accion(t), ErrorMolvaren);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ErroresDeUso,
    ::testing::Values(CasoError{"campo_que_no_existe", [](Tabla& tb) { (void)tb.LeerTexto("NOEXISTE"); }},
                      CasoError{"poner_sin_editar", [](Tabla& tb) { tb.PonerTexto("CLAVE", "X"); }},
                      CasoError{"localizar_con_menos_valores",
                                [](Tabla& tb) { (void)tb.Localizar("CLAVE;CPROF", std::vector<std::string>{"A"}); }},
                      CasoError{"localizar_campo_que_no_existe", [](Tabla& tb) { (void)tb.Localizar("NADA", "A"); }},
                      CasoError{"entero_fuera_de_32_bits",
                                [](Tabla& tb) {
                                    tb.Editar();
                                    tb.PonerEntero("ORDEN", 2147483648LL);
                                }},
                      CasoError{"entero_minimo_es_la_marca_de_vacio",
                                [](Tabla& tb) {
                                    tb.Editar();
                                    tb.PonerEntero("ORDEN", -2147483648LL);
                                }},
                      CasoError{"texto_no_numerico_en_entero",
                                [](Tabla& tb) {
                                    tb.Editar();
                                    tb.PonerTexto("ORDEN", "doce");
                                }},
                      CasoError{"texto_no_numerico_leido_como_entero", [](Tabla& tb) { (void)tb.LeerEntero("CLAVE"); }},
                      CasoError{"borrar_sin_fila_actual",
                                [](Tabla& tb) {
                                    tb.Borrar();
                                    tb.Borrar();
                                }}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

// --- Localizar -------------------------------------------------------------

struct CasoBusqueda {
    const char* nombre;
    std::vector<std::pair<std::string, std::string>> filas;
    std::string campos;
    std::vector<std::string> valores;
    int registro;   // 0: no se encuentra
};

class Busqueda : public ::testing::TestWithParam<CasoBusqueda> {};

TEST_P(Busqueda, PrimeraFilaQueCoincideExactamente)
{
    const auto& c = GetParam();
    Tabla t = TablaCon(c.filas);
    const bool hallada = t.Localizar(c.campos, c.valores);
    EXPECT_EQ(hallada, c.registro != 0);
    if (hallada) {
        EXPECT_EQ(t.NumRegistro(), c.registro);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Busqueda,
    ::testing::Values(
        CasoBusqueda{"un_campo", {{"A", "P1"}, {"B", "P2"}}, "CLAVE", {"B"}, 2},
        CasoBusqueda{"dos_campos", {{"A", "P1"}, {"A", "P2"}}, "CLAVE;CPROF", {"A", "P2"}, 2},
        CasoBusqueda{"dos_campos_con_blancos_en_la_lista", {{"A", "P1"}, {"A", "P2"}}, " clave ; cprof ", {"A", "P2"}, 2},
        CasoBusqueda{"distingue_mayusculas", {{"A", "P1"}}, "CLAVE;CPROF", {"A", "p1"}, 0},
        CasoBusqueda{"dos_coincidencias_gana_la_primera", {{"X", "P"}, {"A", "P"}, {"A", "P"}}, "CLAVE", {"A"}, 2},
        CasoBusqueda{"valor_corto_en_campo_ancho", {{"AB", "P"}}, "CLAVE", {"AB"}, 1},
        CasoBusqueda{"no_encuentra_por_el_texto_entero_si_se_corto", {{"ABCDEFGHIJKLMN", "P"}}, "CLAVE",
                     {"ABCDEFGHIJKLMN"}, 0},
        CasoBusqueda{"encuentra_por_lo_guardado_si_se_corto", {{"ABCDEFGHIJKLMN", "P"}}, "CLAVE", {"ABCDEFGHIJ"}, 1},
        CasoBusqueda{"clave_vacia_encuentra_campo_en_blanco", {{"A", "P"}, {"A", ""}}, "CLAVE;CPROF", {"A", ""}, 2},
        CasoBusqueda{"blancos_finales_en_la_clave_no_coinciden", {{"AB", "P"}}, "CLAVE", {"AB "}, 0},
        CasoBusqueda{"blancos_iniciales_cuentan", {{" AB", "P"}, {"AB", "P"}}, "CLAVE", {"AB"}, 2},
        CasoBusqueda{"tabla_vacia", {}, "CLAVE", {"A"}, 0}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

TEST(Tabla, BusquedaFallidaNoMueveLaFilaActual)
{
    Tabla t = TablaCon({{"A", "P1"}, {"B", "P2"}, {"C", "P3"}});
    ASSERT_TRUE(t.Localizar("CLAVE", "B"));
    EXPECT_FALSE(t.Localizar("CLAVE;CPROF", std::vector<std::string>{"B", "P9"}));
    EXPECT_EQ(t.NumRegistro(), 2);
    EXPECT_EQ(t.LeerTexto("CPROF"), "P2");
}

TEST(Tabla, LocalizarPorCampoNoDeCaracterUsaSuFormaDeTexto)
{
    Tabla t("ASIGT", CamposPrueba());
    for (int i = 1; i <= 3; ++i) {
        t.Anadir();
        t.PonerEntero("ORDEN", i * 10);
        t.PonerFlotante("HORAS", i);
        t.Grabar();
    }
    ASSERT_TRUE(t.Localizar("ORDEN", "20"));
    EXPECT_EQ(t.NumRegistro(), 2);
    ASSERT_TRUE(t.Localizar("HORAS", "3"));
    EXPECT_EQ(t.NumRegistro(), 3);
}

TEST(Tabla, AltaPendienteSeGrabaAlMoverseOBuscar)
{
    Tabla t = TablaCon({{"A", "P1"}});
    t.Anadir();
    t.PonerTexto("CLAVE", "NUEVA");
    EXPECT_EQ(t.NumRegistro(), 2);
    ASSERT_TRUE(t.Localizar("CLAVE", "NUEVA"));
    EXPECT_EQ(t.NumRegistro(), 2);
    EXPECT_EQ(t.NumFilas(), 2u);
}

TEST(Tabla, EdicionCambiaLaClaveIndexada)
{
    Tabla t = TablaCon({{"A", "P1"}, {"B", "P2"}});
    ASSERT_TRUE(t.Localizar("CLAVE", "A"));   // el índice ya existe
    t.Editar();
    t.PonerTexto("CLAVE", "Z");
    t.Grabar();
    EXPECT_FALSE(t.Localizar("CLAVE", "A"));
    ASSERT_TRUE(t.Localizar("CLAVE", "Z"));
    EXPECT_EQ(t.NumRegistro(), 1);
}

TEST(Tabla, LeerDuranteLaEdicionDaElValorNuevo)
{
    Tabla t = TablaCon({{"A", "P1"}});
    t.Primero();
    t.Editar();
    t.PonerTexto("CPROF", "P9");
    EXPECT_EQ(t.LeerTexto("CPROF"), "P9");
}

// --- Borrar, empaquetar, números de registro --------------------------------

TEST(Tabla, BorrarPasaALaSiguienteYLosNumerosCuentanLasBorradas)
{
    Tabla t = TablaCon({{"A", "1"}, {"B", "2"}, {"C", "3"}, {"D", "4"}});
    // Pasada de borrado como la de los horarios: borra B y C.
    std::vector<std::string> vistos;
    t.Primero();
    while (!t.Fin()) {
        const std::string clave = t.LeerTexto("CLAVE");
        vistos.push_back(clave + "@" + std::to_string(t.NumRegistro()));
        if (clave == "B" || clave == "C")
            t.Borrar();
        else
            t.Siguiente();
    }
    EXPECT_EQ(vistos, (std::vector<std::string>{"A@1", "B@2", "C@3", "D@4"}));
    EXPECT_EQ(t.NumFilas(), 2u);
    EXPECT_FALSE(t.Localizar("CLAVE", "B"));
    ASSERT_TRUE(t.Localizar("CLAVE", "D"));
    EXPECT_EQ(t.NumRegistro(), 4);

    // Una fila nueva recibe el número siguiente al último del fichero.
    t.Anadir();
    t.PonerTexto("CLAVE", "E");
    t.Grabar();
    EXPECT_EQ(t.NumRegistro(), 5);

    t.Empaquetar();
    EXPECT_EQ(t.NumFilas(), 3u);
    ASSERT_TRUE(t.Localizar("CLAVE", "E"));
    EXPECT_EQ(t.NumRegistro(), 3);
    ASSERT_TRUE(t.Localizar("CLAVE", "D"));
    EXPECT_EQ(t.NumRegistro(), 2);
}

TEST(Tabla, BorrarLaUltimaDejaElFinal)
{
    Tabla t = TablaCon({{"A", "1"}, {"B", "2"}});
    ASSERT_TRUE(t.Localizar("CLAVE", "B"));
    t.Borrar();
    EXPECT_TRUE(t.Fin());
    t.Primero();
    EXPECT_EQ(t.LeerTexto("CLAVE"), "A");
    t.Borrar();
    EXPECT_TRUE(t.Fin());
    t.Primero();
    EXPECT_TRUE(t.Fin());
    EXPECT_EQ(t.NumFilas(), 0u);
}

TEST(Tabla, EmpaquetarConservaLaFilaActual)
{
    Tabla t = TablaCon({{"A", "1"}, {"B", "2"}, {"C", "3"}});
    t.Primero();
    t.Borrar();   // actual: B
    t.Empaquetar();
    EXPECT_EQ(t.LeerTexto("CLAVE"), "B");
    EXPECT_EQ(t.NumRegistro(), 1);
}

// Índices frente a una búsqueda lineal, con altas, ediciones, borrados y
// empaquetados mezclados al azar.
TEST(Tabla, IndicesCoincidenConBusquedaLinealTrasCambiosAlAzar)
{
    std::mt19937 azar(12345);
    const auto clave = [&] { return std::string(1, static_cast<char>('A' + azar() % 5)); };
    const auto prof = [&] { return azar() % 4 == 0 ? std::string() : "P" + std::to_string(azar() % 3); };

    Tabla t("ASIGT", CamposPrueba());
    struct Modelo {
        std::string clave, prof;
        bool borrada = false;
    };
    std::vector<Modelo> modelo;

    for (int paso = 0; paso < 3000; ++paso) {
        const auto op = static_cast<unsigned>(azar() % 10);
        if (op < 4) {
            t.Anadir();
            Modelo m{clave(), prof()};
            t.PonerTexto("CLAVE", m.clave);
            t.PonerTexto("CPROF", m.prof);
            t.Grabar();
            modelo.push_back(m);
        } else if (op < 6 && t.Localizar("CLAVE", clave())) {
            const size_t i = static_cast<size_t>(t.NumRegistro() - 1);
            t.Editar();
            modelo[i].prof = prof();
            t.PonerTexto("CPROF", modelo[i].prof);
            if (azar() % 2) {
                modelo[i].clave = clave();
                t.PonerTexto("CLAVE", modelo[i].clave);
            }
            t.Grabar();
        } else if (op < 8 && t.Localizar("CPROF", prof())) {
            modelo[static_cast<size_t>(t.NumRegistro() - 1)].borrada = true;
            t.Borrar();
        } else if (op == 8 && azar() % 10 == 0) {
            t.Empaquetar();
            std::erase_if(modelo, [](const Modelo& m) { return m.borrada; });
        }

        // Comprobación de las dos búsquedas que usan los horarios.
        const std::string c = clave(), p = prof();
        int esperado = 0;
        for (size_t i = 0; i < modelo.size(); ++i)
            if (!modelo[i].borrada && modelo[i].clave == c && modelo[i].prof == p) {
                esperado = static_cast<int>(i + 1);
                break;
            }
        const bool hallada = t.Localizar("CLAVE;CPROF", std::vector<std::string>{c, p});
        ASSERT_EQ(hallada ? t.NumRegistro() : 0, esperado) << "paso " << paso;
        int esperadoUno = 0;
        for (size_t i = 0; i < modelo.size(); ++i)
            if (!modelo[i].borrada && modelo[i].prof == p) {
                esperadoUno = static_cast<int>(i + 1);
                break;
            }
        ASSERT_EQ(t.Localizar("CPROF", p) ? t.NumRegistro() : 0, esperadoUno) << "paso " << paso;
    }
    size_t vivas = 0;
    for (const auto& m : modelo)
        vivas += m.borrada ? 0 : 1;
    EXPECT_EQ(t.NumFilas(), vivas);
}

TEST(Tabla, ModificadaSoloTrasCambios)
{
    Tabla t("ASIGT", CamposPrueba());
    EXPECT_FALSE(t.Modificada());
    t.Primero();
    (void)t.Localizar("CLAVE", "X");
    EXPECT_FALSE(t.Modificada());
    t.Anadir();
    t.Grabar();
    EXPECT_TRUE(t.Modificada());
}

} // namespace
} // namespace molvaren
