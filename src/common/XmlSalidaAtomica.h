#pragma once
// Fichero XML que se escribe entero en un temporal de la misma carpeta y
// sólo al confirmar sustituye al destino: un fallo a medias nunca deja un
// fichero cortado ni estropea el que ya había.
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

typedef struct _xmlOutputBuffer* xmlOutputBufferPtr;

namespace molvaren {

class XmlSalidaAtomica {
public:
    // `codificacion` vacía es UTF-8. Los caracteres que la codificación no
    // tiene salen como referencias de carácter (&#N;).
    XmlSalidaAtomica(const std::filesystem::path& destino, const std::string& codificacion);
    ~XmlSalidaAtomica();
    XmlSalidaAtomica(const XmlSalidaAtomica&) = delete;
    XmlSalidaAtomica& operator=(const XmlSalidaAtomica&) = delete;

    // Texto UTF-8 ya preparado como XML.
    void Escribir(std::string_view utf8);

    // Vuelca, cierra y pone el fichero en su sitio.
    void Confirmar();

private:
    static int EscribirBloque(void* contexto, const char* datos, int largo);
    static int CerrarBloque(void* contexto);
    [[noreturn]] void FalloEscritura();
    void Descartar();

    std::filesystem::path destino_;
    std::filesystem::path temporal_;
    std::string nombre_;
    std::ofstream fichero_;
    xmlOutputBufferPtr salida_ = nullptr;
    bool confirmado_ = false;
};

} // namespace molvaren
