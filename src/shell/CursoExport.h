#pragma once
// TCurExp: diálogo modal del curso de destino de la exportación. El curso es
// texto sin comprobar: lo que muestre LabelCurActual al cerrar.
#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QPushButton;

namespace molvaren::ventanas {

class PanelDegradado;

class TCurExp : public QDialog {
    Q_OBJECT
public:
    TCurExp(QWidget* propietario, const QString& cursoDestino);

    const QString& CursoDestino() const { return cursoDestino_; }

    void FormActivate();
    void ComboBoxCursoChange();
    void BitBtnContinuarClick();
    void FormClose();

    void done(int r) override;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void PonerCursoActual(const QString& texto);

    QString cursoDestino_;
    bool activado_ = false;

    PanelDegradado* Draw3D4;
    QLabel* LabelCurso;
    QLabel* LabelCurSelected;
    QLabel* LabelCurActual;
    QLabel* LabelSeleccion;
    QComboBox* ComboBoxCurso;
    QPushButton* BitBtnContinuar;
};

} // namespace molvaren::ventanas
