#pragma once
// Ayuda del programa: "F1 Ayuda" abre la tabla de contenido de ITACA.chm y
// F1 el tema del control que tiene el foco. El abridor se puede sustituir
// (pruebas).
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace molvaren::ventanas {

class Ayuda {
public:
    using Abridor = std::function<std::optional<QString>(const QString& fichero, int contexto)>;

    static QString Fichero();                     // ITACA.chm en la carpeta del programa
    static void PonerAbridor(Abridor abridor);    // vacío: el del sistema

    // Abre la ayuda; si no puede, lo dice en una caja de error sobre padre.
    static void Abrir(QWidget* padre, int contexto);

    // F1 en la ventana abre el tema del control enfocado.
    static void InstalarF1(QWidget* ventana);
};

} // namespace molvaren::ventanas
