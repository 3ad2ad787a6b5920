#pragma once
// Abre un fichero de ayuda compilada con el visor del sistema: en Windows,
// la Ayuda HTML; en los demás, el programa que el escritorio tenga para él.
// contexto 0: tabla de contenido. Devuelve el mensaje para el usuario si no
// se pudo abrir.
#include <QString>
#include <optional>

namespace molvaren::ventanas {

std::optional<QString> AbrirAyudaSistema(const QString& fichero, int contexto);

} // namespace molvaren::ventanas
