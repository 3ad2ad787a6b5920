#include "shell/Controles.h"

#include <QLineEdit>
#include <QStyle>

namespace molvaren::ventanas {

QLabel* CrearRotulo(QWidget* padre, const char* nombre, const QString& texto, int x, int y, int ancho, int alto,
                    const QFont& fuente, bool ajustarLineas)
{
    auto* l = new QLabel(texto, padre);
    l->setObjectName(QString::fromLatin1(nombre));
    l->setFont(fuente);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setWordWrap(ajustarLineas);
    l->setTextFormat(Qt::PlainText);
    if (ancho > 0) {
        l->setGeometry(x, y, ancho, alto);
    } else {
        l->move(x, y);
        l->adjustSize();
    }
    return l;
}

QComboBox* CrearCombo(QWidget* padre, const char* nombre, int x, int y, int ancho, const QStringList& elementos)
{
    auto* c = new QComboBox(padre);
    c->setObjectName(QString::fromLatin1(nombre));
    c->setEditable(true);
    c->setCompleter(nullptr);
    // Lo escrito no se añade a la lista al pulsar Intro.
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(elementos);
    c->setGeometry(x, y, ancho, 21);
    return c;
}

QPushButton* CrearBoton(QWidget* padre, const char* nombre, const QString& texto, int x, int y, int ancho, int alto,
                        Glifo glifo)
{
    auto* b = new QPushButton(texto, padre);
    b->setObjectName(QString::fromLatin1(nombre));
    b->setGeometry(x, y, ancho, alto);
    // Los botones con glifo no se quedan como botón por omisión de la ventana.
    b->setAutoDefault(false);
    if (glifo == Glifo::Aceptar)
        b->setIcon(b->style()->standardIcon(QStyle::SP_DialogOkButton));
    else if (glifo == Glifo::Cerrar)
        b->setIcon(b->style()->standardIcon(QStyle::SP_DialogCloseButton));
    return b;
}

} // namespace molvaren::ventanas
