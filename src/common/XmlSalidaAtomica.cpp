#include "common/XmlSalidaAtomica.h"

#include "common/ErrorMolvaren.h"

#include <libxml/encoding.h>
#include <libxml/globals.h>
#include <libxml/xmlIO.h>
#include <libxml/xmlerror.h>

#include <climits>
#include <random>
#include <system_error>

namespace molvaren {

namespace {

std::string ParaMensaje(const std::filesystem::path& p)
{
    const std::u8string u = p.u8string();
    return std::string(u.begin(), u.end());
}

std::string SufijoAleatorio()
{
    std::random_device azar;
    static const char kHex[] = "0123456789abcdef";
    std::string s;
    for (int i = 0; i < 12; ++i)
        s += kHex[azar() & 15u];
    return s;
}

void Callar(void*, xmlErrorPtr) {}

// libxml2 escribe sus errores de E/S en stderr; aquí ya se avisa en español.
class SilencioLibxml {
public:
    SilencioLibxml() : funcion_(xmlStructuredError), contexto_(xmlStructuredErrorContext)
    {
        xmlSetStructuredErrorFunc(nullptr, Callar);
    }
    ~SilencioLibxml() { xmlSetStructuredErrorFunc(contexto_, funcion_); }
    SilencioLibxml(const SilencioLibxml&) = delete;
    SilencioLibxml& operator=(const SilencioLibxml&) = delete;

private:
    xmlStructuredErrorFunc funcion_;
    void* contexto_;
};

} // namespace

XmlSalidaAtomica::XmlSalidaAtomica(const std::filesystem::path& destino, const std::string& codificacion)
    : destino_(destino), nombre_(ParaMensaje(destino))
{
    std::error_code ec;
    const std::filesystem::path carpeta = destino_.has_parent_path() ? destino_.parent_path()
                                                                     : std::filesystem::path(".");
    if (!std::filesystem::is_directory(carpeta, ec))
        throw ErrorMolvaren("No se puede escribir el fichero «" + nombre_ + "»: la carpeta «" + ParaMensaje(carpeta)
                            + "» no existe.");
    if (std::filesystem::is_directory(destino_, ec))
        throw ErrorMolvaren("No se puede escribir el fichero «" + nombre_ + "»: ya existe una carpeta con ese nombre.");

    xmlCharEncodingHandlerPtr codificador = nullptr;
    if (!codificacion.empty()) {
        codificador = xmlFindCharEncodingHandler(codificacion.c_str());
        if (codificador == nullptr)
            throw ErrorMolvaren("No se puede escribir el fichero «" + nombre_ + "» en la codificación «"
                                + codificacion + "».");
    }

    // Temporal en la misma carpeta, para que el cambio de nombre no cruce
    // de disco; el punto inicial lo oculta en los listados de Unix.
    for (int intento = 0; intento < 16 && temporal_.empty(); ++intento) {
        std::filesystem::path candidato =
            carpeta / ("." + destino_.filename().string() + "." + SufijoAleatorio() + ".tmp");
        if (!std::filesystem::exists(candidato, ec))
            temporal_ = std::move(candidato);
    }
    if (!temporal_.empty())
        fichero_.open(temporal_, std::ios::binary | std::ios::trunc);
    if (temporal_.empty() || !fichero_) {
        xmlCharEncCloseFunc(codificador);
        temporal_.clear();
        throw ErrorMolvaren("No se puede escribir el fichero «" + nombre_
                            + "»: no hay permiso de escritura en su carpeta.");
    }

    salida_ = xmlOutputBufferCreateIO(EscribirBloque, CerrarBloque, this, codificador);
    if (salida_ == nullptr) {
        xmlCharEncCloseFunc(codificador);
        Descartar();
        throw ErrorMolvaren("No se puede escribir el fichero «" + nombre_ + "»: falta memoria.");
    }
}

XmlSalidaAtomica::~XmlSalidaAtomica()
{
    if (!confirmado_)
        Descartar();
}

int XmlSalidaAtomica::EscribirBloque(void* contexto, const char* datos, int largo)
{
    auto* yo = static_cast<XmlSalidaAtomica*>(contexto);
    yo->fichero_.write(datos, largo);
    return yo->fichero_ ? largo : -1;
}

int XmlSalidaAtomica::CerrarBloque(void*)
{
    return 0;   // el ofstream lo cierra Confirmar
}

void XmlSalidaAtomica::Descartar()
{
    SilencioLibxml silencio;
    if (salida_ != nullptr) {
        xmlOutputBufferClose(salida_);
        salida_ = nullptr;
    }
    if (fichero_.is_open())
        fichero_.close();
    if (!temporal_.empty()) {
        std::error_code ec;
        std::filesystem::remove(temporal_, ec);
        temporal_.clear();
    }
}

void XmlSalidaAtomica::FalloEscritura()
{
    Descartar();
    throw ErrorMolvaren("No se ha podido escribir el fichero «" + nombre_
                        + "» (¿disco lleno?). El fichero anterior, si lo había, no se ha tocado.");
}

void XmlSalidaAtomica::Escribir(std::string_view utf8)
{
    SilencioLibxml silencio;
    while (!utf8.empty()) {
        const size_t trozo = utf8.size() < size_t{INT_MAX / 2} ? utf8.size() : size_t{INT_MAX / 2};
        if (xmlOutputBufferWrite(salida_, static_cast<int>(trozo), utf8.data()) < 0)
            FalloEscritura();
        utf8.remove_prefix(trozo);
    }
}

void XmlSalidaAtomica::Confirmar()
{
    SilencioLibxml silencio;
    const int cerrado = xmlOutputBufferClose(salida_);
    salida_ = nullptr;
    fichero_.flush();
    const bool bien = cerrado >= 0 && static_cast<bool>(fichero_);
    fichero_.close();
    if (!bien || fichero_.fail())
        FalloEscritura();

    std::error_code ec;
    std::filesystem::rename(temporal_, destino_, ec);
    if (ec) {
        Descartar();
        throw ErrorMolvaren("No se puede escribir el fichero «" + nombre_ + "»: " + ec.message() + ".");
    }
    temporal_.clear();
    confirmado_ = true;
}

} // namespace molvaren
