#include "shell/Plantihoras.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "common/ErrorMolvaren.h"
#include "shell/Ayuda.h"
#include "shell/CajasMensaje.h"
#include "shell/Controles.h"
#include "shell/Estilo.h"
#include "shell/PanelDegradado.h"

namespace molvaren::ventanas {

namespace {

// El documento que la conversión acaba de cargar sirve si es del mismo
// fichero; la exportación siempre lee el fichero de nuevo.
std::shared_ptr<const DocumentoItaca> DocumentoReutilizable(int tag, const EstadoPrograma& estado)
{
    if (tag == 0 && estado.DocXML && estado.DocXML->Fichero() == estado.FicheroXML)
        return estado.DocXML;
    return nullptr;
}

void PonerTextoSiCambia(QComboBox* c, const QString& texto)
{
    if (c->currentText() != texto)
        c->setEditText(texto);
}

} // namespace

TPlantillas::TPlantillas(QWidget* propietario, int tag, const EstadoPrograma& estado)
    : QDialog(propietario, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      tag_(tag),
      modelo_(tag, estado.TextoIdioma, estado.FicheroXML, estado.CarpetaTablas, DocumentoReutilizable(tag, estado))
{
    PrepararFuentes();
    setObjectName(QStringLiteral("Plantillas"));
    setProperty("Tag", tag);
    setWindowTitle(QStringLiteral("Plantillas Horarias"));
    setFont(FuenteSistema(11));
    PonerContextoAyuda(this, 1);
    // Tamaño exterior 378 x 299: área de cliente 370 x 265.
    resize(370, 265);
    move(444, 334);

    Draw3D4 = new PanelDegradado(ColorAzulCielo, Qt::white, ColorTextoTituloInactivo, this);
    Draw3D4->setObjectName(QStringLiteral("Draw3D4"));
    Draw3D4->setGeometry(0, 0, 369, 265);
    PonerContextoAyuda(Draw3D4, 3);

    Label9 = CrearRotulo(Draw3D4, "Label9", QStringLiteral("Recoger Textos en: -------------->"), 6, 10, 0, 0,
                         FuenteSistema(11, true));
    PonerColorTexto(Label9, ColorRojo);

    ComboBoxValCast = CrearCombo(Draw3D4, "ComboBoxValCast", 205, 6, 133,
                                 {QStringLiteral("VALENCIÁ"), QStringLiteral("CASTELLANO")});
    ComboBoxValCast->setFont(FuenteSistema(11, true));
    PonerColores(ComboBoxValCast, Qt::black, Qt::white);
    PonerContextoAyuda(ComboBoxValCast, 1);

    LabelPlantillas = CrearRotulo(
        Draw3D4, "LabelPlantillas",
        QStringLiteral("Seleccione la Plantilla Horaria que quiere aplicar a su Horario en Horavex."), 6, 33, 321, 33,
        FuenteArial(13), true);

    Label1 = CrearRotulo(Draw3D4, "Label1", QStringLiteral("HORAS"), 228, 61, 67, 18, FuenteArial(16));
    PonerColorTexto(Label1, ColorGranate);

    ComboBoxPlantilla = CrearCombo(Draw3D4, "ComboBoxPlantilla", 8, 80, 129, {});
    ComboBoxPlantilla->setFont(FuenteSistema(11, true));
    PonerColores(ComboBoxPlantilla, Qt::black, ColorAmarillo);

    ListBox1 = new QListWidget(Draw3D4);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(168, 80, 197, 149);
    ListBox1->setFont(FuenteSistema(11, true));
    PonerColores(ListBox1, ColorAzul, Qt::white);

    Label3 = CrearRotulo(Draw3D4, "Label3", QStringLiteral("Horario:"), 2, 105, 63, 22, FuenteArial(12));
    LabelNombre = CrearRotulo(Draw3D4, "LabelNombre", QStringLiteral("-"), 2, 127, 162, 36, FuenteArial(12), true);
    PonerColorTexto(LabelNombre, ColorGranate);
    Label2 = CrearRotulo(Draw3D4, "Label2", QStringLiteral("Turno:"), 2, 185, 39, 22, FuenteArial(12));
    LabelTurno = CrearRotulo(Draw3D4, "LabelTurno", QStringLiteral("-"), 44, 185, 101, 23, FuenteArial(12), true);
    PonerColorTexto(LabelTurno, ColorGranate);

    BitBtnContinuar = CrearBoton(Draw3D4, "BitBtnContinuar", QStringLiteral("Continuar"), 255, 234, 89, 25,
                                 Glifo::Aceptar);
    BitBtnContinuar->setFont(FuenteSistema(11, true));
    // Botón de tipo Aceptar: Intro lo pulsa.
    BitBtnContinuar->setDefault(true);
    PonerContextoAyuda(BitBtnContinuar, 3);

    setTabOrder(ComboBoxValCast, ComboBoxPlantilla);
    setTabOrder(ComboBoxPlantilla, ListBox1);
    setTabOrder(ListBox1, BitBtnContinuar);

    connect(ComboBoxPlantilla, &QComboBox::editTextChanged, this, [this] { ComboBoxPlantillaChange(); });
    connect(ComboBoxValCast, &QComboBox::editTextChanged, this, [this] { ComboBoxValCastChange(); });
    connect(BitBtnContinuar, &QPushButton::clicked, this, [this] { BitBtnContinuarClick(); });
    Ayuda::InstalarF1(this);
}

void TPlantillas::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    // Sólo al mostrarse: una reactivación tras una caja de mensaje no debe
    // devolver la elección a la primera plantilla. Va en cola para que el
    // posible error se muestre con el diálogo ya en pantalla.
    if (!activado_) {
        activado_ = true;
        QTimer::singleShot(0, this, [this] { FormActivate(); });
    }
}

void TPlantillas::FormActivate()
{
    if (tag_ == 2) {
        Label9->setText(QStringLiteral("EXPORTACIÓN A ITACA"));
        Label9->adjustSize();
        ComboBoxValCast->hide();
        LabelPlantillas->setText(QStringLiteral(
            "Seleccione la Plantilla Horaria que quiere aplicar para Exportar su Horario a ITACA."));
    }
    try {
        modelo_.Activar();
    } catch (const ErrorMolvaren& e) {
        // Sin tabla o sin documento el diálogo sigue, vacío.
        Mostrar();
        MostrarError(this, QString::fromStdString(e.what()));
        return;
    }
    Mostrar();
}

void TPlantillas::Mostrar()
{
    mostrando_ = true;
    QStringList codigos;
    for (const std::string& c : modelo_.Codigos())
        codigos << DeCp1252(c);
    QStringList actuales;
    for (int i = 0; i < ComboBoxPlantilla->count(); ++i)
        actuales << ComboBoxPlantilla->itemText(i);
    if (codigos != actuales) {
        ComboBoxPlantilla->clear();
        ComboBoxPlantilla->addItems(codigos);
    }
    PonerTextoSiCambia(ComboBoxPlantilla, DeCp1252(modelo_.TextoPlantilla()));
    PonerTextoSiCambia(ComboBoxValCast, DeCp1252(modelo_.TextoIdioma()));

    LabelNombre->setText(DeCp1252(modelo_.RotuloNombre()));
    LabelTurno->setText(DeCp1252(modelo_.RotuloTurno()));
    ListBox1->clear();
    for (const std::string& l : modelo_.Lineas())
        ListBox1->addItem(DeCp1252(l));
    mostrando_ = false;
}

void TPlantillas::ComboBoxPlantillaChange()
{
    if (mostrando_)
        return;
    modelo_.CambiarPlantilla(ACp1252(ComboBoxPlantilla->currentText()));
    Mostrar();
}

void TPlantillas::ComboBoxValCastChange()
{
    if (mostrando_)
        return;
    modelo_.CambiarIdioma(ACp1252(ComboBoxValCast->currentText()));
    Mostrar();
}

void TPlantillas::BitBtnContinuarClick()
{
    // La tabla DIASHORAST ya se soltó al activar: no queda nada que cerrar.
    accept();
}

void TPlantillas::FormClose()
{
    resultado_ = modelo_.Resultado();
}

void TPlantillas::done(int r)
{
    FormClose();
    QDialog::done(r);
}

} // namespace molvaren::ventanas
