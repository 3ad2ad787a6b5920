#include "common/Codificacion.h"

#include "common/ErrorMolvaren.h"

#include <cerrno>
#include <cstddef>
#include <iconv.h>
#include <memory>

namespace molvaren {

namespace {

constexpr const char* kCp1252 = "CP1252";
constexpr const char* kUtf8 = "UTF-8";
const iconv_t kSinConversor = reinterpret_cast<iconv_t>(-1);

// Un descriptor de iconv por hilo y sentido: abrirlo en cada llamada cuesta
// más que la propia conversión de un atributo.
class Conversor {
public:
    Conversor(const char* hacia, const char* desde) : cd_(iconv_open(hacia, desde)) {}
    ~Conversor()
    {
        if (cd_ != kSinConversor)
            iconv_close(cd_);
    }
    Conversor(const Conversor&) = delete;
    Conversor& operator=(const Conversor&) = delete;

    bool Valido() const { return cd_ != kSinConversor; }
    iconv_t Descriptor() const { return cd_; }

private:
    iconv_t cd_;
};

bool EsAscii(std::string_view texto)
{
    for (char c : texto)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

bool EsContinuacion(unsigned char c) { return (c & 0xC0) == 0x80; }

// Bytes que ocupa la secuencia UTF-8 que empieza en p: completa, o el trozo
// cortado (inicial y continuaciones que le siguen), que vale por un solo
// carácter; un byte suelto cuenta como uno.
size_t LongitudSecuencia(const char* p, size_t quedan)
{
    const auto b = static_cast<unsigned char>(p[0]);
    size_t n = 1;
    if (b >= 0xC2 && b <= 0xDF)
        n = 2;
    else if (b >= 0xE0 && b <= 0xEF)
        n = 3;
    else if (b >= 0xF0 && b <= 0xF4)
        n = 4;
    size_t i = 1;
    while (i < n && i < quedan && EsContinuacion(static_cast<unsigned char>(p[i])))
        ++i;
    return i;
}

// Los cinco bytes que Windows-1252 no define (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// van y vuelven como U+0081... igual que en Windows; iconv los rechaza.
bool ByteSinDefinir(unsigned char b)
{
    return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

// Convierte con iconv; ante una secuencia que no se puede convertir llama a
// `sustituir(entrada, quedan, salida)`, que escribe lo que toque y devuelve
// cuántos bytes de entrada consume (al menos uno).
template <typename Sustituir>
std::string Convertir(iconv_t cd, std::string_view texto, size_t factor, Sustituir sustituir)
{
    std::string resultado;
    resultado.resize(texto.size() * factor + 16);
    char* entrada = const_cast<char*>(texto.data());
    size_t quedanEntrada = texto.size();
    size_t escritos = 0;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    while (quedanEntrada > 0) {
        char* salida = resultado.data() + escritos;
        size_t quedanSalida = resultado.size() - escritos;
        const size_t r = iconv(cd, &entrada, &quedanEntrada, &salida, &quedanSalida);
        escritos = resultado.size() - quedanSalida;
        if (r != static_cast<size_t>(-1))
            break;
        if (errno == E2BIG) {
            resultado.resize(resultado.size() * 2 + 16);
            continue;
        }
        // EILSEQ o EINVAL (secuencia cortada al final): se sustituye y se sigue.
        std::string sustituto;
        const size_t consumidos = sustituir(entrada, quedanEntrada, sustituto);
        entrada += consumidos;
        quedanEntrada -= consumidos;
        resultado.resize(escritos);
        resultado += sustituto;
        escritos = resultado.size();
        resultado.resize(escritos + quedanEntrada * factor + 16);
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    // Cierra un posible estado de desplazamiento de la codificación destino.
    for (;;) {
        char* salida = resultado.data() + escritos;
        size_t quedanSalida = resultado.size() - escritos;
        const size_t r = iconv(cd, nullptr, nullptr, &salida, &quedanSalida);
        escritos = resultado.size() - quedanSalida;
        if (r != static_cast<size_t>(-1) || errno != E2BIG)
            break;
        resultado.resize(resultado.size() * 2 + 16);
    }
    resultado.resize(escritos);
    return resultado;
}

Conversor& DeUtf8ACp1252()
{
    thread_local Conversor c(kCp1252, kUtf8);
    return c;
}

Conversor& DeCp1252AUtf8()
{
    thread_local Conversor c(kUtf8, kCp1252);
    return c;
}

iconv_t Exigir(Conversor& c, const std::string& codificacion)
{
    if (!c.Valido())
        throw ErrorMolvaren("No se conoce la codificación de caracteres «" + codificacion + "».");
    return c.Descriptor();
}

bool EsUtf8(const std::string& codificacion)
{
    std::string n;
    for (char c : codificacion)
        if (c != '-' && c != '_')
            n += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    return n == "UTF8";
}

} // namespace

std::string Utf8ACp1252(std::string_view utf8)
{
    if (EsAscii(utf8))
        return std::string(utf8);
    const iconv_t cd = Exigir(DeUtf8ACp1252(), kCp1252);
    return Convertir(cd, utf8, 1, [](const char* p, size_t quedan, std::string& sustituto) {
        const size_t n = LongitudSecuencia(p, quedan);
        const auto b0 = static_cast<unsigned char>(p[0]);
        const unsigned char b1 = n == 2 ? static_cast<unsigned char>(p[1]) : static_cast<unsigned char>(0);
        if (b0 == 0xC2 && ByteSinDefinir(b1))
            sustituto = std::string(1, static_cast<char>(b1));
        else
            sustituto = "?";
        return n;
    });
}

std::string Cp1252AUtf8(std::string_view cp1252)
{
    if (EsAscii(cp1252))
        return std::string(cp1252);
    const iconv_t cd = Exigir(DeCp1252AUtf8(), kCp1252);
    return Convertir(cd, cp1252, 3, [](const char* p, size_t, std::string& sustituto) {
        const auto b = static_cast<unsigned char>(p[0]);
        if (ByteSinDefinir(b)) {
            sustituto = "\xC2";
            sustituto += static_cast<char>(b);
        } else {
            sustituto = "?";
        }
        return size_t{1};
    });
}

std::string DeCodificacionACp1252(std::string_view texto, const std::string& codificacion)
{
    if (EsUtf8(codificacion))
        return Utf8ACp1252(texto);
    Conversor c(kUtf8, codificacion.c_str());
    const iconv_t cd = Exigir(c, codificacion);
    // Un byte que no vale en la codificación de origen cuenta como un carácter.
    const std::string utf8 = Convertir(cd, texto, 4, [](const char*, size_t, std::string& sustituto) {
        sustituto = "?";
        return size_t{1};
    });
    return Utf8ACp1252(utf8);
}

std::string DeCp1252ACodificacion(std::string_view cp1252, const std::string& codificacion)
{
    const std::string utf8 = Cp1252AUtf8(cp1252);
    if (EsUtf8(codificacion))
        return utf8;
    Conversor c(codificacion.c_str(), kUtf8);
    const iconv_t cd = Exigir(c, codificacion);
    // El "?" se escribe en la codificación destino (UTF-16 no es ASCII).
    const std::string interrogacion = Convertir(cd, "?", 4, [](const char*, size_t, std::string& s) {
        s.clear();
        return size_t{1};
    });
    return Convertir(cd, utf8, 4, [&](const char* p, size_t quedan, std::string& sustituto) {
        sustituto = interrogacion;
        return LongitudSecuencia(p, quedan);
    });
}

} // namespace molvaren
