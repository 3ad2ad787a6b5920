#pragma once
// Parámetros con los que Horavex arranca el programa incrustado: exactamente
// dos, la dirección y la ventana anfitriona en hexadecimal sin prefijo.
// Cualquier otro número de parámetros es uso independiente.
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

namespace molvaren::ventanas {

enum class Direccion { Ambas, Exportar, Importar };

struct LineaOrdenes {
    bool incrustado = false;
    Direccion direccion = Direccion::Ambas;
    quintptr ventanaAnfitriona = 0;
    // Mensaje si la ventana no se lee como hexadecimal; el programa sigue
    // entonces como independiente.
    std::optional<QString> error;

    // parametros: sin el nombre del programa.
    static LineaOrdenes Leer(const QStringList& parametros);
};

} // namespace molvaren::ventanas
