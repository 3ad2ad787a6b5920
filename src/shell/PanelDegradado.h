#pragma once
// Panel pintado con un degradado de tres colores (inicio, medio, fin), de
// arriba abajo. Sustituye al panel 3D de la biblioteca de gráficos original.
#include <QColor>
#include <QWidget>

namespace molvaren::ventanas {

class PanelDegradado : public QWidget {
    Q_OBJECT
public:
    PanelDegradado(const QColor& inicio, const QColor& medio, const QColor& fin, QWidget* padre = nullptr);

    QColor Inicio() const { return inicio_; }
    QColor Medio() const { return medio_; }
    QColor Fin() const { return fin_; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QColor inicio_, medio_, fin_;
};

} // namespace molvaren::ventanas
