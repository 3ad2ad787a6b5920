#include "common/DocumentoItacaValores.h"

#include "common/Codificacion.h"
#include "common/ErrorMolvaren.h"

#include <functional>
#include <limits>

namespace molvaren {

namespace {

uint32_t Resumen(std::string_view texto)
{
    const size_t h = std::hash<std::string_view>{}(texto);
    return static_cast<uint32_t>(h ^ (h >> 32));
}

bool EsAscii(std::string_view texto)
{
    for (char c : texto)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

DocumentoItacaValores::DocumentoItacaValores() : huecos_(1024, Hueco{0, 0}) {}

uint32_t DocumentoItacaValores::Anotar(std::string_view texto)
{
    // Los desplazamientos son de 32 bits: un documento así no cabría en memoria.
    if (arena_.size() + texto.size() > std::numeric_limits<uint32_t>::max())
        throw ErrorMolvaren("El documento de ITACA es demasiado grande para cargarlo.");
    const auto inicio = static_cast<uint32_t>(arena_.size());
    arena_.append(texto);
    return inicio;
}

uint32_t DocumentoItacaValores::Guardar(std::string_view utf8)
{
    const uint32_t resumen = Resumen(utf8);
    const size_t mascara = huecos_.size() - 1;
    size_t i = resumen & mascara;
    while (huecos_[i].id != 0) {
        if (huecos_[i].resumen == resumen) {
            const Entrada& e = entradas_[huecos_[i].id - 1];
            if (std::string_view(arena_).substr(e.inicioUtf8, e.largoUtf8) == utf8)
                return huecos_[i].id - 1;
        }
        i = (i + 1) & mascara;
    }

    Entrada e{};
    e.largoUtf8 = static_cast<uint32_t>(utf8.size());
    e.inicioUtf8 = Anotar(utf8);
    if (EsAscii(utf8)) {
        e.inicioCp = e.inicioUtf8;
        e.largoCp = e.largoUtf8;
    } else {
        const std::string cp = Utf8ACp1252(utf8);
        e.largoCp = static_cast<uint32_t>(cp.size());
        e.inicioCp = Anotar(cp);
    }
    const auto id = static_cast<uint32_t>(entradas_.size());
    entradas_.push_back(e);
    huecos_[i] = Hueco{resumen, id + 1};
    if (entradas_.size() * 2 > huecos_.size())
        Agrandar();
    return id;
}

void DocumentoItacaValores::Agrandar()
{
    std::vector<Hueco> nuevos(huecos_.size() * 2, Hueco{0, 0});
    const size_t mascara = nuevos.size() - 1;
    for (const Hueco& h : huecos_) {
        if (h.id == 0)
            continue;
        size_t i = h.resumen & mascara;
        while (nuevos[i].id != 0)
            i = (i + 1) & mascara;
        nuevos[i] = h;
    }
    huecos_.swap(nuevos);
}

std::string_view DocumentoItacaValores::Valor(uint32_t id) const
{
    const Entrada& e = entradas_[id];
    return std::string_view(arena_).substr(e.inicioCp, e.largoCp);
}

size_t DocumentoItacaValores::MemoriaAproximada() const
{
    return arena_.capacity() + entradas_.capacity() * sizeof(Entrada) + huecos_.capacity() * sizeof(Hueco);
}

} // namespace molvaren
