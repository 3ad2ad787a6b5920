#include "common/ValorTexto.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "common/TextHelpers.h"

namespace molvaren {

namespace {
constexpr int64_t kMsDia = 86400000;
// Día 1 de BDE (1-1-0001) contado desde el 1-1-1970.
constexpr int64_t kDiaUnoBde = -719162;

std::string_view SinMas(std::string_view t)
{
    if (t.size() > 1 && t.front() == '+' && t[1] != '-' && t[1] != '+')
        t.remove_prefix(1);
    return t;
}
} // namespace

std::string TextoDeReal(double valor)
{
    if (valor == 0.0)
        return "0";
    char buf[400];
    auto r = std::to_chars(buf, buf + sizeof buf, valor, std::chars_format::fixed);
    if (r.ec != std::errc())
        return std::to_string(valor);
    return std::string(buf, r.ptr);
}

std::string TextoDeMarcaTiempo(double milisegundos)
{
    using namespace std::chrono;
    if (!std::isfinite(milisegundos))
        return {};
    const auto ms = static_cast<int64_t>(std::llround(milisegundos));
    int64_t dia = ms / kMsDia;
    int64_t resto = ms % kMsDia;
    if (resto < 0) {
        resto += kMsDia;
        --dia;
    }
    const year_month_day f{sys_days{days{dia - 1 + kDiaUnoBde}}};
    char buf[64];
    const long h = static_cast<long>(resto / 3600000), m = static_cast<long>(resto / 60000 % 60),
               s = static_cast<long>(resto / 1000 % 60), mil = static_cast<long>(resto % 1000);
    int n = std::snprintf(buf, sizeof buf, "%04d-%02u-%02u %02ld:%02ld:%02ld", static_cast<int>(f.year()),
                          static_cast<unsigned>(f.month()), static_cast<unsigned>(f.day()), h, m, s);
    std::string texto(buf, static_cast<size_t>(n));
    if (mil != 0) {
        std::snprintf(buf, sizeof buf, ".%03ld", mil);
        texto += buf;
    }
    return texto;
}

std::optional<double> MarcaTiempoDeTexto(std::string_view texto)
{
    using namespace std::chrono;
    const std::string t = TrimBoth(texto);
    int a = 0;
    unsigned me = 0, di = 0, h = 0, mi = 0, s = 0, mil = 0;
    int consumidos = 0;
    std::string conCierre = t + "|";
    int n = std::sscanf(conCierre.c_str(), "%4d-%2u-%2u %2u:%2u:%2u%n", &a, &me, &di, &h, &mi, &s, &consumidos);
    if (n != 6)
        return std::nullopt;
    std::string_view cola = std::string_view(conCierre).substr(static_cast<size_t>(consumidos));
    if (cola.size() == 5 && cola[0] == '.') {
        if (std::sscanf(conCierre.c_str() + consumidos, ".%3u", &mil) != 1)
            return std::nullopt;
    } else if (cola != "|") {
        return std::nullopt;
    }
    const year_month_day f{year{a}, month{me}, day{di}};
    if (!f.ok() || a < 1 || h > 23 || mi > 59 || s > 59)
        return std::nullopt;
    const int64_t dia = sys_days{f}.time_since_epoch().count() - kDiaUnoBde + 1;
    return static_cast<double>(dia * kMsDia + (h * 3600 + mi * 60 + s) * 1000 + mil);
}

std::optional<int64_t> EnteroDeTexto(std::string_view texto)
{
    const std::string t = TrimBoth(texto);
    std::string_view v = SinMas(t);
    int64_t valor = 0;
    auto r = std::from_chars(v.data(), v.data() + v.size(), valor);
    if (v.empty() || r.ec != std::errc() || r.ptr != v.data() + v.size())
        return std::nullopt;
    return valor;
}

std::optional<double> RealDeTexto(std::string_view texto)
{
    const std::string t = TrimBoth(texto);
    std::string_view v = SinMas(t);
    double valor = 0;
    auto r = std::from_chars(v.data(), v.data() + v.size(), valor);
    if (v.empty() || r.ec != std::errc() || r.ptr != v.data() + v.size())
        return std::nullopt;
    return valor;
}

std::optional<bool> LogicoDeTexto(std::string_view texto)
{
    const std::string t = MayusculasAscii(TrimBoth(texto));
    if (t == "T" || t == "Y" || t == "S" || t == "TRUE")
        return true;
    if (t == "F" || t == "N" || t == "FALSE")
        return false;
    return std::nullopt;
}

std::string TextoParaMensaje(std::string_view cp1252)
{
    // Los 32 códigos de 0x80 a 0x9F que Windows-1252 no toma de Latin-1.
    static const char16_t altos[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                       0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    std::string r;
    r.reserve(cp1252.size());
    for (unsigned char c : cp1252) {
        char32_t u = c;
        if (c >= 0x80 && c <= 0x9F)
            u = altos[c - 0x80] ? altos[c - 0x80] : U'?';
        if (u < 0x80) {
            r.push_back(static_cast<char>(u));
        } else if (u < 0x800) {
            r.push_back(static_cast<char>(0xC0 | (u >> 6)));
            r.push_back(static_cast<char>(0x80 | (u & 0x3F)));
        } else {
            r.push_back(static_cast<char>(0xE0 | (u >> 12)));
            r.push_back(static_cast<char>(0x80 | ((u >> 6) & 0x3F)));
            r.push_back(static_cast<char>(0x80 | (u & 0x3F)));
        }
    }
    return r;
}

} // namespace molvaren
