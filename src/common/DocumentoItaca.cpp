#include "common/DocumentoItaca.h"

#include "common/DocumentoItacaDatos.h"
#include "common/DocumentoItacaLectura.h"
#include "common/TextHelpers.h"

namespace molvaren {

size_t ElementoItaca::Datos::NuevoElemento()
{
    const size_t primera = numCasillas;
    numCasillas += ruta->numAtributos;
    while (bloques.size() * kCasillasBloque < numCasillas) {
        bloques.push_back(std::make_unique<uint32_t[]>(kCasillasBloque));   // a ceros
    }
    ++numElementos;
    return primera;
}

DocumentoItaca::Datos::Datos()
{
    const auto& catalogo = CatalogoItaca();
    for (size_t i = 0; i < rutas.size(); ++i) {
        rutas[i].ruta = &catalogo[i];
        rutas[i].valores = &valores;
    }
}

std::string ElementoItaca::Atributo(std::string_view nombre) const
{
    if (d_ == nullptr)
        return {};
    const size_t k = d_->ruta->PosicionAtributo(nombre);
    if (k == d_->ruta->numAtributos)
        return {};
    const uint32_t casilla = d_->Casilla(size_t{indice_} * d_->ruta->numAtributos + k);
    if (casilla == 0)
        return {};
    return std::string(d_->valores->Valor(casilla - 1));
}

bool ElementoItaca::TieneAtributo(std::string_view nombre) const
{
    if (d_ == nullptr)
        return false;
    const size_t k = d_->ruta->PosicionAtributo(nombre);
    if (k == d_->ruta->numAtributos)
        return false;
    return d_->Casilla(size_t{indice_} * d_->ruta->numAtributos + k) != 0;
}

DocumentoItaca::DocumentoItaca() : d_(std::make_unique<Datos>()) {}
DocumentoItaca::~DocumentoItaca() = default;
DocumentoItaca::DocumentoItaca(DocumentoItaca&&) noexcept = default;
DocumentoItaca& DocumentoItaca::operator=(DocumentoItaca&&) noexcept = default;

DocumentoItaca DocumentoItaca::Cargar(const std::filesystem::path& fichero)
{
    DocumentoItaca documento;
    documento.d_ = LeerDocumentoItaca(fichero);
    return documento;
}

std::vector<ElementoItaca> DocumentoItaca::Seleccionar(std::string_view ruta) const
{
    std::vector<ElementoItaca> elementos;
    if (!d_)
        return elementos;
    const size_t r = BuscarRutaCatalogo(ruta);
    if (r == kNumRutasCatalogo)
        return elementos;
    const ElementoItaca::Datos& datos = d_->rutas[r];
    elementos.reserve(datos.numElementos);
    for (uint32_t i = 0; i < datos.numElementos; ++i)
        elementos.emplace_back(&datos, i);
    return elementos;
}

// Un documento del que se ha movido el contenido se ve vacío, no rompe.
const DocumentoItaca::Datos& DocumentoItaca::Interno() const
{
    static const Datos vacio;
    return d_ ? *d_ : vacio;
}

const std::filesystem::path& DocumentoItaca::Fichero() const
{
    return Interno().fichero;
}

std::string LeerAtributo(const ElementoItaca& elemento, std::string_view nombre)
{
    return TrimBoth(elemento.Atributo(nombre));
}

std::string LeerAtributoPlantilla(const ElementoItaca& elemento, std::string_view nombre)
{
    return TrimControl(elemento.Atributo(nombre));
}

} // namespace molvaren
