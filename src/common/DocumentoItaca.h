#pragma once
// El documento ITACA: una sola pasada del lector en flujo de libxml2 que
// guarda, en orden de documento, sólo los elementos de las rutas del
// catálogo con sus atributos, y lo que hay fuera de la raíz (declaración,
// comentarios, instrucciones) para la exportación. La memoria sigue a los
// datos catalogados, no al tamaño del fichero.
// Los valores se guardan ya pasados a Windows-1252.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace molvaren {

// Vale mientras viva el documento del que sale. Sólo se guardan los
// atributos del catálogo de su ruta: cualquier otro se lee como ausente.
class ElementoItaca {
public:
    // Valor del atributo tal cual (Windows-1252, sin recortar); vacío si falta.
    std::string Atributo(std::string_view nombre) const;
    bool TieneAtributo(std::string_view nombre) const;

    struct Datos;
    explicit ElementoItaca(const Datos* d) : d_(d) {}
    ElementoItaca(const Datos* d, uint32_t indice) : d_(d), indice_(indice) {}

private:
    const Datos* d_;
    uint32_t indice_ = 0;   // posición del elemento dentro de su ruta
};

class DocumentoItaca {
public:
    // Carga segura: sin red, sin entidades externas, sin DTD. Lanza
    // ErrorMolvaren con un mensaje que nombra el fichero y, si no es XML
    // válido, la línea y el motivo; también si la raíz no es "centro".
    static DocumentoItaca Cargar(const std::filesystem::path& fichero);

    DocumentoItaca();
    ~DocumentoItaca();
    DocumentoItaca(DocumentoItaca&&) noexcept;
    DocumentoItaca& operator=(DocumentoItaca&&) noexcept;

    // Elementos de una ruta absoluta del catálogo ("/centro/docentes/docente"),
    // en orden de documento. "/centro" da la raíz. Una ruta ausente da una
    // lista vacía.
    std::vector<ElementoItaca> Seleccionar(std::string_view ruta) const;

    const std::filesystem::path& Fichero() const;

    struct Datos;
    const Datos& Interno() const;

private:
    std::unique_ptr<Datos> d_;
};

// Lectura de un atributo para los pasos de conversión: valor, a 8 bits y
// TrimBoth. Un atributo que falta se lee vacío.
std::string LeerAtributo(const ElementoItaca& elemento, std::string_view nombre);

// Variante del diálogo de plantillas: recorta caracteres de código <= 32.
std::string LeerAtributoPlantilla(const ElementoItaca& elemento, std::string_view nombre);

// Documento nuevo que escribe la exportación (valores en Windows-1252).
struct ElementoNuevo {
    std::string nombre;
    std::vector<std::pair<std::string, std::string>> atributos;   // en orden
};
struct SeccionNueva {
    std::string nombre;
    std::vector<ElementoNuevo> elementos;
};

// Guarda lo que el documento cargado tenía fuera de la raíz, en su orden, y
// después una raíz "centro" nueva con sus atributos y secciones, en la
// codificación declarada (UTF-8 si no declaraba ninguna). Guardado atómico.
void GuardarDocumentoItaca(const DocumentoItaca& origen,
                           const std::vector<std::pair<std::string, std::string>>& atributosRaiz,
                           const std::vector<SeccionNueva>& secciones,
                           const std::filesystem::path& destino);

} // namespace molvaren
