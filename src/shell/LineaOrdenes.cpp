#include "shell/LineaOrdenes.h"

namespace molvaren::ventanas {

namespace {

// Como la lectura de "$" + texto: sólo cifras hexadecimales, al menos una,
// sin signo ni blancos, que quepan en un identificador de ventana.
std::optional<quintptr> LeerHexadecimal(const QString& texto)
{
    if (texto.isEmpty() || texto.size() > static_cast<qsizetype>(2 * sizeof(quintptr)))
        return std::nullopt;
    quintptr valor = 0;
    for (QChar c : texto) {
        int cifra;
        if (c >= u'0' && c <= u'9')
            cifra = c.unicode() - u'0';
        else if (c >= u'a' && c <= u'f')
            cifra = c.unicode() - u'a' + 10;
        else if (c >= u'A' && c <= u'F')
            cifra = c.unicode() - u'A' + 10;
        else
            return std::nullopt;
        valor = valor * 16 + static_cast<quintptr>(cifra);
    }
    return valor;
}

} // namespace

LineaOrdenes LineaOrdenes::Leer(const QStringList& parametros)
{
    LineaOrdenes l;
    if (parametros.size() != 2)
        return l;

    std::optional<quintptr> ventana = LeerHexadecimal(parametros[1]);
    if (!ventana) {
        l.error = QStringLiteral("'$%1' no es un valor entero válido").arg(parametros[1]);
        return l;
    }
    l.incrustado = true;
    l.ventanaAnfitriona = *ventana;
    const QString direccion = parametros[0].toLower();
    if (direccion == u"importar")
        l.direccion = Direccion::Importar;
    else if (direccion == u"exportar")
        l.direccion = Direccion::Exportar;
    return l;
}

} // namespace molvaren::ventanas
