#include "common/Tabla.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "common/ErrorMolvaren.h"
#include "common/TablaDatos.h"
#include "common/TextHelpers.h"
#include "common/ValorTexto.h"

namespace molvaren {

namespace {

using Modo = Tabla::Datos::Modo;

enum class Clase { Texto, Entero, Real, Logico };

Clase ClaseDe(TipoCampo t)
{
    switch (t) {
    case TipoCampo::Entero:
    case TipoCampo::Autoincremento:
        return Clase::Entero;
    case TipoCampo::Flotante:
    case TipoCampo::MarcaTiempo:
        return Clase::Real;
    case TipoCampo::Logico:
        return Clase::Logico;
    default:
        return Clase::Texto;
    }
}

bool EsNumeroEnTexto(TipoCampo t) { return t == TipoCampo::Numerico || t == TipoCampo::FlotanteF; }

// Los campos I de nivel 7 guardan 32 bits, y el valor mínimo es la marca de
// "sin valor": no se admite.
constexpr int64_t kEnteroMin = -2147483647;
constexpr int64_t kEnteroMax = 2147483647;

[[noreturn]] void Falla(const Tabla::Datos& d, const std::string& texto)
{
    throw ErrorMolvaren("Tabla " + d.nombre + ": " + texto);
}

} // namespace

void Tabla::Datos::PrepararCampos()
{
    posicionCampo.clear();
    for (size_t i = 0; i < campos.size(); ++i)
        posicionCampo.emplace(MayusculasAscii(campos[i].nombre), i);
    if (tiposNativos.size() != campos.size()) {
        tiposNativos.clear();
        for (const auto& c : campos)
            tiposNativos.push_back(static_cast<char>(c.tipo));
    }
}

void Tabla::Datos::AnadirFilaLeida(FilaTabla fila)
{
    fila.celdas.resize(campos.size());
    if (!fila.borrada)
        ++vivas;
    for (size_t i = 0; i < campos.size(); ++i) {
        if (campos[i].tipo == TipoCampo::Autoincremento) {
            if (auto* v = std::get_if<int64_t>(&fila.celdas[i]))
                siguienteAutoincremento = std::max(siguienteAutoincremento, *v + 1);
        }
    }
    filas.push_back(std::move(fila));
}

// ---------------------------------------------------------------------------
// Ayudas sobre el interior.
namespace {

size_t PosicionCampo(const Tabla::Datos& d, std::string_view campo)
{
    auto it = d.posicionCampo.find(MayusculasAscii(TrimBoth(campo)));
    if (it == d.posicionCampo.end())
        Falla(d, "no tiene el campo " + TextoParaMensaje(campo) + ".");
    return it->second;
}

// Fila que se lee: la de edición si la hay; si no, la actual (o ninguna).
const FilaTabla* FilaLeida(const Tabla::Datos& d)
{
    if (d.modo != Modo::Consulta)
        return &d.edicion;
    if (d.actual == Tabla::Datos::kSinFila)
        return nullptr;
    return &d.filas[d.actual];
}

const ValorCelda& Celda(const Tabla::Datos& d, size_t campo)
{
    static const ValorCelda vacio;
    const FilaTabla* f = FilaLeida(d);
    return f ? f->celdas[campo] : vacio;
}

ValorCelda& CeldaEnEdicion(Tabla::Datos& d, std::string_view campo, size_t& pos)
{
    pos = PosicionCampo(d, campo);
    if (d.modo == Modo::Consulta)
        Falla(d, "no hay ninguna fila en alta ni en edici\xC3\xB3n para poner el campo " + d.campos[pos].nombre + ".");
    return d.edicion.celdas[pos];
}

std::string TextoDeCelda(const DefCampo& def, const ValorCelda& v)
{
    if (std::holds_alternative<std::monostate>(v))
        return {};
    if (auto* s = std::get_if<std::string>(&v))
        return *s;
    if (auto* e = std::get_if<int64_t>(&v))
        return std::to_string(*e);
    if (auto* r = std::get_if<double>(&v))
        return def.tipo == TipoCampo::MarcaTiempo ? TextoDeMarcaTiempo(*r) : TextoDeReal(*r);
    return std::get<bool>(v) ? "T" : "F";
}

// Clave de búsqueda: cada parte con su longitud delante, para que ningún
// contenido pueda confundirse con el separador.
void AnadirParteClave(std::string& clave, std::string_view parte)
{
    const auto n = static_cast<uint32_t>(parte.size());
    for (int i = 0; i < 4; ++i)
        clave.push_back(static_cast<char>((n >> (8 * i)) & 0xFF));
    clave.append(parte);
}

std::string ClaveDeFila(const Tabla::Datos& d, const IndiceTabla& ind, const FilaTabla& f)
{
    std::string clave;
    for (size_t c : ind.campos)
        AnadirParteClave(clave, TextoDeCelda(d.campos[c], f.celdas[c]));
    return clave;
}

void QuitarDeIndices(Tabla::Datos& d, size_t fila)
{
    for (auto& [nombre, ind] : d.indices) {
        auto it = ind.filas.find(ClaveDeFila(d, ind, d.filas[fila]));
        if (it == ind.filas.end())
            continue;
        auto& v = it->second;
        auto p = std::lower_bound(v.begin(), v.end(), fila);
        if (p != v.end() && *p == fila)
            v.erase(p);
        if (v.empty())
            ind.filas.erase(it);
    }
}

void PonerEnIndices(Tabla::Datos& d, size_t fila)
{
    for (auto& [nombre, ind] : d.indices) {
        auto& v = ind.filas[ClaveDeFila(d, ind, d.filas[fila])];
        // Casi siempre es la última fila: se añade al final sin buscar.
        if (v.empty() || v.back() < fila)
            v.push_back(fila);
        else
            v.insert(std::lower_bound(v.begin(), v.end(), fila), fila);
    }
}

IndiceTabla& IndicePara(Tabla::Datos& d, const std::vector<size_t>& campos)
{
    std::string nombre;
    for (size_t c : campos)
        nombre += std::to_string(c) + ';';
    auto it = d.indices.find(nombre);
    if (it != d.indices.end())
        return it->second;
    IndiceTabla ind;
    ind.campos = campos;
    for (size_t i = 0; i < d.filas.size(); ++i)
        if (!d.filas[i].borrada)
            ind.filas[ClaveDeFila(d, ind, d.filas[i])].push_back(i);
    return d.indices.emplace(nombre, std::move(ind)).first->second;
}

FilaTabla FilaNueva(Tabla::Datos& d)
{
    FilaTabla f;
    f.celdas.resize(d.campos.size());
    return f;
}

void GrabarPendiente(Tabla::Datos& d)
{
    if (d.modo == Modo::Consulta)
        return;
    if (d.modo == Modo::Alta) {
        for (size_t i = 0; i < d.campos.size(); ++i)
            if (d.campos[i].tipo == TipoCampo::Autoincremento &&
                std::holds_alternative<std::monostate>(d.edicion.celdas[i]))
                d.edicion.celdas[i] = d.siguienteAutoincremento++;
        d.filas.push_back(std::move(d.edicion));
        d.actual = d.filas.size() - 1;
        ++d.vivas;
        PonerEnIndices(d, d.actual);
    } else {
        QuitarDeIndices(d, d.actual);
        d.filas[d.actual] = std::move(d.edicion);
        PonerEnIndices(d, d.actual);
    }
    d.edicion = FilaTabla{};
    d.modo = Modo::Consulta;
    d.modificada = true;
}

size_t SiguienteViva(const Tabla::Datos& d, size_t desde)
{
    for (size_t i = desde; i < d.filas.size(); ++i)
        if (!d.filas[i].borrada)
            return i;
    return Tabla::Datos::kSinFila;
}

std::string ErrorConversion(const DefCampo& def, const std::string& valor, const char* esperado)
{
    return "\xC2\xAB" + TextoParaMensaje(valor) + "\xC2\xBB no es " + esperado + " para el campo " + def.nombre + ".";
}

int64_t EnteroEnRango(const Tabla::Datos& d, const DefCampo& def, double valor)
{
    if (!std::isfinite(valor) || valor < static_cast<double>(kEnteroMin) || valor > static_cast<double>(kEnteroMax))
        Falla(d, "el valor " + TextoDeReal(valor) + " no cabe en el campo entero " + def.nombre + ".");
    return static_cast<int64_t>(std::llround(valor));
}

int64_t EnteroEnRango(const Tabla::Datos& d, const DefCampo& def, int64_t valor)
{
    if (valor < kEnteroMin || valor > kEnteroMax)
        Falla(d, "el valor " + std::to_string(valor) + " no cabe en el campo entero " + def.nombre + ".");
    return valor;
}

std::string Cortado(const DefCampo& def, std::string_view texto)
{
    if (def.ancho > 0 && texto.size() > static_cast<size_t>(def.ancho))
        texto = texto.substr(0, static_cast<size_t>(def.ancho));
    return TrimRight(texto);
}

} // namespace

// ---------------------------------------------------------------------------

Tabla::Tabla(std::string nombre, Disposicion campos) : d_(std::make_unique<Datos>())
{
    d_->nombre = std::move(nombre);
    d_->campos = std::move(campos);
    d_->PrepararCampos();
}

Tabla::~Tabla() = default;
Tabla::Tabla(Tabla&&) noexcept = default;
Tabla& Tabla::operator=(Tabla&&) noexcept = default;

const std::string& Tabla::Nombre() const { return d_->nombre; }
const Disposicion& Tabla::Campos() const { return d_->campos; }

bool Tabla::TieneCampo(std::string_view campo) const
{
    return d_->posicionCampo.count(MayusculasAscii(TrimBoth(campo))) != 0;
}

size_t Tabla::NumFilas() const { return d_->vivas; }

void Tabla::Primero()
{
    GrabarPendiente(*d_);
    d_->actual = SiguienteViva(*d_, 0);
}

void Tabla::Siguiente()
{
    GrabarPendiente(*d_);
    if (d_->actual != Datos::kSinFila)
        d_->actual = SiguienteViva(*d_, d_->actual + 1);
}

bool Tabla::Fin() const
{
    return d_->modo == Modo::Consulta && d_->actual == Datos::kSinFila;
}

int Tabla::NumRegistro() const
{
    if (d_->modo == Modo::Alta)
        return static_cast<int>(d_->filas.size() + 1);
    if (d_->actual == Datos::kSinFila)
        return 0;
    return static_cast<int>(d_->actual + 1);
}

void Tabla::Anadir()
{
    GrabarPendiente(*d_);
    d_->edicion = FilaNueva(*d_);
    d_->modo = Modo::Alta;
}

void Tabla::Editar()
{
    if (d_->modo != Modo::Consulta)
        return;
    if (d_->actual == Datos::kSinFila)
        Falla(*d_, "no hay fila actual que editar.");
    d_->edicion = d_->filas[d_->actual];
    d_->modo = Modo::Edicion;
}

void Tabla::Grabar() { GrabarPendiente(*d_); }

void Tabla::Borrar()
{
    auto& d = *d_;
    if (d.modo == Modo::Alta) {
        // Un alta sin grabar se descarta: nunca llegó a ser fila.
        d.edicion = FilaTabla{};
        d.modo = Modo::Consulta;
        d.actual = Datos::kSinFila;
        return;
    }
    if (d.modo == Modo::Edicion) {
        d.edicion = FilaTabla{};
        d.modo = Modo::Consulta;
    }
    if (d.actual == Datos::kSinFila)
        Falla(d, "no hay fila actual que borrar.");
    QuitarDeIndices(d, d.actual);
    d.filas[d.actual].borrada = true;
    --d.vivas;
    d.modificada = true;
    d.actual = SiguienteViva(d, d.actual + 1);
}

void Tabla::Empaquetar()
{
    auto& d = *d_;
    GrabarPendiente(d);
    if (d.vivas == d.filas.size())
        return;
    size_t nuevaActual = Datos::kSinFila;
    std::vector<FilaTabla> quedan;
    quedan.reserve(d.vivas);
    for (size_t i = 0; i < d.filas.size(); ++i) {
        if (d.filas[i].borrada)
            continue;
        if (i == d.actual)
            nuevaActual = quedan.size();
        quedan.push_back(std::move(d.filas[i]));
    }
    d.filas = std::move(quedan);
    d.actual = nuevaActual;
    // Los números de fila cambian: los índices se rehacen cuando se usen.
    d.indices.clear();
    d.modificada = true;
}

bool Tabla::Localizar(std::string_view campos, const std::vector<std::string>& valores)
{
    auto& d = *d_;
    GrabarPendiente(d);
    std::vector<size_t> posiciones;
    size_t inicio = 0;
    while (true) {
        size_t fin = campos.find(';', inicio);
        posiciones.push_back(PosicionCampo(d, campos.substr(inicio, fin == std::string_view::npos ? fin : fin - inicio)));
        if (fin == std::string_view::npos)
            break;
        inicio = fin + 1;
    }
    if (posiciones.size() != valores.size())
        Falla(d, "la b\xC3\xBAsqueda por " + std::string(campos) + " necesita " + std::to_string(posiciones.size()) +
                     " valores y se dieron " + std::to_string(valores.size()) + ".");
    const IndiceTabla& ind = IndicePara(d, posiciones);
    std::string clave;
    for (const auto& v : valores)
        AnadirParteClave(clave, v);
    auto it = ind.filas.find(clave);
    if (it == ind.filas.end() || it->second.empty())
        return false;   // la fila actual no cambia
    d.actual = it->second.front();
    return true;
}

// ---------------------------------------------------------------------------
// Lectura.

std::string Tabla::LeerTexto(std::string_view campo) const
{
    size_t p = PosicionCampo(*d_, campo);
    return TextoDeCelda(d_->campos[p], Celda(*d_, p));
}

std::optional<int64_t> Tabla::LeerEntero(std::string_view campo) const
{
    const auto& d = *d_;
    size_t p = PosicionCampo(d, campo);
    const DefCampo& def = d.campos[p];
    const ValorCelda& v = Celda(d, p);
    if (std::holds_alternative<std::monostate>(v))
        return std::nullopt;
    if (auto* e = std::get_if<int64_t>(&v))
        return *e;
    if (auto* r = std::get_if<double>(&v)) {
        if (!std::isfinite(*r) || std::fabs(*r) > 9.2e18)
            Falla(d, "el valor " + TextoDeReal(*r) + " del campo " + def.nombre + " no cabe en un entero.");
        return std::llround(*r);
    }
    if (std::holds_alternative<bool>(v))
        Falla(d, "el campo l\xC3\xB3gico " + def.nombre + " no se puede leer como entero.");
    const std::string texto = TrimBoth(std::get<std::string>(v));
    if (texto.empty())
        return std::nullopt;
    if (auto e = EnteroDeTexto(texto))
        return e;
    // Los campos numéricos en texto pueden llevar decimales: se redondea.
    if (EsNumeroEnTexto(def.tipo))
        if (auto r = RealDeTexto(texto); r && std::isfinite(*r) && std::fabs(*r) < 9.2e18)
            return std::llround(*r);
    Falla(d, ErrorConversion(def, texto, "un valor entero v\xC3\xA1lido"));
}

std::optional<double> Tabla::LeerFlotante(std::string_view campo) const
{
    const auto& d = *d_;
    size_t p = PosicionCampo(d, campo);
    const DefCampo& def = d.campos[p];
    const ValorCelda& v = Celda(d, p);
    if (std::holds_alternative<std::monostate>(v))
        return std::nullopt;
    if (auto* e = std::get_if<int64_t>(&v))
        return static_cast<double>(*e);
    if (auto* r = std::get_if<double>(&v)) {
        if (def.tipo == TipoCampo::MarcaTiempo)
            Falla(d, "el campo de fecha y hora " + def.nombre + " no se puede leer como n\xC3\xBAmero.");
        return *r;
    }
    if (std::holds_alternative<bool>(v))
        Falla(d, "el campo l\xC3\xB3gico " + def.nombre + " no se puede leer como n\xC3\xBAmero.");
    const std::string texto = TrimBoth(std::get<std::string>(v));
    if (texto.empty())
        return std::nullopt;
    if (auto r = RealDeTexto(texto))
        return r;
    Falla(d, ErrorConversion(def, texto, "un n\xC3\xBAmero v\xC3\xA1lido"));
}

std::optional<bool> Tabla::LeerLogico(std::string_view campo) const
{
    const auto& d = *d_;
    size_t p = PosicionCampo(d, campo);
    const DefCampo& def = d.campos[p];
    const ValorCelda& v = Celda(d, p);
    if (std::holds_alternative<std::monostate>(v))
        return std::nullopt;
    if (auto* b = std::get_if<bool>(&v))
        return *b;
    if (auto* s = std::get_if<std::string>(&v)) {
        const std::string texto = TrimBoth(*s);
        if (texto.empty())
            return std::nullopt;
        if (auto b = LogicoDeTexto(texto))
            return b;
        Falla(d, ErrorConversion(def, texto, "un valor l\xC3\xB3gico v\xC3\xA1lido"));
    }
    Falla(d, "el campo " + def.nombre + " no se puede leer como l\xC3\xB3gico.");
}

// ---------------------------------------------------------------------------
// Escritura en la fila en edición.

void Tabla::PonerTexto(std::string_view campo, std::string_view valor)
{
    auto& d = *d_;
    size_t p = 0;
    ValorCelda& celda = CeldaEnEdicion(d, campo, p);
    const DefCampo& def = d.campos[p];
    switch (ClaseDe(def.tipo)) {
    case Clase::Texto: {
        std::string_view v = valor;
        // En los números en texto sobran los blancos de los dos lados.
        std::string limpio;
        if (EsNumeroEnTexto(def.tipo)) {
            limpio = TrimBoth(valor);
            v = limpio;
        }
        celda = Cortado(def, v);
        return;
    }
    case Clase::Entero: {
        const std::string t = TrimBoth(valor);
        if (t.empty()) {
            celda = std::monostate{};
            return;
        }
        auto e = EnteroDeTexto(t);
        if (!e)
            Falla(d, ErrorConversion(def, t, "un valor entero v\xC3\xA1lido"));
        celda = EnteroEnRango(d, def, *e);
        return;
    }
    case Clase::Real: {
        const std::string t = TrimBoth(valor);
        if (t.empty()) {
            celda = std::monostate{};
            return;
        }
        auto r = def.tipo == TipoCampo::MarcaTiempo ? MarcaTiempoDeTexto(t) : RealDeTexto(t);
        if (!r)
            Falla(d, ErrorConversion(def, t,
                                     def.tipo == TipoCampo::MarcaTiempo ? "una fecha y hora v\xC3\xA1lida"
                                                                        : "un n\xC3\xBAmero v\xC3\xA1lido"));
        celda = *r;
        return;
    }
    case Clase::Logico: {
        const std::string t = TrimBoth(valor);
        if (t.empty() || t == "?") {
            celda = std::monostate{};
            return;
        }
        auto b = LogicoDeTexto(t);
        if (!b)
            Falla(d, ErrorConversion(def, t, "un valor l\xC3\xB3gico v\xC3\xA1lido"));
        celda = *b;
        return;
    }
    }
}

void Tabla::PonerEntero(std::string_view campo, int64_t valor)
{
    auto& d = *d_;
    size_t p = 0;
    ValorCelda& celda = CeldaEnEdicion(d, campo, p);
    const DefCampo& def = d.campos[p];
    switch (ClaseDe(def.tipo)) {
    case Clase::Texto:
        celda = Cortado(def, std::to_string(valor));
        return;
    case Clase::Entero:
        celda = EnteroEnRango(d, def, valor);
        return;
    case Clase::Real:
        if (def.tipo == TipoCampo::MarcaTiempo)
            Falla(d, "el campo de fecha y hora " + def.nombre + " no admite un entero.");
        celda = static_cast<double>(valor);
        return;
    case Clase::Logico:
        Falla(d, "el campo l\xC3\xB3gico " + def.nombre + " no admite un entero.");
    }
}

void Tabla::PonerFlotante(std::string_view campo, double valor)
{
    auto& d = *d_;
    size_t p = 0;
    ValorCelda& celda = CeldaEnEdicion(d, campo, p);
    const DefCampo& def = d.campos[p];
    switch (ClaseDe(def.tipo)) {
    case Clase::Texto:
        if (EsNumeroEnTexto(def.tipo) && def.decimales > 0) {
            char buf[400];
            std::snprintf(buf, sizeof buf, "%.*f", def.decimales, valor);
            celda = Cortado(def, buf);
        } else {
            celda = Cortado(def, TextoDeReal(valor));
        }
        return;
    case Clase::Entero:
        celda = EnteroEnRango(d, def, valor);
        return;
    case Clase::Real:
        if (def.tipo == TipoCampo::MarcaTiempo)
            Falla(d, "el campo de fecha y hora " + def.nombre + " no admite un n\xC3\xBAmero.");
        celda = valor;
        return;
    case Clase::Logico:
        Falla(d, "el campo l\xC3\xB3gico " + def.nombre + " no admite un n\xC3\xBAmero.");
    }
}

void Tabla::PonerLogico(std::string_view campo, bool valor)
{
    auto& d = *d_;
    size_t p = 0;
    ValorCelda& celda = CeldaEnEdicion(d, campo, p);
    const DefCampo& def = d.campos[p];
    switch (ClaseDe(def.tipo)) {
    case Clase::Texto:
        celda = Cortado(def, valor ? "T" : "F");
        return;
    case Clase::Logico:
        celda = valor;
        return;
    default:
        Falla(d, "el campo " + def.nombre + " no admite un valor l\xC3\xB3gico.");
    }
}

bool Tabla::Modificada() const { return d_->modificada; }

Tabla::Datos& Tabla::Interno() { return *d_; }
const Tabla::Datos& Tabla::Interno() const { return *d_; }

} // namespace molvaren
