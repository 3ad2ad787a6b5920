#pragma once
// Contesta las ventanas modales desde un temporizador y apunta lo que vio,
// para comprobarlo después: un fallo nunca deja la prueba colgada. Sin
// respuesta preparada, cada modal se cierra como con Escape.
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

namespace molvaren::pruebas {

struct ModalVisto {
    QString clase;
    QString nombre;
    QString titulo;
    QString texto;               // de una caja de mensaje
    QStringList botones;         // de una caja de mensaje, en su orden
    QMessageBox::Icon icono = QMessageBox::NoIcon;
};

class RespondeModales : public QObject {
public:
    using Accion = std::function<void(QWidget*)>;

    RespondeModales()
    {
        reloj_.setInterval(20);
        QObject::connect(&reloj_, &QTimer::timeout, this, [this] { Revisar(); });
        reloj_.start();
    }

    // La respuesta al siguiente modal que aparezca.
    void Preparar(Accion a) { acciones_.push_back(std::move(a)); }

    // Pulsa en una caja de mensaje el botón de ese texto.
    static Accion Pulsar(const QString& texto)
    {
        return [texto](QWidget* w) {
            if (auto* caja = qobject_cast<QMessageBox*>(w))
                for (QAbstractButton* b : caja->buttons())
                    if (b->text() == texto) {
                        b->click();
                        return;
                    }
            Cerrar(w);
        };
    }

    static void Cerrar(QWidget* w)
    {
        if (auto* caja = qobject_cast<QMessageBox*>(w)) {
            if (caja->escapeButton())
                caja->escapeButton()->click();
            else
                caja->reject();
        } else if (auto* d = qobject_cast<QDialog*>(w)) {
            d->reject();
        } else {
            w->close();
        }
    }

    const std::vector<ModalVisto>& Vistos() const { return vistos_; }
    QStringList Textos() const
    {
        QStringList t;
        for (const ModalVisto& v : vistos_)
            t << v.texto;
        return t;
    }
    void Olvidar() { vistos_.clear(); }

private:
    void Revisar()
    {
        QWidget* w = QApplication::activeModalWidget();
        if (!w)
            return;
        // Se contesta en la segunda pasada, con el modal ya preparado.
        if (w != enEspera_) {
            enEspera_ = w;
            return;
        }
        enEspera_ = nullptr;
        ModalVisto v;
        v.clase = QString::fromLatin1(w->metaObject()->className());
        v.nombre = w->objectName();
        v.titulo = w->windowTitle();
        if (auto* caja = qobject_cast<QMessageBox*>(w)) {
            v.texto = caja->text();
            v.icono = caja->icon();
            for (QAbstractButton* b : caja->buttons())
                v.botones << b->text();
        }
        vistos_.push_back(v);
        Accion a = acciones_.empty() ? Accion(Cerrar) : acciones_.front();
        if (!acciones_.empty())
            acciones_.pop_front();
        a(w);
    }

    QTimer reloj_;
    QPointer<QWidget> enEspera_;
    std::deque<Accion> acciones_;
    std::vector<ModalVisto> vistos_;
};

} // namespace molvaren::pruebas
