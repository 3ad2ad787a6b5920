#include "common/BaseTablas.h"

#include <cstdlib>
#include <optional>

#include "common/BloqueoTabla.h"
#include "common/CarpetaTablas.h"
#include "common/ErrorMolvaren.h"
#include "common/FicheroDbf.h"
#include "common/TablaDatos.h"
#include "common/TextHelpers.h"

namespace molvaren {

namespace fs = std::filesystem;

fs::path CarpetaTablasPorOmision()
{
    if (const char* k = std::getenv("MOLVAREN_KTEMP"); k && *k)
        return fs::path(k);
    return CarpetaTablasDelSistema();
}

namespace {

struct Entrada {
    std::unique_ptr<Tabla> tabla;
    fs::path destino;                 // donde se escribirá al confirmar
    std::optional<fs::path> viejo;    // fichero anterior con otro nombre (otra caja)
    bool recreada = false;
    std::unique_ptr<BloqueoTabla> bloqueo;
};

std::string NombreNormal(const std::string& nombre) { return MayusculasAscii(TrimBoth(nombre)); }

// Busca "NOMBRE.EXT" en la carpeta sin distinguir mayúsculas; prefiere el
// nombre exacto en mayúsculas.
std::optional<fs::path> BuscarFichero(const fs::path& carpeta, const std::string& nombreEnMayusculas)
{
    std::error_code ec;
    const fs::path exacto = carpeta / nombreEnMayusculas;
    if (fs::is_regular_file(exacto, ec))
        return exacto;
    for (fs::directory_iterator it(carpeta, ec), fin; !ec && it != fin; it.increment(ec)) {
        const std::string n = it->path().filename().string();
        if (MayusculasAscii(n) == nombreEnMayusculas && it->is_regular_file(ec))
            return it->path();
    }
    return std::nullopt;
}

[[noreturn]] void EnUso(const std::string& tabla, const fs::path& ruta)
{
    throw ErrorMolvaren("La tabla " + tabla + " est\xC3\xA1 en uso por otro programa (" + RutaParaMensaje(ruta) + ").");
}

} // namespace

struct BaseTablas::Datos {
    fs::path carpeta;
    std::map<std::string, Entrada> tablas;
    std::vector<std::string> orden;
    std::unique_ptr<BloqueoTabla> bloqueoCarpeta;

    std::unique_ptr<BloqueoTabla> Bloquear(const std::string& tabla, const fs::path& fichero)
    {
        auto b = BloqueoTabla::Tomar(fichero);
        if (!b)
            EnUso(tabla, fichero);
        return b;
    }

    void BloquearCarpeta(const std::string& tabla)
    {
        if (bloqueoCarpeta)
            return;
        bloqueoCarpeta = BloqueoTabla::Tomar(carpeta);
        if (!bloqueoCarpeta)
            throw ErrorMolvaren("No se puede crear la tabla " + tabla + ": la carpeta de tablas " +
                                RutaParaMensaje(carpeta) + " est\xC3\xA1 en uso por otro programa.");
    }

    Entrada& Nueva(const std::string& nombre)
    {
        orden.push_back(nombre);
        return tablas[nombre];
    }
};

BaseTablas::BaseTablas(fs::path carpeta) : d_(std::make_unique<Datos>())
{
    std::error_code ec;
    if (!fs::is_directory(carpeta, ec))
        throw ErrorMolvaren("No existe la carpeta de tablas " + RutaParaMensaje(carpeta) + ".");
    d_->carpeta = std::move(carpeta);
}

BaseTablas::~BaseTablas() = default;

const fs::path& BaseTablas::Carpeta() const { return d_->carpeta; }

Tabla& BaseTablas::Recrear(const std::string& nombre)
{
    const std::string clave = NombreNormal(nombre);
    const Disposicion& campos = DisposicionDe(clave);
    auto it = d_->tablas.find(clave);
    if (it != d_->tablas.end()) {
        // Se vacía en su sitio: las referencias ya dadas siguen valiendo.
        *it->second.tabla = Tabla(clave, campos);
        it->second.recreada = true;
        return *it->second.tabla;
    }
    const fs::path destino = d_->carpeta / (clave + ".DBF");
    const auto existente = BuscarFichero(d_->carpeta, clave + ".DBF");
    std::unique_ptr<BloqueoTabla> bloqueo;
    if (existente)
        bloqueo = d_->Bloquear(clave, *existente);
    else
        d_->BloquearCarpeta(clave);
    Entrada& e = d_->Nueva(clave);
    e.tabla = std::make_unique<Tabla>(clave, campos);
    e.destino = destino;
    if (existente && *existente != destino)
        e.viejo = *existente;
    e.recreada = true;
    e.bloqueo = std::move(bloqueo);
    return *e.tabla;
}

Tabla& BaseTablas::Abrir(const std::string& nombre)
{
    const std::string clave = NombreNormal(nombre);
    auto it = d_->tablas.find(clave);
    if (it != d_->tablas.end())
        return *it->second.tabla;
    const auto fichero = BuscarFichero(d_->carpeta, clave + ".DBF");
    if (!fichero)
        throw ErrorMolvaren("No existe la tabla " + clave + " (" + RutaParaMensaje(d_->carpeta / (clave + ".DBF")) +
                            ").");
    auto bloqueo = d_->Bloquear(clave, *fichero);
    auto tabla = std::make_unique<Tabla>(LeerDbf(*fichero, clave));
    Entrada& e = d_->Nueva(clave);
    e.tabla = std::move(tabla);
    e.destino = *fichero;
    e.bloqueo = std::move(bloqueo);
    return *e.tabla;
}

bool ExisteTabla(const fs::path& carpeta, const std::string& nombre)
{
    return BuscarFichero(carpeta, NombreNormal(nombre) + ".DBF").has_value();
}

bool BaseTablas::Existe(const std::string& nombre) const
{
    return d_->tablas.count(NombreNormal(nombre)) != 0 || ExisteTabla(d_->carpeta, nombre);
}

void BaseTablas::Confirmar()
{
    struct Pendiente {
        Entrada* entrada;
        fs::path temporal;
    };
    std::vector<Pendiente> pendientes;
    const auto quitarTemporales = [&pendientes](size_t desde) {
        for (size_t i = desde; i < pendientes.size(); ++i) {
            std::error_code ec;
            fs::remove(pendientes[i].temporal, ec);
        }
    };

    // Primero todos los temporales: si alguno falla, no se ha tocado nada.
    try {
        for (const std::string& nombre : d_->orden) {
            Entrada& e = d_->tablas.at(nombre);
            e.tabla->Grabar();
            if (!e.recreada && !e.tabla->Modificada())
                continue;
            pendientes.push_back({&e, EscribirDbfTemporal(*e.tabla, e.destino)});
        }
    } catch (...) {
        quitarTemporales(0);
        throw;
    }

    // Después, los renombres.
    for (size_t i = 0; i < pendientes.size(); ++i) {
        Entrada& e = *pendientes[i].entrada;
        try {
            e.bloqueo = BloqueoTabla::Sustituir(pendientes[i].temporal, e.destino, std::move(e.bloqueo));
        } catch (...) {
            quitarTemporales(i);
            throw;
        }
        if (e.recreada) {
            std::error_code ec;
            if (e.viejo)
                fs::remove(*e.viejo, ec);
            e.viejo.reset();
            // Un índice .MDX de antes ya no corresponde a la tabla nueva.
            if (auto mdx = BuscarFichero(d_->carpeta, e.tabla->Nombre() + ".MDX"))
                fs::remove(*mdx, ec);
            e.recreada = false;
        }
        e.tabla->Interno().modificada = false;
    }
}

std::vector<std::string> BaseTablas::NombresAbiertos() const { return d_->orden; }

} // namespace molvaren
