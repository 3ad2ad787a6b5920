#include "shell/CursoExport.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "shell/Ayuda.h"
#include "shell/Controles.h"
#include "shell/Estilo.h"
#include "shell/PanelDegradado.h"

namespace molvaren::ventanas {

TCurExp::TCurExp(QWidget* propietario, const QString& cursoDestino)
    : QDialog(propietario, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      cursoDestino_(cursoDestino)
{
    PrepararFuentes();
    setObjectName(QStringLiteral("CurExp"));
    setWindowTitle(QStringLiteral("Curso de destino"));
    setFont(FuenteSistema(11));
    PonerContextoAyuda(this, 1);
    // Tamaño exterior 387 x 172: área de cliente 379 x 138.
    resize(379, 138);
    move(378, 334);

    Draw3D4 = new PanelDegradado(ColorAzulCielo, Qt::white, ColorTextoTituloInactivo, this);
    Draw3D4->setObjectName(QStringLiteral("Draw3D4"));
    Draw3D4->setGeometry(0, 0, 379, 137);
    PonerContextoAyuda(Draw3D4, 3);

    LabelCurso = CrearRotulo(
        Draw3D4, "LabelCurso",
        QStringLiteral("Seleccione el Curso para el que quiere Exportar el Resultado del Horario."), 6, 1, 315, 33,
        FuenteArial(13), true);
    LabelCurSelected = CrearRotulo(Draw3D4, "LabelCurSelected", QStringLiteral("Curso seleccionado actualmente:"), 6,
                                   46, 233, 24, FuenteSistema(13, true), true);
    PonerColorTexto(LabelCurSelected, ColorAzul);
    LabelCurActual = CrearRotulo(Draw3D4, "LabelCurActual", QStringLiteral("-"), 270, 42, 0, 0, FuenteSistema(16, true));
    PonerColorTexto(LabelCurActual, ColorRojo);
    LabelSeleccion = CrearRotulo(Draw3D4, "LabelSeleccion",
                                 QStringLiteral("Curso para el que se efecturá la Exportación:"), 7, 72, 0, 0,
                                 FuenteSistema(11, true));
    PonerColorTexto(LabelSeleccion, ColorRojo);

    QStringList cursos;
    for (int anio = 2010; anio <= 2020; ++anio)
        cursos << QString::number(anio);
    ComboBoxCurso = CrearCombo(Draw3D4, "ComboBoxCurso", 267, 69, 105, cursos);
    ComboBoxCurso->setCurrentIndex(-1);
    ComboBoxCurso->setEditText(QString());
    ComboBoxCurso->setFont(FuenteSistema(11, true));
    PonerColores(ComboBoxCurso, Qt::black, Qt::white);
    PonerContextoAyuda(ComboBoxCurso, 1);

    BitBtnContinuar = CrearBoton(Draw3D4, "BitBtnContinuar", QStringLiteral("Continuar"), 153, 102, 89, 25,
                                 Glifo::Aceptar);
    BitBtnContinuar->setFont(FuenteSistema(11, true));
    // Botón de tipo Aceptar: Intro lo pulsa.
    BitBtnContinuar->setDefault(true);
    PonerContextoAyuda(BitBtnContinuar, 3);
    setTabOrder(ComboBoxCurso, BitBtnContinuar);

    connect(ComboBoxCurso, &QComboBox::editTextChanged, this, [this] { ComboBoxCursoChange(); });
    connect(BitBtnContinuar, &QPushButton::clicked, this, [this] { BitBtnContinuarClick(); });
    Ayuda::InstalarF1(this);
}

void TCurExp::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (!activado_) {
        activado_ = true;
        FormActivate();
    }
}

void TCurExp::PonerCursoActual(const QString& texto)
{
    LabelCurActual->setText(texto);
    LabelCurActual->adjustSize();
}

void TCurExp::FormActivate()
{
    PonerCursoActual(cursoDestino_);
}

void TCurExp::ComboBoxCursoChange()
{
    PonerCursoActual(ComboBoxCurso->currentText());
}

void TCurExp::BitBtnContinuarClick()
{
    cursoDestino_ = LabelCurActual->text();
    accept();
}

void TCurExp::FormClose()
{
    // Antes de activarse el rótulo dice "-": el curso no cambia.
    if (activado_)
        cursoDestino_ = LabelCurActual->text();
}

void TCurExp::done(int r)
{
    FormClose();
    QDialog::done(r);
}

} // namespace molvaren::ventanas
