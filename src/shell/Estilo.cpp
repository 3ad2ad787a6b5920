#include "shell/Estilo.h"

#include <QPalette>
#include <QVariant>
#include <QWidget>

#include "common/Codificacion.h"

namespace molvaren::ventanas {

void PrepararFuentes()
{
    static bool hecho = false;
    if (hecho)
        return;
    hecho = true;
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
}

QFont FuenteSistema(int pixeles, bool negrita)
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(pixeles);
    f.setBold(negrita);
    return f;
}

QFont FuenteArial(int pixeles, bool negrita)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixeles);
    f.setBold(negrita);
    return f;
}

void PonerColores(QWidget* w, const QColor& texto, const QColor& fondo)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Text, texto);
    p.setColor(QPalette::WindowText, texto);
    p.setColor(QPalette::ButtonText, texto);
    p.setColor(QPalette::Base, fondo);
    w->setPalette(p);
}

void PonerColorTexto(QWidget* w, const QColor& texto)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, texto);
    p.setColor(QPalette::Text, texto);
    w->setPalette(p);
}

void PonerContextoAyuda(QWidget* w, int contexto)
{
    w->setProperty("HelpContext", contexto);
}

int ContextoAyuda(const QWidget* w)
{
    // Sin contexto propio vale el de quien lo contiene, como en el original.
    for (; w; w = w->parentWidget()) {
        QVariant v = w->property("HelpContext");
        if (v.isValid())
            return v.toInt();
    }
    return 0;
}

QString DeCp1252(const std::string& texto)
{
    return QString::fromStdString(Cp1252AUtf8(texto));
}

std::string ACp1252(const QString& texto)
{
    return Utf8ACp1252(texto.toStdString());
}

} // namespace molvaren::ventanas
