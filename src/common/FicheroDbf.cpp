#include "common/FicheroDbf.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <ctime>
#include <fstream>
#include <random>

#include "common/ErrorMolvaren.h"
#include "common/TablaDatos.h"
#include "common/TextHelpers.h"

namespace molvaren {

namespace fs = std::filesystem;

std::string RutaParaMensaje(const fs::path& ruta)
{
    const auto u8 = ruta.u8string();
    return std::string(u8.begin(), u8.end());
}

namespace {

// ---------------------------------------------------------------------------
// Lectura tolerante.

enum class Familia { Nivel7, Fox, Clasica };

// Cómo se guarda cada campo en el fichero leído.
enum class Codigo {
    Texto,        // C, V, M...: sin blancos ni ceros al final
    NumeroTexto,  // N, F, D: sin blancos a los lados
    Crudo,        // tipo desconocido: los bytes tal cual
    Logico,
    EnteroNivel7,
    EnteroLE,
    RealNivel7,
    RealLE,
    MonedaLE,
    MarcaNivel7,
    MarcaFox,
};

struct CampoLeido {
    DefCampo def;
    char nativo = 0;
    Codigo codigo = Codigo::Texto;
    size_t desplazamiento = 0;
    size_t ancho = 0;
    bool sistema = false;      // columna oculta de Visual FoxPro (_NULLFLAGS)
    int bitNulo = -1;          // posición en _NULLFLAGS
    int bitLongitud = -1;      // campos V: la longitud real va en el último byte
    int64_t siguienteAuto = 0;
};

class Lector {
public:
    Lector(const fs::path& fichero, const std::vector<unsigned char>& b) : f_(fichero), b_(b) {}

    [[noreturn]] void NoEsTabla(const std::string& motivo) const
    {
        throw ErrorMolvaren("El fichero " + RutaParaMensaje(f_) + " no es una tabla dBase v\xC3\xA1lida (" + motivo +
                            ").");
    }
    [[noreturn]] void Cortado(const std::string& motivo) const
    {
        throw ErrorMolvaren("El fichero " + RutaParaMensaje(f_) + " est\xC3\xA1 cortado (" + motivo +
                            "): la tabla est\xC3\xA1 incompleta.");
    }

    uint32_t Le16(size_t p) const { return b_[p] | (b_[p + 1] << 8); }
    uint32_t Le32(size_t p) const
    {
        return static_cast<uint32_t>(b_[p]) | (static_cast<uint32_t>(b_[p + 1]) << 8) |
               (static_cast<uint32_t>(b_[p + 2]) << 16) | (static_cast<uint32_t>(b_[p + 3]) << 24);
    }

    const fs::path& f_;
    const std::vector<unsigned char>& b_;
};

uint64_t Be(const unsigned char* p, int n)
{
    uint64_t v = 0;
    for (int i = 0; i < n; ++i)
        v = (v << 8) | p[i];
    return v;
}

uint64_t Le(const unsigned char* p, int n)
{
    uint64_t v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

bool TodoCeros(const unsigned char* p, size_t n)
{
    for (size_t i = 0; i < n; ++i)
        if (p[i] != 0)
            return false;
    return true;
}

std::vector<unsigned char> LeerBytes(const fs::path& fichero)
{
    std::ifstream in(fichero, std::ios::binary);
    if (!in)
        throw ErrorMolvaren("No se puede abrir el fichero " + RutaParaMensaje(fichero) + ".");
    std::vector<unsigned char> b;
    in.seekg(0, std::ios::end);
    const auto tam = in.tellg();
    if (tam < 0)
        throw ErrorMolvaren("No se puede leer el fichero " + RutaParaMensaje(fichero) + ".");
    in.seekg(0, std::ios::beg);
    b.resize(static_cast<size_t>(tam));
    if (!b.empty() && !in.read(reinterpret_cast<char*>(b.data()), static_cast<std::streamsize>(b.size())))
        throw ErrorMolvaren("No se puede leer el fichero " + RutaParaMensaje(fichero) + ".");
    return b;
}

// Tipo del programa y forma de leer cada letra de tipo.
void ClasificarCampo(const Lector& l, Familia fam, CampoLeido& c)
{
    const auto anchoFijo = [&](size_t n) {
        if (c.ancho != n)
            l.NoEsTabla("el campo " + c.def.nombre + " de tipo " + std::string(1, c.nativo) + " mide " +
                        std::to_string(c.ancho) + " bytes en lugar de " + std::to_string(n));
    };
    const bool fox = fam == Familia::Fox;
    const auto tipo = [&](TipoCampo t, Codigo cod) {
        c.def.tipo = t;
        c.codigo = cod;
    };
    switch (c.nativo) {
    case 'C':
    case 'V':
        tipo(TipoCampo::Caracter, Codigo::Texto);
        break;
    case 'N':
        tipo(TipoCampo::Numerico, Codigo::NumeroTexto);
        break;
    case 'F':
        tipo(TipoCampo::FlotanteF, Codigo::NumeroTexto);
        break;
    case 'D':
        tipo(TipoCampo::Fecha, Codigo::NumeroTexto);
        break;
    case 'L':
        tipo(TipoCampo::Logico, Codigo::Logico);
        break;
    case 'I':
    case '+':
        anchoFijo(4);
        tipo(c.nativo == 'I' ? TipoCampo::Entero : TipoCampo::Autoincremento,
             fam == Familia::Nivel7 ? Codigo::EnteroNivel7 : Codigo::EnteroLE);
        break;
    case 'O':
        anchoFijo(8);
        tipo(TipoCampo::Flotante, fam == Familia::Nivel7 ? Codigo::RealNivel7 : Codigo::RealLE);
        break;
    case '@':
        anchoFijo(8);
        tipo(TipoCampo::MarcaTiempo, Codigo::MarcaNivel7);
        break;
    case 'B':
        if (fox && c.ancho == 8)
            tipo(TipoCampo::Flotante, Codigo::RealLE);
        else
            tipo(TipoCampo::Memo, Codigo::Crudo);
        break;
    case 'Y':
        anchoFijo(8);
        tipo(TipoCampo::Flotante, Codigo::MonedaLE);
        break;
    case 'T':
        anchoFijo(8);
        tipo(TipoCampo::MarcaTiempo, Codigo::MarcaFox);
        break;
    case 'M':
    case 'G':
    case 'P':
        tipo(TipoCampo::Memo, Codigo::Crudo);
        break;
    default:
        tipo(TipoCampo::Otro, Codigo::Crudo);
        break;
    }
    if (c.def.tipo == TipoCampo::Entero || c.def.tipo == TipoCampo::Autoincremento ||
        c.def.tipo == TipoCampo::Flotante || c.def.tipo == TipoCampo::MarcaTiempo)
        c.def.ancho = static_cast<int>(c.ancho);
}

ValorCelda LeerCelda(const CampoLeido& c, const unsigned char* p, size_t ancho)
{
    switch (c.codigo) {
    case Codigo::Texto: {
        size_t n = ancho;
        while (n > 0 && (p[n - 1] == ' ' || p[n - 1] == 0))
            --n;
        return std::string(reinterpret_cast<const char*>(p), n);
    }
    case Codigo::NumeroTexto: {
        std::string t = TrimBoth(std::string_view(reinterpret_cast<const char*>(p), ancho));
        while (!t.empty() && t.back() == 0)
            t.pop_back();
        return t;
    }
    case Codigo::Crudo:
        return std::string(reinterpret_cast<const char*>(p), ancho);
    case Codigo::Logico:
        for (size_t i = 0; i < ancho; ++i) {
            switch (p[i]) {
            case 'T': case 't': case 'Y': case 'y':
                return true;
            case 'F': case 'f': case 'N': case 'n':
                return false;
            case ' ':
                continue;
            default:
                return std::monostate{};
            }
        }
        return std::monostate{};
    case Codigo::EnteroNivel7:
        if (TodoCeros(p, 4))
            return std::monostate{};
        return static_cast<int64_t>(static_cast<int32_t>(static_cast<uint32_t>(Be(p, 4)) ^ 0x80000000u));
    case Codigo::EnteroLE:
        return static_cast<int64_t>(static_cast<int32_t>(static_cast<uint32_t>(Le(p, 4))));
    case Codigo::RealNivel7: {
        if (TodoCeros(p, 8))
            return std::monostate{};
        uint64_t u = Be(p, 8);
        u = (u & 0x8000000000000000ull) ? (u ^ 0x8000000000000000ull) : ~u;
        return std::bit_cast<double>(u);
    }
    case Codigo::RealLE:
        return std::bit_cast<double>(Le(p, 8));
    case Codigo::MonedaLE:
        return static_cast<double>(static_cast<int64_t>(Le(p, 8))) / 10000.0;
    case Codigo::MarcaNivel7:
        if (TodoCeros(p, 8))
            return std::monostate{};
        return std::bit_cast<double>(Be(p, 8));
    case Codigo::MarcaFox: {
        if (TodoCeros(p, 8))
            return std::monostate{};
        // Día juliano y milisegundos; el día 1 de BDE es el juliano 1721426.
        const auto juliano = static_cast<int64_t>(static_cast<int32_t>(static_cast<uint32_t>(Le(p, 4))));
        const auto ms = static_cast<int64_t>(static_cast<int32_t>(static_cast<uint32_t>(Le(p + 4, 4))));
        return static_cast<double>((juliano - 1721425) * 86400000LL + ms);
    }
    }
    return std::monostate{};
}

Familia FamiliaDe(const Lector& l, unsigned char v)
{
    if ((v & 0x07) == 0x04)
        return Familia::Nivel7;
    if (v == 0x30 || v == 0x31 || v == 0x32 || v == 0xF5 || v == 0xFB || (v & 0x07) == 0x05)
        return Familia::Fox;
    if ((v & 0x07) == 0x03)
        return Familia::Clasica;
    l.NoEsTabla("primer byte 0x" + std::string(1, "0123456789ABCDEF"[v >> 4]) + std::string(1, "0123456789ABCDEF"[v & 15]));
}

// ---------------------------------------------------------------------------
// Escritura de nivel 7.

char LetraDeTipo(const Tabla::Datos& d, size_t i)
{
    const TipoCampo t = d.campos[i].tipo;
    if (t == TipoCampo::Otro || t == TipoCampo::Memo) {
        const char n = i < d.tiposNativos.size() ? d.tiposNativos[i] : 'C';
        return n == 'B' ? 'B' : (t == TipoCampo::Memo ? (n == 'G' || n == 'P' ? n : 'M') : n);
    }
    return static_cast<char>(t);
}

size_t AnchoEscrito(const Tabla::Datos& d, size_t i)
{
    const DefCampo& c = d.campos[i];
    switch (c.tipo) {
    case TipoCampo::Entero:
    case TipoCampo::Autoincremento:
        return 4;
    case TipoCampo::Flotante:
    case TipoCampo::MarcaTiempo:
    case TipoCampo::Fecha:
        return 8;
    case TipoCampo::Logico:
        return 1;
    default:
        if (c.ancho < 1 || c.ancho > 255)
            throw ErrorMolvaren("Tabla " + d.nombre + ": el campo " + c.nombre + " tiene un ancho no v\xC3\xA1lido (" +
                                std::to_string(c.ancho) + ").");
        return static_cast<size_t>(c.ancho);
    }
}

void PonerBe(unsigned char* p, uint64_t v, int n)
{
    for (int i = n - 1; i >= 0; --i) {
        p[i] = static_cast<unsigned char>(v & 0xFF);
        v >>= 8;
    }
}

void PonerLe(unsigned char* p, uint64_t v, int n)
{
    for (int i = 0; i < n; ++i) {
        p[i] = static_cast<unsigned char>(v & 0xFF);
        v >>= 8;
    }
}

void EscribirCelda(const DefCampo& c, const ValorCelda& v, unsigned char* p, size_t ancho)
{
    switch (c.tipo) {
    case TipoCampo::Entero:
    case TipoCampo::Autoincremento:
        if (auto* e = std::get_if<int64_t>(&v))
            PonerBe(p, static_cast<uint32_t>(static_cast<int32_t>(*e)) ^ 0x80000000u, 4);
        else
            std::memset(p, 0, 4);
        return;
    case TipoCampo::Flotante:
        if (auto* r = std::get_if<double>(&v)) {
            uint64_t u = std::bit_cast<uint64_t>(*r);
            u = (u & 0x8000000000000000ull) ? ~u : (u ^ 0x8000000000000000ull);
            PonerBe(p, u, 8);
        } else {
            std::memset(p, 0, 8);
        }
        return;
    case TipoCampo::MarcaTiempo:
        if (auto* r = std::get_if<double>(&v))
            PonerBe(p, std::bit_cast<uint64_t>(*r), 8);
        else
            std::memset(p, 0, 8);
        return;
    case TipoCampo::Logico:
        if (auto* b = std::get_if<bool>(&v))
            p[0] = *b ? 'T' : 'F';
        else
            p[0] = ' ';
        return;
    default:
        break;
    }
    std::memset(p, ' ', ancho);
    const std::string* s = std::get_if<std::string>(&v);
    if (!s)
        return;
    const size_t n = std::min(ancho, s->size());
    if (c.tipo == TipoCampo::Numerico || c.tipo == TipoCampo::FlotanteF)
        std::memcpy(p + (ancho - n), s->data(), n);   // los números van a la derecha
    else
        std::memcpy(p, s->data(), n);
}

std::vector<unsigned char> BytesDeTabla(const Tabla& tabla)
{
    const Tabla::Datos& d = tabla.Interno();
    const size_t nCampos = d.campos.size();
    if (nCampos == 0)
        throw ErrorMolvaren("Tabla " + d.nombre + ": no tiene campos.");
    std::vector<size_t> anchos(nCampos);
    size_t tamFila = 1;
    for (size_t i = 0; i < nCampos; ++i) {
        anchos[i] = AnchoEscrito(d, i);
        tamFila += anchos[i];
    }
    const size_t tamCabecera = 68 + 48 * nCampos + 1;
    if (tamFila > 0xFFFF || tamCabecera > 0xFFFF)
        throw ErrorMolvaren("Tabla " + d.nombre + ": demasiados campos para una tabla dBase.");

    std::vector<unsigned char> b(tamCabecera + tamFila * d.filas.size() + 1, 0);
    bool memo = false;
    for (size_t i = 0; i < nCampos; ++i)
        memo = memo || d.campos[i].tipo == TipoCampo::Memo;
    b[0] = memo ? 0x8C : 0x04;
    const std::time_t ahora = std::time(nullptr);
    const std::tm* hoy = std::localtime(&ahora);
    if (hoy) {
        b[1] = static_cast<unsigned char>(hoy->tm_year);
        b[2] = static_cast<unsigned char>(hoy->tm_mon + 1);
        b[3] = static_cast<unsigned char>(hoy->tm_mday);
    }
    PonerLe(&b[4], d.filas.size(), 4);
    PonerLe(&b[8], tamCabecera, 2);
    PonerLe(&b[10], tamFila, 2);
    b[29] = 0x57;   // identificador del controlador DBWINUS0
    std::memcpy(&b[32], "DBWINUS0", 8);

    for (size_t i = 0; i < nCampos; ++i) {
        unsigned char* desc = &b[68 + 48 * i];
        const std::string& nombre = d.campos[i].nombre;
        if (nombre.empty() || nombre.size() > 31)
            throw ErrorMolvaren("Tabla " + d.nombre + ": el nombre de campo \xC2\xAB" + nombre +
                                "\xC2\xBB no cabe en una tabla dBase.");
        std::memcpy(desc, nombre.data(), nombre.size());
        desc[32] = static_cast<unsigned char>(LetraDeTipo(d, i));
        desc[33] = static_cast<unsigned char>(anchos[i]);
        desc[34] = static_cast<unsigned char>(std::clamp(d.campos[i].decimales, 0, 255));
        if (d.campos[i].tipo == TipoCampo::Autoincremento)
            PonerLe(desc + 42, static_cast<uint64_t>(d.siguienteAutoincremento), 4);
    }
    b[tamCabecera - 1] = 0x0D;

    unsigned char* fila = &b[tamCabecera];
    for (const FilaTabla& f : d.filas) {
        fila[0] = f.borrada ? '*' : ' ';
        size_t pos = 1;
        for (size_t i = 0; i < nCampos; ++i) {
            static const ValorCelda vacio;
            EscribirCelda(d.campos[i], i < f.celdas.size() ? f.celdas[i] : vacio, fila + pos, anchos[i]);
            pos += anchos[i];
        }
        fila += tamFila;
    }
    b.back() = 0x1A;
    return b;
}

} // namespace

Tabla LeerDbf(const fs::path& fichero, const std::string& nombreTabla)
{
    const std::vector<unsigned char> b = LeerBytes(fichero);
    Lector l(fichero, b);
    if (b.empty())
        l.NoEsTabla("el fichero est\xC3\xA1 vac\xC3\xADo");
    const Familia fam = FamiliaDe(l, b[0]);
    const size_t base = fam == Familia::Nivel7 ? 68 : 32;
    const size_t tamDesc = fam == Familia::Nivel7 ? 48 : 32;
    if (b.size() < base)
        l.Cortado("la cabecera no llega a " + std::to_string(base) + " bytes");
    const uint64_t nFilas = l.Le32(4);
    const size_t tamCabecera = l.Le16(8);
    const size_t tamFila = l.Le16(10);
    if (tamCabecera < base + 1)
        l.NoEsTabla("cabecera de " + std::to_string(tamCabecera) + " bytes");
    if (tamFila < 2)
        l.NoEsTabla("filas de " + std::to_string(tamFila) + " bytes");
    if (tamCabecera > b.size())
        l.Cortado("la cabecera dice " + std::to_string(tamCabecera) + " bytes y el fichero tiene " +
                  std::to_string(b.size()));

    // Descriptores de campo hasta el 0x0D.
    std::vector<CampoLeido> leidos;
    size_t pos = base;
    size_t desplazamiento = 1;
    while (true) {
        if (pos >= tamCabecera)
            l.NoEsTabla("falta el final de la lista de campos");
        if (b[pos] == 0x0D)
            break;
        if (pos + tamDesc > tamCabecera)
            l.NoEsTabla("descriptor de campo incompleto");
        const unsigned char* p = &b[pos];
        CampoLeido c;
        const size_t maxNombre = fam == Familia::Nivel7 ? 32 : 11;
        size_t n = 0;
        while (n < maxNombre && p[n] != 0)
            ++n;
        c.def.nombre = std::string(reinterpret_cast<const char*>(p), n);
        c.def.nombre = TrimRight(c.def.nombre);
        if (c.def.nombre.empty())
            l.NoEsTabla("campo sin nombre");
        if (fam == Familia::Nivel7) {
            c.nativo = static_cast<char>(p[32]);
            c.ancho = p[33];
            c.def.decimales = p[34];
            c.siguienteAuto = static_cast<int64_t>(l.Le32(pos + 42));
        } else {
            c.nativo = static_cast<char>(p[11]);
            c.ancho = p[16];
            c.def.decimales = p[17];
            if (fam == Familia::Fox) {
                const unsigned char banderas = p[18];
                c.sistema = (banderas & 0x01) != 0;
                if (c.nativo == 'C') {
                    // Textos largos: el byte de decimales es la parte alta del ancho.
                    c.ancho += static_cast<size_t>(c.def.decimales) << 8;
                    c.def.decimales = 0;
                }
                if (c.nativo == 'V' || c.nativo == 'Q')
                    c.bitLongitud = 0;   // se numeran después
                if ((banderas & 0x02) != 0 && !c.sistema)
                    c.bitNulo = 0;
            }
        }
        if (c.ancho == 0)
            l.NoEsTabla("el campo " + c.def.nombre + " mide 0 bytes");
        c.def.ancho = static_cast<int>(c.ancho);
        ClasificarCampo(l, fam, c);
        c.desplazamiento = desplazamiento;
        desplazamiento += c.ancho;
        if (desplazamiento > tamFila)
            l.NoEsTabla("los campos no caben en una fila de " + std::to_string(tamFila) + " bytes");
        leidos.push_back(std::move(c));
        pos += tamDesc;
    }
    if (leidos.empty())
        l.NoEsTabla("no tiene campos");

    // Marcas de nulo de Visual FoxPro, en el orden de los campos.
    const CampoLeido* banderasNulo = nullptr;
    {
        int bit = 0;
        for (auto& c : leidos) {
            if (c.sistema && MayusculasAscii(c.def.nombre) == "_NULLFLAGS")
                banderasNulo = &c;
            if (c.bitLongitud >= 0)
                c.bitLongitud = bit++;
            if (c.bitNulo >= 0)
                c.bitNulo = bit++;
        }
    }

    const uint64_t cabenFilas = (b.size() - tamCabecera) / tamFila;
    if (nFilas > cabenFilas)
        l.Cortado("la cabecera anuncia " + std::to_string(nFilas) + " filas y el fichero s\xC3\xB3lo tiene " +
                  std::to_string(cabenFilas));

    Disposicion campos;
    std::vector<const CampoLeido*> visibles;
    for (const auto& c : leidos) {
        if (c.sistema)
            continue;
        campos.push_back(c.def);
        visibles.push_back(&c);
    }
    Tabla tabla(nombreTabla, campos);
    Tabla::Datos& d = tabla.Interno();
    d.tiposNativos.clear();
    for (const auto* c : visibles) {
        d.tiposNativos.push_back(c->nativo);
        if (c->def.tipo == TipoCampo::Autoincremento)
            d.siguienteAutoincremento = std::max<int64_t>(d.siguienteAutoincremento, c->siguienteAuto);
    }
    d.filas.reserve(static_cast<size_t>(nFilas));
    const auto bitPuesto = [&](const unsigned char* fila, int bit) {
        if (!banderasNulo || bit < 0 || static_cast<size_t>(bit / 8) >= banderasNulo->ancho)
            return false;
        return ((fila[banderasNulo->desplazamiento + static_cast<size_t>(bit / 8)] >> (bit % 8)) & 1) != 0;
    };
    for (uint64_t i = 0; i < nFilas; ++i) {
        const unsigned char* fila = &b[tamCabecera + static_cast<size_t>(i) * tamFila];
        FilaTabla f;
        f.borrada = fila[0] == '*';
        f.celdas.reserve(visibles.size());
        for (const auto* c : visibles) {
            if (bitPuesto(fila, c->bitNulo)) {
                f.celdas.emplace_back(std::monostate{});
                continue;
            }
            size_t ancho = c->ancho;
            if (bitPuesto(fila, c->bitLongitud))
                ancho = std::min<size_t>(ancho, fila[c->desplazamiento + c->ancho - 1]);
            f.celdas.push_back(LeerCelda(*c, fila + c->desplazamiento, ancho));
        }
        d.AnadirFilaLeida(std::move(f));
    }
    d.modificada = false;
    return tabla;
}

fs::path EscribirDbfTemporal(const Tabla& tabla, const fs::path& destino)
{
    const std::vector<unsigned char> bytes = BytesDeTabla(tabla);
    const fs::path carpeta = destino.parent_path();
    std::random_device azar;
    fs::path temporal;
    for (int intento = 0;; ++intento) {
        char sufijo[16];
        std::snprintf(sufijo, sizeof sufijo, "%08X", static_cast<unsigned>(azar()));
        temporal = carpeta / (destino.filename().string() + ".nuevo-" + sufijo);
        std::error_code ec;
        if (!fs::exists(temporal, ec))
            break;
        if (intento > 100)
            throw ErrorMolvaren("No se puede crear un fichero temporal en " + RutaParaMensaje(carpeta) + ".");
    }
    {
        std::ofstream out(temporal, std::ios::binary | std::ios::trunc);
        if (out)
            out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ec;
            fs::remove(temporal, ec);
            throw ErrorMolvaren("No se puede escribir la tabla " + tabla.Nombre() + " en " +
                                RutaParaMensaje(temporal) + ".");
        }
    }
    return temporal;
}

void EscribirDbf(const Tabla& tabla, const fs::path& fichero)
{
    const fs::path temporal = EscribirDbfTemporal(tabla, fichero);
    std::error_code ec;
    fs::rename(temporal, fichero, ec);
    if (ec) {
        std::error_code ec2;
        fs::remove(temporal, ec2);
        throw ErrorMolvaren("No se puede sustituir el fichero " + RutaParaMensaje(fichero) + " (" + ec.message() +
                            ").");
    }
}

} // namespace molvaren
