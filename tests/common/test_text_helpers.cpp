#include "common/TextHelpers.h"

#include <gtest/gtest.h>

#include <string>

using namespace molvaren;

namespace {

struct CasoTexto {
    std::string entrada;
    std::string esperado;
};

TEST(TextHelpers, Recortes)
{
    // Sólo el espacio es blanco: tabuladores y controles se quedan.
    const struct {
        std::string entrada, izquierda, derecha, ambos;
    } casos[] = {
        {"  a b  ", "a b  ", "  a b", "a b"},
        {"   ", "", "", ""},
        {"", "", "", ""},
        {"\tx ", "\tx ", "\tx", "\tx"},
        {" x\t", "x\t", " x\t", "x\t"},
        {" \xC1 ", "\xC1 ", " \xC1", "\xC1"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(TrimLeft(c.entrada), c.izquierda) << "[" << c.entrada << "]";
        EXPECT_EQ(TrimRight(c.entrada), c.derecha) << "[" << c.entrada << "]";
        EXPECT_EQ(TrimBoth(c.entrada), c.ambos) << "[" << c.entrada << "]";
    }
}

TEST(TextHelpers, TrimControlQuitaCodigosHasta32)
{
    const CasoTexto casos[] = {
        {" \t\r\nM1\x01 ", "M1"},
        {"\x1F" "a b\x7F", "a b\x7F"},   // 127 no es control para este recorte
        {"\xA0x\xA0", "\xA0x\xA0"},      // el espacio duro de Windows-1252 se queda
        {"\t\t", ""},
    };
    for (const auto& c : casos)
        EXPECT_EQ(TrimControl(c.entrada), c.esperado);
}

TEST(TextHelpers, PartesIzquierdaYDerecha)
{
    const struct {
        std::string texto;
        int n;
        std::string izquierda, derecha;
    } casos[] = {
        {"ABC", 1, "A", "C"},
        {"ABC", 3, "ABC", "ABC"},
        {"ABC", 5, "ABC", "ABC"},
        {"ABC", 0, "", ""},
        {"ABC", -2, "", ""},
        {"", 2, "", ""},
        {"", 0, "", ""},
        {"1ESO", 1, "1", "O"},
        {"A", 1, "A", "A"},
        {"AB", 0, "", ""},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(LeftPart(c.texto, c.n), c.izquierda) << c.texto << " " << c.n;
        EXPECT_EQ(RightPart(c.texto, c.n), c.derecha) << c.texto << " " << c.n;
    }
}

TEST(TextHelpers, WordInitials)
{
    const CasoTexto casos[] = {
        {"Lengua Castellana y Literatura", "CL"},
        {"Ciencias de la Naturaleza", "N"},
        {"Refuerzo de Matematicas 2", "M2"},
        {"Musica II", "I"},
        {"Tecnologia", ""},
        {"", ""},
        {"A  B", " B"},
        {"Llengua i Literatura \xC0rab", "L\xC0"},
        {"X ", ""},             // la última posición no se mira nunca
        {"ab cdef", "c"},       // cuatro detrás del blanco: k no es < L-4
    };
    for (const auto& c : casos)
        EXPECT_EQ(WordInitials(c.entrada), c.esperado) << "[" << c.entrada << "]";
}

TEST(TextHelpers, MayusculasAsciiNoTocaAcentos)
{
    const CasoTexto casos[] = {
        {"abc xyz", "ABC XYZ"},
        {"\xE0\xE9\xF1\xE7", "\xE0\xE9\xF1\xE7"},
        {"ma\xF1" "ana", "MA\xF1" "ANA"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(MayusculasAscii(c.entrada), c.esperado);
}

TEST(TextHelpers, MayusculasAnsiEnWindows1252)
{
    const CasoTexto casos[] = {
        {"abc", "ABC"},
        {"\xE0\xE8\xE9\xED\xEF\xF2\xF3\xFA\xFC", "\xC0\xC8\xC9\xCD\xCF\xD2\xD3\xDA\xDC"},  // àèéíïòóúü
        {"\xE7\xF1", "\xC7\xD1"},                 // ç ñ
        {"col\xB7legi", "COL\xB7LEGI"},           // el punto volado se queda
        {"\x9A\x9C\x9E\xFF", "\x8A\x8C\x8E\x9F"}, // š œ ž ÿ
        {"\xF7\xDF\xB5", "\xF7\xDF\xB5"},         // ÷, ß y µ no cambian
        {"\xC1\xD1", "\xC1\xD1"},
        {"\x80 1\xAA", "\x80 1\xAA"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(MayusculasAnsi(c.entrada), c.esperado) << c.entrada;
}

TEST(TextHelpers, IgualesSinMayusculas)
{
    const struct {
        std::string a, b;
        bool iguales;
    } casos[] = {
        {"abc", "ABC", true},
        {"Mu\xF1oz", "MU\xD1OZ", true},            // ñ / Ñ
        {"\xC0ngels", "\xE0NGELS", true},          // À / à
        {"Fran\xE7" "ois", "FRAN\xC7OIS", true},   // ç / Ç
        {"\xFF", "\x9F", true},                    // ÿ / Ÿ
        {"\xE9", "E", false},                      // el acento cuenta
        {"ab", "abc", false},
        {"", "", true},
        {"\xF7", "\xD7", false},                   // ÷ y × no son pareja
    };
    for (const auto& c : casos)
        EXPECT_EQ(IgualesSinMayusculas(c.a, c.b), c.iguales) << c.a << " / " << c.b;
}

} // namespace
