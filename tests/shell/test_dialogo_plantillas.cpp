// El diálogo de plantillas en pantalla: disposición, modos 0 y 2, cambio de
// idioma, código escrito y cierre.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "RespondeModales.h"
#include "common/BaseTablas.h"
#include "common/EstadoPrograma.h"
#include "common/Tabla.h"
#include "shell/Estilo.h"
#include "shell/Plantihoras.h"

using namespace molvaren;
using namespace molvaren::ventanas;
using molvaren::pruebas::RespondeModales;

namespace {

const char* const Documento = R"(<?xml version="1.0" encoding="UTF-8"?>
<centro>
  <plantillas_horario>
    <plantilla_horario codigo="M" descripcion_val="Matí" descripcion_cas="Mañana" turno="Matí"/>
    <plantilla_horario codigo="T" descripcion_val="Vesprada" descripcion_cas="Tarde" turno="Vesprada"/>
  </plantillas_horario>
  <sesiones_horario>
    <sesion_horario plantilla="M" dia_semana="L" sesion_orden="10" hora_desde="14:00" hora_hasta="14:55"/>
    <sesion_horario plantilla="M" dia_semana="L" sesion_orden="7" hora_desde="08:00" hora_hasta="08:55"/>
    <sesion_horario plantilla="M" dia_semana="X" sesion_orden="1" hora_desde="08:00" hora_hasta="08:55"/>
    <sesion_horario plantilla="T" dia_semana="L" sesion_orden="1" hora_desde="15:00" hora_hasta="15:55"/>
  </sesiones_horario>
</centro>
)";

QStringList Lineas(QListWidget* l)
{
    QStringList r;
    for (int i = 0; i < l->count(); ++i)
        r << l->item(i)->text();
    return r;
}

} // namespace

class PruebaDialogoPlantillas : public QObject {
    Q_OBJECT

    QTemporaryDir* dir = nullptr;
    EstadoPrograma estado;

    template <class T>
    static T* Hijo(QWidget& w, const char* nombre)
    {
        T* h = w.findChild<T*>(QString::fromLatin1(nombre));
        if (!h)
            qFatal("falta el control %s", nombre);
        return h;
    }

    // Muestra el diálogo y espera a que se active.
    static void Activar(TPlantillas& d)
    {
        d.show();
        QTest::qWait(50);
    }

private slots:
    void init()
    {
        dir = new QTemporaryDir;
        estado = EstadoPrograma{};
        estado.FicheroXML = std::filesystem::path(dir->filePath(QStringLiteral("centro.xml")).toStdString());
        estado.CarpetaTablas = std::filesystem::path(dir->path().toStdString());
        QFile f(dir->filePath(QStringLiteral("centro.xml")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(Documento);
    }

    void cleanup() { delete dir; }

    void disposicion_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QRect>("geometria");
        QTest::addColumn<QString>("texto");
        QTest::newRow("Draw3D4") << "Draw3D4" << QRect(0, 0, 369, 265) << "";
        QTest::newRow("LabelPlantillas")
            << "LabelPlantillas" << QRect(6, 33, 321, 33)
            << "Seleccione la Plantilla Horaria que quiere aplicar a su Horario en Horavex.";
        QTest::newRow("Label1") << "Label1" << QRect(228, 61, 67, 18) << "HORAS";
        QTest::newRow("ListBox1") << "ListBox1" << QRect(168, 80, 197, 149) << "";
        QTest::newRow("Label3") << "Label3" << QRect(2, 105, 63, 22) << "Horario:";
        QTest::newRow("LabelNombre") << "LabelNombre" << QRect(2, 127, 162, 36) << "-";
        QTest::newRow("Label2") << "Label2" << QRect(2, 185, 39, 22) << "Turno:";
        QTest::newRow("LabelTurno") << "LabelTurno" << QRect(44, 185, 101, 23) << "-";
        QTest::newRow("BitBtnContinuar") << "BitBtnContinuar" << QRect(255, 234, 89, 25) << "Continuar";
    }

    void disposicion()
    {
        QFETCH(QString, nombre);
        QFETCH(QRect, geometria);
        QFETCH(QString, texto);
        TPlantillas d(nullptr, 0, estado);
        QCOMPARE(d.windowTitle(), QStringLiteral("Plantillas Horarias"));
        QCOMPARE(d.size(), QSize(370, 265));
        QCOMPARE(d.pos(), QPoint(444, 334));
        QVERIFY(!(d.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QWidget* w = d.findChild<QWidget*>(nombre);
        QVERIFY(w);
        QCOMPARE(w->geometry(), geometria);
        if (auto* l = qobject_cast<QLabel*>(w))
            QCOMPARE(l->text(), texto);
        if (auto* b = qobject_cast<QPushButton*>(w)) {
            QCOMPARE(b->text(), texto);
            QVERIFY(b->font().bold());
            QCOMPARE(ContextoAyuda(b), 3);
        }
    }

    void combos()
    {
        TPlantillas d(nullptr, 0, estado);
        auto* idioma = Hijo<QComboBox>(d, "ComboBoxValCast");
        QCOMPARE(idioma->geometry().topLeft(), QPoint(205, 6));
        QCOMPARE(idioma->width(), 133);
        QVERIFY(idioma->isEditable());
        auto* plantilla = Hijo<QComboBox>(d, "ComboBoxPlantilla");
        QCOMPARE(plantilla->geometry().topLeft(), QPoint(8, 80));
        QCOMPARE(plantilla->width(), 129);
        QVERIFY(plantilla->isEditable());
        QVERIFY(!plantilla->completer());
        QCOMPARE(plantilla->palette().color(QPalette::Base), QColor(Qt::yellow));
        QCOMPARE(Hijo<QLabel>(d, "Label9")->text(), QStringLiteral("Recoger Textos en: -------------->"));
        QCOMPARE(Hijo<QLabel>(d, "Label9")->pos(), QPoint(6, 10));
        QCOMPARE(Hijo<QLabel>(d, "LabelNombre")->palette().color(QPalette::WindowText), QColor(0x80, 0, 0));
    }

    void modo0()
    {
        TPlantillas d(nullptr, 0, estado);
        Activar(d);
        auto* combo = Hijo<QComboBox>(d, "ComboBoxPlantilla");
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->currentText(), QStringLiteral("M"));
        QCOMPARE(Hijo<QLabel>(d, "LabelNombre")->text(), QStringLiteral("Matí"));
        QCOMPARE(Hijo<QLabel>(d, "LabelTurno")->text(), QStringLiteral("Matí"));
        QCOMPARE(Lineas(Hijo<QListWidget>(d, "ListBox1")),
                 (QStringList{" 7 de 08:00 a 08:55", "10 de 14:00 a 14:55"}));
        QVERIFY(Hijo<QComboBox>(d, "ComboBoxValCast")->isVisibleTo(&d));

        // Cambio de idioma: cambia la descripción, no la lista.
        Hijo<QComboBox>(d, "ComboBoxValCast")->setCurrentIndex(1);
        QCOMPARE(Hijo<QLabel>(d, "LabelNombre")->text(), QStringLiteral("Mañana"));
        QCOMPARE(Lineas(Hijo<QListWidget>(d, "ListBox1")).size(), 2);

        // Elegir de la lista.
        combo->setCurrentIndex(1);
        QCOMPARE(Hijo<QLabel>(d, "LabelNombre")->text(), QStringLiteral("Tarde"));
        QCOMPARE(Lineas(Hijo<QListWidget>(d, "ListBox1")), QStringList{" 1 de 15:00 a 15:55"});

        Hijo<QPushButton>(d, "BitBtnContinuar")->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.Resultado().CodigoElegido, std::string("T"));
        QCOMPARE(d.Resultado().TurnoElegido, std::string("Vesprada"));
        QCOMPARE(d.Resultado().TextoIdioma, TextoCastellano);
        QCOMPARE(d.Resultado().Lineas, std::vector<std::string>{" 1 de 15:00 a 15:55"});
    }

    void codigoEscrito()
    {
        TPlantillas d(nullptr, 0, estado);
        Activar(d);
        auto* combo = Hijo<QComboBox>(d, "ComboBoxPlantilla");
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), QStringLiteral("X"));
        QCOMPARE(combo->currentText(), QStringLiteral("X"));
        QCOMPARE(Hijo<QLabel>(d, "LabelNombre")->text(), QStringLiteral("-"));
        QCOMPARE(Hijo<QLabel>(d, "LabelTurno")->text(), QStringLiteral("-"));
        QCOMPARE(Hijo<QListWidget>(d, "ListBox1")->count(), 0);
        // Lo escrito no se queda en la lista de códigos.
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        QCOMPARE(combo->count(), 2);
        // La caja de cierre da lo mismo que Continuar.
        d.reject();
        QCOMPARE(d.Resultado().CodigoElegido, std::string("X"));
        QCOMPARE(d.Resultado().TurnoElegido, std::string("-"));
        QVERIFY(d.Resultado().Lineas.empty());
    }

    void modo2()
    {
        {
            BaseTablas tablas(estado.CarpetaTablas);
            Tabla& t = tablas.Recrear("DIASHORAST");
            t.Anadir();
            t.PonerTexto("MARCOXML", "T");
            t.Grabar();
            tablas.Confirmar();
        }
        RespondeModales modales;
        TPlantillas d(nullptr, 2, estado);
        QCOMPARE(d.property("Tag").toInt(), 2);
        Activar(d);
        QVERIFY(modales.Vistos().empty());
        QCOMPARE(Hijo<QLabel>(d, "Label9")->text(), QStringLiteral("EXPORTACIÓN A ITACA"));
        QVERIFY(!Hijo<QComboBox>(d, "ComboBoxValCast")->isVisibleTo(&d));
        QCOMPARE(Hijo<QLabel>(d, "LabelPlantillas")->text(),
                 QStringLiteral("Seleccione la Plantilla Horaria que quiere aplicar para Exportar su Horario a ITACA."));
        auto* combo = Hijo<QComboBox>(d, "ComboBoxPlantilla");
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->currentText(), QString());
        QCOMPARE(Hijo<QLabel>(d, "LabelNombre")->text(), QStringLiteral("-"));
        combo->setCurrentIndex(0);
        QCOMPARE(Hijo<QListWidget>(d, "ListBox1")->count(), 2);
        d.reject();
        QCOMPARE(d.Resultado().CodigoElegido, std::string("M"));
    }

    void modo2SinRejilla()
    {
        RespondeModales modales;
        TPlantillas d(nullptr, 2, estado);
        Activar(d);
        QTRY_COMPARE(modales.Vistos().size(), size_t(1));
        QCOMPARE(modales.Vistos().front().icono, QMessageBox::Critical);
        QCOMPARE(Hijo<QComboBox>(d, "ComboBoxPlantilla")->count(), 0);
        Hijo<QPushButton>(d, "BitBtnContinuar")->click();
        QCOMPARE(d.Resultado().CodigoElegido, std::string());
        QCOMPARE(d.Resultado().TurnoElegido, std::string("-"));
    }
};

QTEST_MAIN(PruebaDialogoPlantillas)
#include "test_dialogo_plantillas.moc"
