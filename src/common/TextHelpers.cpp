#include "common/TextHelpers.h"

namespace molvaren {

std::string TrimLeft(std::string_view texto)
{
    size_t i = 0;
    while (i < texto.size() && texto[i] == ' ')
        ++i;
    return std::string(texto.substr(i));
}

std::string TrimRight(std::string_view texto)
{
    size_t n = texto.size();
    while (n > 0 && texto[n - 1] == ' ')
        --n;
    return std::string(texto.substr(0, n));
}

std::string TrimBoth(std::string_view texto)
{
    return TrimLeft(TrimRight(texto));
}

std::string LeftPart(std::string_view texto, int n)
{
    if (n < static_cast<int>(texto.size()))
        return n <= 0 ? std::string() : std::string(texto.substr(0, static_cast<size_t>(n)));
    return std::string(texto);
}

std::string RightPart(std::string_view texto, int n)
{
    if (n < static_cast<int>(texto.size()))
        return n <= 0 ? std::string() : std::string(texto.substr(texto.size() - static_cast<size_t>(n)));
    return std::string(texto);
}

std::string WordInitials(std::string_view texto)
{
    // Posiciones desde 1 como en la definición: k recorre 1..L-1.
    const int L = static_cast<int>(texto.size());
    auto en = [&](int pos) { return texto[static_cast<size_t>(pos - 1)]; };
    std::string resultado;
    for (int k = 1; k <= L - 1; ++k) {
        if (en(k) != ' ')
            continue;
        if (k < L - 4) {
            if (en(k + 1) != ' ' && en(k + 2) != ' ' && en(k + 3) != ' ' && en(k + 4) != ' ')
                resultado += en(k + 1);
        } else {
            resultado += en(k + 1);
        }
    }
    return resultado;
}

std::string TrimControl(std::string_view texto)
{
    size_t i = 0, n = texto.size();
    while (i < n && static_cast<unsigned char>(texto[i]) <= 32)
        ++i;
    while (n > i && static_cast<unsigned char>(texto[n - 1]) <= 32)
        --n;
    return std::string(texto.substr(i, n - i));
}

std::string MayusculasAscii(std::string_view texto)
{
    std::string r(texto);
    for (char& c : r)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return r;
}

namespace {
unsigned char MayusculaAnsi(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - 32);
    switch (c) {
    case 0x9A: return 0x8A; // š Š
    case 0x9C: return 0x8C; // œ Œ
    case 0x9E: return 0x8E; // ž Ž
    case 0xFF: return 0x9F; // ÿ Ÿ
    default: break;
    }
    // à..þ salvo ÷ (0xF7) tienen su mayúscula 32 posiciones antes.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return static_cast<unsigned char>(c - 32);
    return c;
}
} // namespace

std::string MayusculasAnsi(std::string_view texto)
{
    std::string r(texto);
    for (char& c : r)
        c = static_cast<char>(MayusculaAnsi(static_cast<unsigned char>(c)));
    return r;
}

bool IgualesSinMayusculas(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (MayusculaAnsi(static_cast<unsigned char>(a[i])) != MayusculaAnsi(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace molvaren
