// El diálogo del curso de destino: disposición y lo que devuelve.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "shell/CursoExport.h"

using namespace molvaren::ventanas;

class PruebaDialogoCurso : public QObject {
    Q_OBJECT

    template <class T>
    static T* Hijo(QWidget& w, const char* nombre)
    {
        T* h = w.findChild<T*>(QString::fromLatin1(nombre));
        if (!h)
            qFatal("falta el control %s", nombre);
        return h;
    }

private slots:
    void disposicion()
    {
        TCurExp d(nullptr, QStringLiteral("2023"));
        QCOMPARE(d.windowTitle(), QStringLiteral("Curso de destino"));
        QCOMPARE(d.size(), QSize(379, 138));
        QCOMPARE(d.pos(), QPoint(378, 334));
        QCOMPARE(Hijo<QWidget>(d, "Draw3D4")->geometry(), QRect(0, 0, 379, 137));
        QCOMPARE(Hijo<QLabel>(d, "LabelCurso")->geometry(), QRect(6, 1, 315, 33));
        QCOMPARE(Hijo<QLabel>(d, "LabelCurso")->text(),
                 QStringLiteral("Seleccione el Curso para el que quiere Exportar el Resultado del Horario."));
        QCOMPARE(Hijo<QLabel>(d, "LabelCurSelected")->geometry(), QRect(6, 46, 233, 24));
        QCOMPARE(Hijo<QLabel>(d, "LabelCurSelected")->text(), QStringLiteral("Curso seleccionado actualmente:"));
        QCOMPARE(Hijo<QLabel>(d, "LabelCurActual")->pos(), QPoint(270, 42));
        QCOMPARE(Hijo<QLabel>(d, "LabelCurActual")->text(), QStringLiteral("-"));
        QCOMPARE(Hijo<QLabel>(d, "LabelSeleccion")->pos(), QPoint(7, 72));
        QCOMPARE(Hijo<QLabel>(d, "LabelSeleccion")->text(),
                 QStringLiteral("Curso para el que se efecturá la Exportación:"));
        auto* combo = Hijo<QComboBox>(d, "ComboBoxCurso");
        QCOMPARE(combo->geometry().topLeft(), QPoint(267, 69));
        QCOMPARE(combo->width(), 105);
        QCOMPARE(combo->currentText(), QString());
        QStringList cursos;
        for (int i = 0; i < combo->count(); ++i)
            cursos << combo->itemText(i);
        QCOMPARE(cursos, (QStringList{"2010", "2011", "2012", "2013", "2014", "2015", "2016", "2017", "2018", "2019",
                                      "2020"}));
        QCOMPARE(Hijo<QPushButton>(d, "BitBtnContinuar")->geometry(), QRect(153, 102, 89, 25));
        QCOMPARE(Hijo<QPushButton>(d, "BitBtnContinuar")->text(), QStringLiteral("Continuar"));
    }

    void resultado_data()
    {
        QTest::addColumn<QString>("inicial");
        QTest::addColumn<int>("elegir");        // índice del combo, -1 nada
        QTest::addColumn<QString>("escribir");  // tras elegir; "-" nada
        QTest::addColumn<bool>("continuar");    // o la caja de cierre
        QTest::addColumn<QString>("rotulo");
        QTest::addColumn<QString>("curso");
        QTest::newRow("sin_tocar") << "2023" << -1 << "-" << false << "2023" << "2023";
        QTest::newRow("sin_tocar_vacio") << "" << -1 << "-" << true << "" << "";
        QTest::newRow("elige_2015") << "2023" << 5 << "-" << true << "2015" << "2015";
        QTest::newRow("elige_2015_y_cierra") << "2023" << 5 << "-" << false << "2015" << "2015";
        QTest::newRow("escribe_2021") << "2023" << -1 << "2021" << true << "2021" << "2021";
        QTest::newRow("texto_que_no_es_anio") << "2023" << -1 << "22/23" << true << "22/23" << "22/23";
        QTest::newRow("borra_tras_elegir") << "2023" << 3 << "" << false << "" << "";
    }

    void resultado()
    {
        QFETCH(QString, inicial);
        QFETCH(int, elegir);
        QFETCH(QString, escribir);
        QFETCH(bool, continuar);
        QFETCH(QString, rotulo);
        QFETCH(QString, curso);
        TCurExp d(nullptr, inicial);
        d.show();
        QCOMPARE(Hijo<QLabel>(d, "LabelCurActual")->text(), inicial);
        auto* combo = Hijo<QComboBox>(d, "ComboBoxCurso");
        if (elegir >= 0)
            combo->setCurrentIndex(elegir);
        if (escribir != u"-") {
            combo->lineEdit()->selectAll();
            if (escribir.isEmpty())
                QTest::keyClick(combo->lineEdit(), Qt::Key_Delete);
            else
                QTest::keyClicks(combo->lineEdit(), escribir);
        }
        QCOMPARE(Hijo<QLabel>(d, "LabelCurActual")->text(), rotulo);
        if (continuar)
            Hijo<QPushButton>(d, "BitBtnContinuar")->click();
        else
            d.close();
        QVERIFY(!d.isVisible());
        QCOMPARE(d.CursoDestino(), curso);
    }
};

QTEST_MAIN(PruebaDialogoCurso)
#include "test_dialogo_curso.moc"
