#pragma once
// TPlantillas: diálogo modal de elección de la plantilla horaria. Enseña lo
// que decide ModeloPlantillas; Tag es el modo (0 conversión, 2 exportación).
#include <QDialog>

#include "common/EstadoPrograma.h"
#include "common/Interaccion.h"
#include "common/ModeloPlantillas.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace molvaren::ventanas {

class PanelDegradado;

class TPlantillas : public QDialog {
    Q_OBJECT
public:
    TPlantillas(QWidget* propietario, int tag, const EstadoPrograma& estado);

    int Tag() const { return tag_; }
    // Lo que queda al cerrarse (Continuar o la caja de cierre, igual).
    const ResultadoPlantillas& Resultado() const { return resultado_; }

    void FormActivate();
    void ComboBoxPlantillaChange();
    void ComboBoxValCastChange();
    void BitBtnContinuarClick();
    void FormClose();

    void done(int r) override;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void Mostrar();   // del modelo a los controles

    int tag_;
    ModeloPlantillas modelo_;
    ResultadoPlantillas resultado_;
    bool activado_ = false;
    bool mostrando_ = false;

    PanelDegradado* Draw3D4;
    QLabel* Label9;
    QComboBox* ComboBoxValCast;
    QLabel* LabelPlantillas;
    QLabel* Label1;
    QComboBox* ComboBoxPlantilla;
    QListWidget* ListBox1;
    QLabel* Label3;
    QLabel* LabelNombre;
    QLabel* Label2;
    QLabel* LabelTurno;
    QPushButton* BitBtnContinuar;
};

} // namespace molvaren::ventanas
