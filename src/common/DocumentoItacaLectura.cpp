#include "common/DocumentoItacaLectura.h"

#include "common/ErrorMolvaren.h"

#include <libxml/entities.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlreader.h>

#include <array>
#include <cstring>
#include <tuple>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

namespace molvaren {

namespace {

// Sin red; sin XML_PARSE_NOENT, DTDLOAD ni DTDATTR, para que no se lea
// ninguna entidad externa ni DTD; sin XML_PARSE_HUGE, para conservar los
// límites de tamaño de libxml2.
constexpr int kOpcionesLectura = XML_PARSE_NONET | XML_PARSE_COMPACT;

// Tope de un valor de atributo armado con entidades internas (el de libxml2
// para un nodo de texto).
constexpr size_t kMaximoValor = 10'000'000;
constexpr int kMaximaAnidacion = 40;

std::string NombreParaMensaje(const std::filesystem::path& fichero)
{
    const std::u8string u = fichero.u8string();
    return std::string(u.begin(), u.end());
}

struct PrimerError {
    bool hay = false;
    int linea = 0;
    std::string motivo;
};

void AnotarError(void* contexto, xmlErrorPtr error)
{
    auto* primero = static_cast<PrimerError*>(contexto);
    if (error == nullptr || error->level < XML_ERR_ERROR || primero->hay)
        return;
    primero->hay = true;
    primero->linea = error->line;
    primero->motivo = error->message != nullptr ? error->message : "error desconocido";
    while (!primero->motivo.empty() && (primero->motivo.back() == '\n' || primero->motivo.back() == ' '))
        primero->motivo.pop_back();
    // Algunos motivos vienen en dos líneas; el mensaje va en una.
    for (char& c : primero->motivo)
        if (c == '\n' || c == '\r')
            c = ' ';
}

int LeerBloque(void* contexto, char* destino, int largo)
{
    auto* f = static_cast<std::ifstream*>(contexto);
    f->read(destino, largo);
    if (f->bad())
        return -1;
    return static_cast<int>(f->gcount());
}

int CerrarEntrada(void*)
{
    return 0;   // el ifstream se cierra solo
}

// libxml2 no dice si había declaración: se mira el principio del fichero
// (tras una marca de orden de bytes; en UTF-16 sobran los bytes nulos).
bool EmpiezaConDeclaracion(std::ifstream& f)
{
    char bruto[64] = {};
    f.read(bruto, sizeof bruto);
    const auto leidos = static_cast<size_t>(f.gcount());
    f.clear();
    f.seekg(0);
    std::string principio;
    for (size_t i = 0; i < leidos; ++i) {
        const auto b = static_cast<unsigned char>(bruto[i]);
        if (b != 0 && b != 0xEF && b != 0xBB && b != 0xBF && b != 0xFE && b != 0xFF)
            principio += static_cast<char>(b);
    }
    return principio.size() > 5 && principio.compare(0, 5, "<?xml") == 0
        && std::strchr(" \t\r\n", principio[5]) != nullptr;
}

void Acumular(xmlDocPtr doc, xmlNodePtr nodo, std::string& valor, int anidacion)
{
    if (anidacion > kMaximaAnidacion)
        throw ErrorMolvaren("entidades anidadas en exceso");
    for (; nodo != nullptr; nodo = nodo->next) {
        if (nodo->type == XML_TEXT_NODE) {
            if (nodo->content != nullptr)
                valor += reinterpret_cast<const char*>(nodo->content);
        } else if (nodo->type == XML_ENTITY_REF_NODE) {
            // Sólo entidades internas: una externa en un atributo ya es un
            // error de formato y no se carga nunca.
            xmlEntityPtr entidad = xmlGetDocEntity(doc, nodo->name);
            if (entidad == nullptr || entidad->etype == XML_EXTERNAL_GENERAL_PARSED_ENTITY
                || entidad->etype == XML_EXTERNAL_GENERAL_UNPARSED_ENTITY)
                continue;
            if (entidad->children != nullptr)
                Acumular(doc, entidad->children, valor, anidacion + 1);
            else if (entidad->content != nullptr)
                valor += reinterpret_cast<const char*>(entidad->content);
        }
        if (valor.size() > kMaximoValor)
            throw ErrorMolvaren("valor de atributo demasiado largo");
    }
}

// Valor de un atributo en UTF-8; casi siempre es un solo nodo de texto y no
// hace falta copiarlo.
std::string_view ValorAtributo(xmlAttrPtr atributo, std::string& auxiliar)
{
    xmlNodePtr hijo = atributo->children;
    if (hijo == nullptr)
        return {};
    if (hijo->next == nullptr && hijo->type == XML_TEXT_NODE)
        return hijo->content != nullptr ? std::string_view(reinterpret_cast<const char*>(hijo->content))
                                        : std::string_view();
    auxiliar.clear();
    Acumular(atributo->doc, hijo, auxiliar, 0);
    return auxiliar;
}

class Lectura {
public:
    explicit Lectura(const std::filesystem::path& fichero)
        : nombre_(NombreParaMensaje(fichero)), datos_(std::make_unique<DocumentoItaca::Datos>())
    {
        datos_->fichero = fichero;
    }

    std::unique_ptr<DocumentoItaca::Datos> Leer();

private:
    [[noreturn]] void NoEsXml(int linea, const std::string& motivo) const
    {
        throw ErrorMolvaren("El fichero «" + nombre_ + "» no es un documento XML válido (línea "
                            + std::to_string(linea) + ": " + motivo + ").");
    }

    void GuardarElemento(xmlTextReaderPtr lector, size_t ruta);
    void GuardarParteExterna(xmlTextReaderPtr lector, int tipo);
    void LeerDeclaracion(xmlTextReaderPtr lector);

    std::string nombre_;
    std::unique_ptr<DocumentoItaca::Datos> datos_;
    bool raizVista_ = false;
    bool declaracionLeida_ = false;
    std::string auxiliar_;

    struct Ultimo {
        bool hay = false;
        std::string utf8;
        uint32_t id = 0;
    };
    std::array<std::array<Ultimo, std::tuple_size_v<decltype(RutaCatalogo::atributos)>>, kNumRutasCatalogo> ultimos_;
};

void Lectura::GuardarElemento(xmlTextReaderPtr lector, size_t ruta)
{
    ElementoItaca::Datos& destino = datos_->rutas[ruta];
    const RutaCatalogo& catalogo = *destino.ruta;
    const size_t primera = destino.NuevoElemento();
    xmlNodePtr nodo = xmlTextReaderCurrentNode(lector);
    if (nodo == nullptr)
        return;
    for (xmlAttrPtr a = nodo->properties; a != nullptr; a = a->next) {
        // Nombres exactos: un atributo con prefijo es otro atributo.
        if (a->ns != nullptr)
            continue;
        const size_t k = catalogo.PosicionAtributo(reinterpret_cast<const char*>(a->name));
        if (k == catalogo.numAtributos)
            continue;
        std::string_view valor;
        try {
            valor = ValorAtributo(a, auxiliar_);
        } catch (const ErrorMolvaren& e) {
            NoEsXml(xmlTextReaderGetParserLineNumber(lector), e.what());
        }
        // Filas seguidas suelen repetir valor (plantilla, curso, grupo): se
        // ahorra buscarlo en el almacén.
        Ultimo& ultimo = ultimos_[ruta][k];
        if (!ultimo.hay || valor != ultimo.utf8) {
            ultimo.utf8.assign(valor);
            ultimo.id = datos_->valores.Guardar(valor);
            ultimo.hay = true;
        }
        destino.Casilla(primera + k) = ultimo.id + 1;
    }
}

void Lectura::GuardarParteExterna(xmlTextReaderPtr lector, int tipo)
{
    ParteExternaItaca parte;
    if (tipo == XML_READER_TYPE_COMMENT) {
        parte.tipo = ParteExternaItaca::Tipo::Comentario;
    } else {
        parte.tipo = ParteExternaItaca::Tipo::Instruccion;
        const xmlChar* objetivo = xmlTextReaderConstName(lector);
        parte.objetivo = objetivo != nullptr ? reinterpret_cast<const char*>(objetivo) : "";
    }
    const xmlChar* texto = xmlTextReaderConstValue(lector);
    parte.texto = texto != nullptr ? reinterpret_cast<const char*>(texto) : "";
    (raizVista_ ? datos_->despuesDeRaiz : datos_->antesDeRaiz).push_back(std::move(parte));
}

void Lectura::LeerDeclaracion(xmlTextReaderPtr lector)
{
    declaracionLeida_ = true;
    if (!datos_->tieneDeclaracion)
        return;
    if (const xmlChar* v = xmlTextReaderConstXmlVersion(lector))
        datos_->version = reinterpret_cast<const char*>(v);
    if (const xmlChar* c = xmlTextReaderConstEncoding(lector))
        datos_->codificacion = reinterpret_cast<const char*>(c);
    datos_->independiente = xmlTextReaderStandalone(lector);
}

std::unique_ptr<DocumentoItaca::Datos> Lectura::Leer()
{
    std::error_code ec;
    if (!std::filesystem::exists(datos_->fichero, ec))
        throw ErrorMolvaren("No existe el fichero «" + nombre_ + "».");
    if (!std::filesystem::is_regular_file(datos_->fichero, ec))
        throw ErrorMolvaren("«" + nombre_ + "» no es un fichero.");

    // El fichero lo abre el programa, no libxml2: así el nombre nunca se
    // interpreta como URI y en Windows valen las rutas con acentos.
    std::ifstream entrada(datos_->fichero, std::ios::binary);
    if (!entrada)
        throw ErrorMolvaren("No se puede abrir el fichero «" + nombre_ + "».");
    datos_->tieneDeclaracion = EmpiezaConDeclaracion(entrada);

    PrimerError primerError;
    const std::string url = nombre_;
    std::unique_ptr<xmlTextReader, void (*)(xmlTextReaderPtr)> lector(
        xmlReaderForIO(LeerBloque, CerrarEntrada, &entrada, url.c_str(), nullptr, kOpcionesLectura),
        xmlFreeTextReader);
    if (!lector)
        throw ErrorMolvaren("No se puede abrir el fichero «" + nombre_ + "».");
    xmlTextReaderSetStructuredErrorHandler(lector.get(), AnotarError, &primerError);

    const auto& catalogo = CatalogoItaca();
    size_t seccion = kNumRutasCatalogo;   // ruta cuyos elementos cuelgan de la sección abierta
    int r = xmlTextReaderRead(lector.get());
    while (r == 1) {
        if (primerError.hay)
            break;
        if (!declaracionLeida_)
            LeerDeclaracion(lector.get());
        const int tipo = xmlTextReaderNodeType(lector.get());
        const int profundidad = xmlTextReaderDepth(lector.get());
        bool saltar = false;   // saltar el subárbol del nodo actual

        if (tipo == XML_READER_TYPE_ELEMENT) {
            const char* nombre = reinterpret_cast<const char*>(xmlTextReaderConstName(lector.get()));
            const std::string_view n = nombre != nullptr ? nombre : "";
            if (profundidad == 0) {
                if (n != "centro")
                    throw ErrorMolvaren("El fichero «" + nombre_ + "» no es un documento de ITACA: su raíz es «"
                                        + std::string(n) + "», no «centro».");
                raizVista_ = true;
                GuardarElemento(lector.get(), kRutaRaiz);
            } else if (profundidad == 1) {
                seccion = kNumRutasCatalogo;
                for (size_t i = 1; i < catalogo.size(); ++i)
                    if (catalogo[i].seccion == n)
                        seccion = i;
                // Las secciones que no se leen se saltan enteras.
                saltar = seccion == kNumRutasCatalogo;
            } else {
                if (profundidad == 2 && seccion != kNumRutasCatalogo && catalogo[seccion].elemento == n)
                    GuardarElemento(lector.get(), seccion);
                saltar = true;
            }
        } else if (profundidad == 0
                   && (tipo == XML_READER_TYPE_COMMENT || tipo == XML_READER_TYPE_PROCESSING_INSTRUCTION)) {
            GuardarParteExterna(lector.get(), tipo);
        }
        r = saltar ? xmlTextReaderNext(lector.get()) : xmlTextReaderRead(lector.get());
    }

    // Un error en cualquier punto, también al final, rechaza el fichero
    // entero: nunca se devuelve un documento a medias.
    if (primerError.hay)
        NoEsXml(primerError.linea, primerError.motivo);
    if (r < 0)
        NoEsXml(xmlTextReaderGetParserLineNumber(lector.get()), "no se ha podido leer");
    if (!raizVista_)
        NoEsXml(xmlTextReaderGetParserLineNumber(lector.get()), "no tiene elemento raíz");
    if (entrada.bad())
        throw ErrorMolvaren("Error al leer el fichero «" + nombre_ + "».");
    return std::move(datos_);
}

} // namespace

std::unique_ptr<DocumentoItaca::Datos> LeerDocumentoItaca(const std::filesystem::path& fichero)
{
    Lectura lectura(fichero);
    return lectura.Leer();
}

} // namespace molvaren
