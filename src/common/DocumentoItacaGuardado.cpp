#include "common/DocumentoItaca.h"

#include "common/Codificacion.h"
#include "common/DocumentoItacaDatos.h"
#include "common/ErrorMolvaren.h"
#include "common/XmlSalidaAtomica.h"

#include <libxml/tree.h>

namespace molvaren {

namespace {

// Se escribe a trozos de este tamaño para no tener el documento entero en
// memoria.
constexpr size_t kTrozo = 64 * 1024;

void ExigirNombre(const std::string& nombre)
{
    if (xmlValidateName(reinterpret_cast<const xmlChar*>(nombre.c_str()), 0) != 0)
        throw ErrorMolvaren("Nombre XML no válido al exportar: «" + Cp1252AUtf8(nombre) + "».");
}

// Valor de atributo: de Windows-1252 a UTF-8 y escapado. Los caracteres de
// control que XML 1.0 no admite pasan a "?", como cualquier otro carácter
// que no se puede representar; tabulador y saltos de línea van como
// referencias para que el lector no los cambie por espacios.
void AnadirValor(std::string& salida, std::string_view cp1252)
{
    const std::string utf8 = Cp1252AUtf8(cp1252);
    for (char c : utf8) {
        switch (c) {
        case '&': salida += "&amp;"; break;
        case '<': salida += "&lt;"; break;
        case '>': salida += "&gt;"; break;
        case '"': salida += "&quot;"; break;
        case '\t': salida += "&#9;"; break;
        case '\n': salida += "&#10;"; break;
        case '\r': salida += "&#13;"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20)
                salida += '?';
            else
                salida += c;
        }
    }
}

void AnadirAtributos(std::string& salida, const std::vector<std::pair<std::string, std::string>>& atributos)
{
    for (const auto& [nombre, valor] : atributos) {
        ExigirNombre(nombre);
        salida += ' ';
        salida += nombre;
        salida += "=\"";
        AnadirValor(salida, valor);
        salida += '"';
    }
}

void AnadirPartesExternas(std::string& salida, const std::vector<ParteExternaItaca>& partes)
{
    for (const ParteExternaItaca& parte : partes) {
        if (parte.tipo == ParteExternaItaca::Tipo::Comentario) {
            salida += "<!--" + parte.texto + "-->\n";
        } else {
            salida += "<?" + parte.objetivo;
            if (!parte.texto.empty())
                salida += " " + parte.texto;
            salida += "?>\n";
        }
    }
}

std::string Declaracion(const DocumentoItaca::Datos& d)
{
    if (!d.tieneDeclaracion)
        return {};
    std::string s = "<?xml version=\"" + (d.version.empty() ? std::string("1.0") : d.version) + "\"";
    if (!d.codificacion.empty())
        s += " encoding=\"" + d.codificacion + "\"";
    if (d.independiente >= 0)
        s += d.independiente ? " standalone=\"yes\"" : " standalone=\"no\"";
    s += "?>\n";
    return s;
}

} // namespace

// Fuera de la raíz se conservan la declaración y, en su orden, comentarios e
// instrucciones de antes y de después de la raíz vieja; los de después
// siguen detrás de la raíz nueva, donde estaban. La declaración de
// tipo (DOCTYPE) no se copia: describía el contenido que se quita y podría
// hacer que quien lea el fichero vaya a buscar una DTD externa. Sin
// declaración en el original tampoco se escribe ninguna: UTF-8 es lo que
// supone cualquier lector.
void GuardarDocumentoItaca(const DocumentoItaca& origen,
                           const std::vector<std::pair<std::string, std::string>>& atributosRaiz,
                           const std::vector<SeccionNueva>& secciones,
                           const std::filesystem::path& destino)
{
    const DocumentoItaca::Datos& d = origen.Interno();
    XmlSalidaAtomica salida(destino, d.codificacion);

    std::string texto = Declaracion(d);
    AnadirPartesExternas(texto, d.antesDeRaiz);

    texto += "<centro";
    AnadirAtributos(texto, atributosRaiz);
    texto += '>';
    for (const SeccionNueva& seccion : secciones) {
        ExigirNombre(seccion.nombre);
        texto += '<' + seccion.nombre;
        if (seccion.elementos.empty()) {
            texto += "/>";
            continue;
        }
        texto += '>';
        for (const ElementoNuevo& elemento : seccion.elementos) {
            ExigirNombre(elemento.nombre);
            texto += '<' + elemento.nombre;
            AnadirAtributos(texto, elemento.atributos);
            texto += "/>";
            if (texto.size() >= kTrozo) {
                salida.Escribir(texto);
                texto.clear();
            }
        }
        texto += "</" + seccion.nombre + '>';
    }
    texto += "</centro>\n";
    AnadirPartesExternas(texto, d.despuesDeRaiz);
    salida.Escribir(texto);
    salida.Confirmar();
}

} // namespace molvaren
