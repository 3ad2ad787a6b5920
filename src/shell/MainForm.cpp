#include "shell/MainForm.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <cstdlib>

#include "common/BaseTablas.h"
#include "common/ErrorMolvaren.h"
#include "common/FicheroIni.h"
#include "conversion/EjecucionConversion.h"
#include "export/EjecucionExportacion.h"
#include "shell/Ayuda.h"
#include "shell/CajasMensaje.h"
#include "shell/CarpetaPrograma.h"
#include "shell/Controles.h"
#include "shell/Estilo.h"
#include "shell/InteraccionQt.h"
#include "shell/PanelDegradado.h"
#include "shell/VentanaAnfitriona.h"

namespace molvaren::ventanas {

namespace {

const QColor NaranjaClaro{0xF9, 0xD3, 0x7D};
const QColor Crema{0xFF, 0xEE, 0xDD};

} // namespace

TMForm::TMForm(const QStringList& parametros, QWidget* padre)
    : QWidget(padre, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint),
      interaccion_(std::make_unique<InteraccionQt>(this))
{
    PrepararFuentes();
    setObjectName(QStringLiteral("MForm"));
    setWindowTitle(QStringLiteral("Exportar e importar datos entre Horavex e ITACA"));
    setFont(FuenteSistema(11));
    PonerContextoAyuda(this, 1);
    setFixedSize(632, 266);

    // Creados en el orden de tabulación de los paneles.
    Draw3D1 = new PanelDegradado(QColor(0xC2, 0xCD, 0xFE), QColor(0xCF, 0xF2, 0xFE), QColor(0xCC, 0xD8, 0xE6), this);
    Draw3D1->setObjectName(QStringLiteral("Draw3D1"));
    Draw3D1->setGeometry(0, 168, 633, 97);
    Draw3D2 = new PanelDegradado(NaranjaClaro, Qt::white, Crema, this);
    Draw3D2->setObjectName(QStringLiteral("Draw3D2"));
    Draw3D2->setGeometry(0, 0, 315, 169);
    Draw3D3 = new PanelDegradado(NaranjaClaro, Qt::white, Crema, this);
    Draw3D3->setObjectName(QStringLiteral("Draw3D3"));
    Draw3D3->setGeometry(316, 0, 317, 169);
    for (QWidget* p : {Draw3D1, Draw3D2, Draw3D3})
        PonerContextoAyuda(p, 3);

    // ITACA hacia Horavex.
    Label3 = CrearRotulo(Draw3D2, "Label3", QStringLiteral("Transformar datos desde ITACA hacia Horavex "), 24, 24,
                         265, 57, FuenteArial(16), true);
    Label9 = CrearRotulo(Draw3D2, "Label9", QStringLiteral("Recoger Textos en:"), 6, 73, 0, 0, FuenteSistema(11, true));
    PonerColorTexto(Label9, ColorRojo);
    ComboBoxValCast = CrearCombo(Draw3D2, "ComboBoxValCast", 168, 68, 133,
                                 {QStringLiteral("VALENCIÁ"), QStringLiteral("CASTELLANO")});
    ComboBoxValCast->setCurrentIndex(0);
    ComboBoxValCast->setFont(FuenteSistema(11, true));
    PonerColores(ComboBoxValCast, Qt::black, Qt::white);
    PonerContextoAyuda(ComboBoxValCast, 1);
    BExportar = CrearBoton(Draw3D2, "BExportar", QStringLiteral("Aceptar"), 88, 120, 89, 25, Glifo::Aceptar);
    PonerContextoAyuda(BExportar, 3);

    // Horavex hacia ITACA.
    Label4 = CrearRotulo(Draw3D3, "Label4", QStringLiteral("Transformar datos desde Horavex hacia ITACA"), 8, 24, 305,
                         57, FuenteArial(16), true);
    BImportar = CrearBoton(Draw3D3, "BImportar", QStringLiteral("Aceptar"), 96, 120, 89, 25, Glifo::Aceptar);
    PonerContextoAyuda(BImportar, 3);

    // Franja de abajo.
    Label1 = CrearRotulo(Draw3D1, "Label1", QStringLiteral("Molvaren para HV15 V-1.2"), 8, 72, 0, 0,
                         FuenteSistema(11, true));
    PonerColorTexto(Label1, ColorRojo);
    BClose = CrearBoton(Draw3D1, "BClose", QStringLiteral("&Salir"), 256, 32, 89, 25, Glifo::Cerrar);
    PonerContextoAyuda(BClose, 3);
    Button1 = CrearBoton(Draw3D1, "Button1", QStringLiteral("F1 Ayuda"), 48, 40, 75, 25, Glifo::Ninguno);
    PonerContextoAyuda(Button1, 1);
    ListBoxPlanti = new QListWidget(Draw3D1);
    ListBoxPlanti->setObjectName(QStringLiteral("ListBoxPlanti"));
    ListBoxPlanti->setGeometry(576, 4, 49, 29);
    ListBoxPlanti->hide();

    setTabOrder(BClose, Button1);
    setTabOrder(Button1, ListBoxPlanti);
    setTabOrder(ListBoxPlanti, BExportar);
    setTabOrder(BExportar, ComboBoxValCast);
    setTabOrder(ComboBoxValCast, BImportar);

    connect(BExportar, &QPushButton::clicked, this, [this] { BExportarClick(); });
    connect(BImportar, &QPushButton::clicked, this, [this] { BImportarClick(); });
    connect(BClose, &QPushButton::clicked, this, &QWidget::close);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(ComboBoxValCast, &QComboBox::editTextChanged, this,
            [this](const QString& texto) { estado_.TextoIdioma = ACp1252(texto); });
    Ayuda::InstalarF1(this);

    FormCreate(parametros);
}

TMForm::~TMForm()
{
    // La ventana ajena no se destruye: sólo se suelta la nuestra de ella.
    if (anfitrion_) {
        if (QWindow* propia = windowHandle())
            propia->setParent(nullptr);
        delete anfitrion_;
    }
}

void TMForm::FormCreate(const QStringList& parametros)
{
    estado_.ResultadoProceso = 0;
    estado_.CarpetaTablas = CarpetaTablasPorOmision();
    estado_.TextoIdioma = ACp1252(ComboBoxValCast->currentText());

    ordenes_ = LineaOrdenes::Leer(parametros);
    if (!ordenes_.incrustado) {
        move(194, 167);
        return;
    }

    Incrustar();
    estado_.ModoIncrustado = true;
    if (ordenes_.direccion == Direccion::Importar) {
        Draw3D2->hide();
        Draw3D3->setGeometry(rect());
    } else if (ordenes_.direccion == Direccion::Exportar) {
        Draw3D3->hide();
        Draw3D2->setGeometry(rect());
    }
    // La franja de Salir y Ayuda queda encima del panel que llena la ventana.
    Draw3D1->raise();
}

void TMForm::Incrustar()
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    move(0, 0);
    winId();   // crea la ventana nativa para poder darle padre
    anfitrion_ = QWindow::fromWinId(static_cast<WId>(ordenes_.ventanaAnfitriona));
    if (anfitrion_ && windowHandle()) {
        windowHandle()->setParent(anfitrion_);
        windowHandle()->setPosition(0, 0);
    }

    // Si Horavex desaparece sin cerrarnos, el programa termina.
    vigilancia_ = new QTimer(this);
    vigilancia_->setObjectName(QStringLiteral("VigilanciaAnfitrion"));
    vigilancia_->setInterval(500);
    connect(vigilancia_, &QTimer::timeout, this, [this] { VigilarAnfitrion(); });
    vigilancia_->start();
}

void TMForm::VigilarAnfitrion()
{
    if (ExisteVentanaAnfitriona(ordenes_.ventanaAnfitriona))
        return;
    vigilancia_->stop();
    // A mitad de una ejecución nadie puede ya contestar sus preguntas: se sale
    // sin más (las tablas sólo se escriben al final, enteras o nada).
    if (ejecutando_)
        std::_Exit(0);
    // exit y no quit: quit intentaría antes cerrar las ventanas.
    QCoreApplication::exit(0);
}

void TMForm::MostrarErrorArranque()
{
    if (ordenes_.error)
        MostrarError(this, *ordenes_.error);
}

void TMForm::AntesDeEjecutar()
{
    estado_.TextoIdioma = ACp1252(ComboBoxValCast->currentText());
}

void TMForm::DespuesDeEjecutar()
{
    const QString idioma = DeCp1252(estado_.TextoIdioma);
    if (ComboBoxValCast->currentText() != idioma)
        ComboBoxValCast->setEditText(idioma);
    BExportar->setEnabled(estado_.BotonesHabilitados);
    BImportar->setEnabled(estado_.BotonesHabilitados);
    ListBoxPlanti->clear();
    for (const std::string& l : estado_.ListBoxPlanti)
        ListBoxPlanti->addItem(DeCp1252(l));
}

void TMForm::BExportarClick()
{
    if (ejecutando_ || !estado_.BotonesHabilitados)
        return;
    AntesDeEjecutar();
    ejecutando_ = true;
    EjecutarConversion(estado_, *interaccion_);
    ejecutando_ = false;
    DespuesDeEjecutar();
}

void TMForm::BImportarClick()
{
    if (ejecutando_ || !estado_.BotonesHabilitados)
        return;
    AntesDeEjecutar();
    ejecutando_ = true;
    EjecutarExportacion(estado_, *interaccion_);
    ejecutando_ = false;
    DespuesDeEjecutar();
}

void TMForm::Button1Click()
{
    Ayuda::Abrir(this, 0);
}

bool TMForm::FormClose()
{
    if (!estado_.ModoIncrustado)
        return true;
    const QString ruta = QDir::toNativeSeparators(QDir(CarpetaPrograma()).filePath(QStringLiteral("Horavex.ini")));
    try {
        FicheroIni(std::filesystem::path(ruta.toStdWString()))
            .EscribirEntero("Transformadores", "Transformado", estado_.ResultadoProceso);
    } catch (const ErrorMolvaren& e) {
        MostrarError(this, QString::fromStdString(e.what()));
        return false;
    }
    return true;
}

void TMForm::closeEvent(QCloseEvent* evento)
{
    if (!FormClose()) {
        evento->ignore();
        return;
    }
    evento->accept();
    if (estado_.ModoIncrustado) {
        if (vigilancia_)
            vigilancia_->stop();
        emit CerradaIncrustada();
    }
}

} // namespace molvaren::ventanas
