#include "shell/PanelDegradado.h"

#include <QLinearGradient>
#include <QPainter>

namespace molvaren::ventanas {

PanelDegradado::PanelDegradado(const QColor& inicio, const QColor& medio, const QColor& fin, QWidget* padre)
    : QWidget(padre), inicio_(inicio), medio_(medio), fin_(fin)
{
    // Pinta todo su fondo: Qt no tiene que borrarlo antes.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PanelDegradado::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0.0, inicio_);
    g.setColorAt(0.5, medio_);
    g.setColorAt(1.0, fin_);
    p.fillRect(rect(), g);
}

} // namespace molvaren::ventanas
