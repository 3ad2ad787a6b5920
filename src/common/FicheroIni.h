#pragma once
// Escritura de una clave en un fichero INI, como la hacen las funciones INI
// de Windows: sección y clave sin distinguir mayúsculas, primera sección y
// primera clave que coinciden. Todo lo demás del fichero queda byte a byte
// (comentarios, orden, otras secciones, texto Windows-1252, fines de línea).
// El fichero se escribe a un temporal que después se renombra encima.
#include <filesystem>
#include <string>
#include <string_view>

namespace molvaren {

class FicheroIni {
public:
    explicit FicheroIni(std::filesystem::path ruta);

    const std::filesystem::path& Ruta() const { return ruta_; }

    // Añade o sustituye seccion/clave; crea el fichero si falta. Lanza
    // ErrorMolvaren("Unable to write to <ruta>") si no puede leerlo o
    // escribirlo.
    void EscribirTexto(std::string_view seccion, std::string_view clave, std::string_view valor);
    void EscribirEntero(std::string_view seccion, std::string_view clave, long long valor);

    // El contenido que queda tras poner la clave, sin tocar el disco.
    static std::string ConClave(std::string_view contenido, std::string_view seccion, std::string_view clave,
                                std::string_view valor);

private:
    std::filesystem::path ruta_;
};

} // namespace molvaren
