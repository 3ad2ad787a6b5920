#pragma once
// TMForm: la ventana principal. Guarda el estado del programa, lee la línea
// de órdenes, se incrusta en la ventana de Horavex si se lo piden y, al
// cerrarse incrustada, deja la bandera Transformado en Horavex.ini.
#include <QStringList>
#include <QWidget>
#include <memory>

#include "common/EstadoPrograma.h"
#include "shell/LineaOrdenes.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class QWindow;

namespace molvaren::ventanas {

class InteraccionQt;
class PanelDegradado;

class TMForm : public QWidget {
    Q_OBJECT
public:
    // parametros: los de la línea de órdenes, sin el nombre del programa.
    explicit TMForm(const QStringList& parametros, QWidget* padre = nullptr);
    ~TMForm() override;

    EstadoPrograma& Estado() { return estado_; }
    const LineaOrdenes& Ordenes() const { return ordenes_; }
    QWindow* VentanaAnfitrion() const { return anfitrion_; }

    // Para quien arranca: el error de la línea de órdenes se enseña con la
    // ventana ya en pantalla.
    void MostrarErrorArranque();

    void BExportarClick();
    void BImportarClick();
    void Button1Click();

signals:
    // Incrustada, cerrar la ventana no basta para que termine el proceso:
    // quien arranca el programa lo termina al recibir esta señal.
    void CerradaIncrustada();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void FormCreate(const QStringList& parametros);
    bool FormClose();                  // falso si la ventana debe quedar abierta
    void Incrustar();
    void AntesDeEjecutar();            // de los controles al estado
    void DespuesDeEjecutar();          // del estado a los controles
    void VigilarAnfitrion();

    EstadoPrograma estado_;
    LineaOrdenes ordenes_;
    std::unique_ptr<InteraccionQt> interaccion_;
    QWindow* anfitrion_ = nullptr;
    QTimer* vigilancia_ = nullptr;
    bool ejecutando_ = false;

    PanelDegradado* Draw3D1;
    PanelDegradado* Draw3D2;
    PanelDegradado* Draw3D3;
    QLabel* Label3;
    QLabel* Label9;
    QComboBox* ComboBoxValCast;
    QPushButton* BExportar;
    QLabel* Label4;
    QPushButton* BImportar;
    QLabel* Label1;
    QPushButton* BClose;
    QPushButton* Button1;
    QListWidget* ListBoxPlanti;
};

} // namespace molvaren::ventanas
