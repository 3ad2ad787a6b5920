#pragma once
// Lectura y escritura de ficheros .DBF.
// Escribe nivel 7 (versión 0x04, controlador de idioma "DBWINUS0", página de
// códigos 1252), el que crean por omisión los programas de Windows que usan
// BDE. Lee con tolerancia los niveles 3 a 7 y las variantes de FoxPro y
// Visual FoxPro, sin leer nunca fuera del fichero.
#include <filesystem>
#include <string>

#include "common/Tabla.h"

namespace molvaren {

// Lanza ErrorMolvaren (que nombra el fichero) si no es una tabla dBase o
// está cortado.
Tabla LeerDbf(const std::filesystem::path& fichero, const std::string& nombreTabla);

// Escribe en un fichero temporal de la misma carpeta y lo renombra encima del
// destino: un fallo nunca deja un fichero a medias.
void EscribirDbf(const Tabla& tabla, const std::filesystem::path& fichero);

// Primera mitad de EscribirDbf: escribe la tabla en un fichero temporal nuevo
// de la carpeta de destino y devuelve su ruta (renombrarlo es cosa del que
// llama). Si falla, no deja el temporal.
std::filesystem::path EscribirDbfTemporal(const Tabla& tabla, const std::filesystem::path& destino);

// Ruta en UTF-8 para los mensajes.
std::string RutaParaMensaje(const std::filesystem::path& ruta);

} // namespace molvaren
