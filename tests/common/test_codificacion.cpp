#include "common/Codificacion.h"
#include "common/ErrorMolvaren.h"

#include <gtest/gtest.h>

#include <string>

using namespace molvaren;

namespace {

struct CasoConversion {
    const char* utf8;
    const char* cp1252;
};

// Letras de nombres valencianos y castellanos, el euro y lo que Windows-1252
// no tiene (un "?" por carácter, sea de 2, 3 o 4 bytes).
const CasoConversion kLetras[] = {
    {"", ""},
    {"ASCII puro 123", "ASCII puro 123"},
    {"à", "\xE0"},
    {"è", "\xE8"},
    {"é", "\xE9"},
    {"í", "\xED"},
    {"ï", "\xEF"},
    {"ò", "\xF2"},
    {"ó", "\xF3"},
    {"ú", "\xFA"},
    {"ü", "\xFC"},
    {"ç", "\xE7"},
    {"ñ", "\xF1"},
    {"Ñ", "\xD1"},
    {"Á", "\xC1"},
    {"É", "\xC9"},
    {"Col·legi", "Col\xB7legi"},
    {"€", "\x80"},
    {"Š Œ Ÿ", "\x8A \x8C \x9F"},
    {"Nuñez Ibáñez, Àngels", "Nu\xF1" "ez Ib\xE1\xF1" "ez, \xC0ngels"},
    {"Łukasz", "?ukasz"},
    {"a中b", "a?b"},
    {"x😀y", "x?y"},
    {"ĽŠ", "?\x8A"},
};

TEST(Codificacion, Utf8ACp1252PasaCadaLetra)
{
    for (const auto& c : kLetras)
        EXPECT_EQ(Utf8ACp1252(c.utf8), c.cp1252) << c.utf8;
}

TEST(Codificacion, Cp1252AUtf8DevuelveCadaLetra)
{
    for (const auto& c : kLetras) {
        if (std::string(c.cp1252).find('?') != std::string::npos)
            continue;
        EXPECT_EQ(Cp1252AUtf8(c.cp1252), c.utf8) << c.utf8;
    }
}

// Ninguna entrada rota debe romper el programa: cada trozo inválido es un "?".
TEST(Codificacion, Utf8InvalidoNoRompeYDaInterrogaciones)
{
    const CasoConversion casos[] = {
        {"\xFF", "?"},
        {"a\xC3", "a?"},            // cortado al final
        {"\xE2\x82", "?"},          // euro cortado: un solo carácter
        {"\xE2\x82z", "?z"},
        {"\xC3(", "?("},
        {"\x80\x80", "??"},         // continuaciones sueltas
        {"\xC0\xAF", "??"},         // forma larga prohibida
        {"\xED\xA0\x80", "?"},      // sustituto UTF-16 codificado
        {"\xF4\x90\x80\x80", "?"},  // más allá de U+10FFFF
        {"ok\xF0\x9F\x98", "ok?"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Utf8ACp1252(c.utf8), c.cp1252) << testing::PrintToString(std::string(c.utf8));
}

// Los 256 bytes van y vuelven, también los cinco que Windows-1252 no define.
TEST(Codificacion, TodosLosBytesVanYVuelven)
{
    for (int b = 1; b < 256; ++b) {
        const std::string original(1, static_cast<char>(b));
        const std::string utf8 = Cp1252AUtf8(original);
        EXPECT_EQ(Utf8ACp1252(utf8), original) << "byte " << b;
    }
    EXPECT_EQ(Cp1252AUtf8("\x81"), "\xC2\x81");
}

TEST(Codificacion, TextoLargoConMuchasSustituciones)
{
    std::string utf8, esperado;
    for (int i = 0; i < 5000; ++i) {
        utf8 += "é中";
        esperado += "\xE9?";
    }
    EXPECT_EQ(Utf8ACp1252(utf8), esperado);
}

struct CasoGeneral {
    const char* codificacion;
    std::string texto;      // en la codificación
    std::string cp1252;
};

TEST(Codificacion, DeCodificacionACp1252)
{
    const CasoGeneral casos[] = {
        {"UTF-8", "Val\xC3\xA8ncia", "Val\xE8ncia"},
        {"utf-8", "\xE2\x82\xAC", "\x80"},
        {"ISO-8859-1", "Val\xE8ncia \xD1", "Val\xE8ncia \xD1"},
        {"ISO-8859-15", "\xA4", "\x80"},   // el euro de Latin-9
        {"UTF-16LE", std::string("\xE9\x00\x41\x00", 4), "\xE9" "A"},
        {"windows-1252", "\x80\xB7", "\x80\xB7"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(DeCodificacionACp1252(c.texto, c.codificacion), c.cp1252) << c.codificacion;
}

TEST(Codificacion, DeCp1252ACodificacion)
{
    struct Caso {
        const char* codificacion;
        const char* cp1252;
        const char* resultado;
    };
    const Caso casos[] = {
        {"UTF-8", "\xC1\x80", "\xC3\x81\xE2\x82\xAC"},
        {"ISO-8859-1", "\xE9\xD1", "\xE9\xD1"},
        {"ISO-8859-1", "5\x80", "5?"},      // el euro no está en Latin-1
        {"ISO-8859-15", "\x80", "\xA4"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(DeCp1252ACodificacion(c.cp1252, c.codificacion), c.resultado) << c.codificacion;
}

TEST(Codificacion, CodificacionDesconocidaDaErrorClaro)
{
    try {
        DeCodificacionACp1252("abc", "NO-EXISTE-9");
        FAIL() << "debía lanzar";
    } catch (const ErrorMolvaren& e) {
        EXPECT_NE(std::string(e.what()).find("NO-EXISTE-9"), std::string::npos);
    }
    EXPECT_THROW(DeCp1252ACodificacion("abc", "NO-EXISTE-9"), ErrorMolvaren);
}

} // namespace
