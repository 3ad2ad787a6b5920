// La ventana principal: disposición y textos, línea de órdenes, bandera del
// anfitrión, ayuda y estado tras una ejecución terminada, rechazada o
// fallida.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include "RespondeModales.h"
#include "shell/Ayuda.h"
#include "shell/Estilo.h"
#include "shell/LineaOrdenes.h"
#include "shell/MainForm.h"
#include "shell/PanelDegradado.h"

using namespace molvaren;
using namespace molvaren::ventanas;
using molvaren::pruebas::RespondeModales;

namespace {

const char* const Documento = R"(<?xml version="1.0" encoding="UTF-8"?>
<centro codigo="46000001" curso="2023">
  <docentes>
    <docente apellido1="Garcia" apellido2="Puig" nombre="Anna" documento="012345678A"/>
    <docente apellido1="Ferrer" apellido2="Soler" nombre="Joan" documento="087654321B"/>
  </docentes>
  <plantillas_horario>
    <plantilla_horario codigo="M" descripcion_val="Matí" descripcion_cas="Mañana" turno="Matí"/>
    <plantilla_horario codigo="R" descripcion_val="Rota" descripcion_cas="Rota" turno="-"/>
  </plantillas_horario>
  <sesiones_horario>
    <sesion_horario plantilla="M" dia_semana="L" sesion_orden="2" hora_desde="08:55" hora_hasta="09:50"/>
    <sesion_horario plantilla="M" dia_semana="L" sesion_orden="1" hora_desde="08:00" hora_hasta="08:55"/>
    <sesion_horario plantilla="R" dia_semana="L" sesion_orden="xx" hora_desde="08:00" hora_hasta="08:55"/>
  </sesiones_horario>
</centro>
)";

QString Leer(const QString& ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("<no existe>");
    return QString::fromLatin1(f.readAll());
}

// Elige en el diálogo de plantillas el código dado y pulsa Continuar.
RespondeModales::Accion ElegirPlantilla(const QString& codigo)
{
    return [codigo](QWidget* w) {
        auto* combo = w->findChild<QComboBox*>(QStringLiteral("ComboBoxPlantilla"));
        auto* continuar = w->findChild<QPushButton*>(QStringLiteral("BitBtnContinuar"));
        if (!combo || !continuar) {
            RespondeModales::Cerrar(w);
            return;
        }
        combo->setEditText(codigo);
        continuar->click();
    };
}

} // namespace

class PruebaVentanaPrincipal : public QObject {
    Q_OBJECT

private:
    QTemporaryDir* dir = nullptr;
    QString programa, ktemp, xml;

    template <class T>
    static T* Hijo(QWidget& w, const char* nombre)
    {
        T* h = w.findChild<T*>(QString::fromLatin1(nombre));
        if (!h)
            qFatal("falta el control %s", nombre);
        return h;
    }

private slots:
    void init()
    {
        dir = new QTemporaryDir;
        programa = dir->filePath(QStringLiteral("programa"));
        ktemp = dir->filePath(QStringLiteral("ktemp"));
        xml = dir->filePath(QStringLiteral("centro.xml"));
        QDir().mkpath(programa);
        QDir().mkpath(ktemp);
        QFile f(xml);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(Documento);
        f.close();
        qputenv("MOLVAREN_CARPETA_PROGRAMA", programa.toLocal8Bit());
        qputenv("MOLVAREN_KTEMP", ktemp.toLocal8Bit());
        qunsetenv("MOLVAREN_FICHERO_PRUEBA");
        Ayuda::PonerAbridor({});
    }

    void cleanup()
    {
        Ayuda::PonerAbridor({});
        delete dir;
        dir = nullptr;
    }

    void disposicion_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QRect>("geometria");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("contexto");
        QTest::newRow("Draw3D1") << "Draw3D1" << QRect(0, 168, 633, 97) << "" << 3;
        QTest::newRow("Draw3D2") << "Draw3D2" << QRect(0, 0, 315, 169) << "" << 3;
        QTest::newRow("Draw3D3") << "Draw3D3" << QRect(316, 0, 317, 169) << "" << 3;
        QTest::newRow("Label3") << "Label3" << QRect(24, 24, 265, 57)
                                << "Transformar datos desde ITACA hacia Horavex " << 3;
        QTest::newRow("Label4") << "Label4" << QRect(8, 24, 305, 57) << "Transformar datos desde Horavex hacia ITACA"
                                << 3;
        QTest::newRow("BExportar") << "BExportar" << QRect(88, 120, 89, 25) << "Aceptar" << 3;
        QTest::newRow("BImportar") << "BImportar" << QRect(96, 120, 89, 25) << "Aceptar" << 3;
        QTest::newRow("BClose") << "BClose" << QRect(256, 32, 89, 25) << "&Salir" << 3;
        QTest::newRow("Button1") << "Button1" << QRect(48, 40, 75, 25) << "F1 Ayuda" << 1;
        QTest::newRow("ListBoxPlanti") << "ListBoxPlanti" << QRect(576, 4, 49, 29) << "" << 3;
    }

    void disposicion()
    {
        QFETCH(QString, nombre);
        QFETCH(QRect, geometria);
        QFETCH(QString, texto);
        QFETCH(int, contexto);
        TMForm f({});
        QWidget* w = f.findChild<QWidget*>(nombre);
        QVERIFY(w);
        QCOMPARE(w->geometry(), geometria);
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            QCOMPARE(b->text(), texto);
        if (auto* l = qobject_cast<QLabel*>(w))
            QCOMPARE(l->text(), texto);
        QCOMPARE(ContextoAyuda(w), contexto);
    }

    void ventanaYRotulos()
    {
        TMForm f({});
        QCOMPARE(f.windowTitle(), QStringLiteral("Exportar e importar datos entre Horavex e ITACA"));
        QCOMPARE(f.size(), QSize(632, 266));
        QCOMPARE(f.minimumSize(), f.maximumSize());
        QVERIFY(!(f.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(f.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(f.pos(), QPoint(194, 167));
        QCOMPARE(f.font().pixelSize(), 11);

        auto* combo = Hijo<QComboBox>(f, "ComboBoxValCast");
        QCOMPARE(combo->geometry().topLeft(), QPoint(168, 68));
        QCOMPARE(combo->width(), 133);
        QVERIFY(combo->isEditable());
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->itemText(0), QStringLiteral("VALENCIÁ"));
        QCOMPARE(combo->itemText(1), QStringLiteral("CASTELLANO"));
        QCOMPARE(combo->currentText(), QStringLiteral("VALENCIÁ"));
        QVERIFY(combo->font().bold());

        QCOMPARE(Hijo<QLabel>(f, "Label9")->text(), QStringLiteral("Recoger Textos en:"));
        QCOMPARE(Hijo<QLabel>(f, "Label9")->pos(), QPoint(6, 73));
        QCOMPARE(Hijo<QLabel>(f, "Label1")->text(), QStringLiteral("Molvaren para HV15 V-1.2"));
        QCOMPARE(Hijo<QLabel>(f, "Label1")->pos(), QPoint(8, 72));
        QCOMPARE(Hijo<QLabel>(f, "Label3")->font().pixelSize(), 16);
        QVERIFY(Hijo<QLabel>(f, "Label3")->wordWrap());
        QVERIFY(Hijo<QListWidget>(f, "ListBoxPlanti")->isHidden());

        auto* d2 = Hijo<PanelDegradado>(f, "Draw3D2");
        QCOMPARE(d2->Inicio(), QColor(0xF9, 0xD3, 0x7D));
        QCOMPARE(d2->Medio(), QColor(Qt::white));
        QCOMPARE(d2->Fin(), QColor(0xFF, 0xEE, 0xDD));
        auto* d1 = Hijo<PanelDegradado>(f, "Draw3D1");
        QCOMPARE(d1->Inicio(), QColor(0xC2, 0xCD, 0xFE));
        QCOMPARE(d1->Medio(), QColor(0xCF, 0xF2, 0xFE));
        QCOMPARE(d1->Fin(), QColor(0xCC, 0xD8, 0xE6));

        // Orden de tabulación: Salir, Ayuda, Aceptar (exportar), idioma, Aceptar (importar).
        QStringList orden;
        QWidget* w = Hijo<QWidget>(f, "BClose");
        do {
            QWidget* propio = qobject_cast<QComboBox*>(w->parentWidget()) ? w->parentWidget() : w;
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&f) && !orden.contains(propio->objectName()))
                orden << propio->objectName();
            w = w->nextInFocusChain();
        } while (w != Hijo<QWidget>(f, "BClose"));
        QCOMPARE(orden, (QStringList{"BClose", "Button1", "BExportar", "ComboBoxValCast", "BImportar"}));
    }

    void lineaOrdenes_data()
    {
        QTest::addColumn<QStringList>("parametros");
        QTest::addColumn<bool>("incrustado");
        QTest::addColumn<int>("direccion");
        QTest::addColumn<qulonglong>("ventana");
        QTest::addColumn<QString>("error");
        QTest::newRow("ninguno") << QStringList{} << false << 0 << 0ull << "";
        QTest::newRow("uno") << QStringList{"exportar"} << false << 0 << 0ull << "";
        QTest::newRow("tres") << QStringList{"exportar", "1A", "x"} << false << 0 << 0ull << "";
        QTest::newRow("exportar_mayusculas") << QStringList{"EXPORTAR", "1a2B"} << true
                                             << int(Direccion::Exportar) << 0x1a2bull << "";
        QTest::newRow("importar") << QStringList{"Importar", "ff"} << true << int(Direccion::Importar) << 0xffull
                                  << "";
        QTest::newRow("otra_direccion") << QStringList{"ambas", "10"} << true << int(Direccion::Ambas) << 0x10ull
                                        << "";
        QTest::newRow("no_hexadecimal") << QStringList{"exportar", "12G"} << false << 0 << 0ull
                                        << "'$12G' no es un valor entero válido";
        QTest::newRow("vacio") << QStringList{"exportar", ""} << false << 0 << 0ull
                               << "'$' no es un valor entero válido";
        QTest::newRow("con_prefijo") << QStringList{"exportar", "0x1F"} << false << 0 << 0ull
                                     << "'$0x1F' no es un valor entero válido";
        QTest::newRow("con_signo") << QStringList{"exportar", "-1"} << false << 0 << 0ull
                                   << "'$-1' no es un valor entero válido";
        QTest::newRow("demasiado_largo") << QStringList{"exportar", "1234567890ABCDEF0"} << false << 0 << 0ull
                                         << "'$1234567890ABCDEF0' no es un valor entero válido";
    }

    void lineaOrdenes()
    {
        QFETCH(QStringList, parametros);
        QFETCH(bool, incrustado);
        QFETCH(int, direccion);
        QFETCH(qulonglong, ventana);
        QFETCH(QString, error);
        LineaOrdenes l = LineaOrdenes::Leer(parametros);
        QCOMPARE(l.incrustado, incrustado);
        QCOMPARE(int(l.direccion), direccion);
        QCOMPARE(qulonglong(l.ventanaAnfitriona), ventana);
        QCOMPARE(l.error.value_or(QString()), error);
    }

    void paneles_data()
    {
        QTest::addColumn<QStringList>("parametros");
        QTest::addColumn<bool>("ve2");
        QTest::addColumn<bool>("ve3");
        QTest::addColumn<QRect>("geometria2");
        QTest::addColumn<QRect>("geometria3");
        QTest::newRow("independiente") << QStringList{} << true << true << QRect(0, 0, 315, 169)
                                       << QRect(316, 0, 317, 169);
        QTest::newRow("exportar") << QStringList{"EXPORTAR", "1"} << true << false << QRect(0, 0, 632, 266)
                                  << QRect(316, 0, 317, 169);
        QTest::newRow("importar") << QStringList{"importar", "1"} << false << true << QRect(0, 0, 315, 169)
                                  << QRect(0, 0, 632, 266);
        QTest::newRow("otra") << QStringList{"xx", "1"} << true << true << QRect(0, 0, 315, 169)
                              << QRect(316, 0, 317, 169);
    }

    void paneles()
    {
        QFETCH(QStringList, parametros);
        QFETCH(bool, ve2);
        QFETCH(bool, ve3);
        QFETCH(QRect, geometria2);
        QFETCH(QRect, geometria3);
        TMForm f(parametros);
        QCOMPARE(!Hijo<QWidget>(f, "Draw3D2")->isHidden(), ve2);
        QCOMPARE(!Hijo<QWidget>(f, "Draw3D3")->isHidden(), ve3);
        QCOMPARE(Hijo<QWidget>(f, "Draw3D2")->geometry(), geometria2);
        QCOMPARE(Hijo<QWidget>(f, "Draw3D3")->geometry(), geometria3);
        QCOMPARE(f.Estado().ModoIncrustado, !parametros.isEmpty());
        if (f.Estado().ModoIncrustado) {
            QVERIFY(f.windowFlags() & Qt::FramelessWindowHint);
            QCOMPARE(f.pos(), QPoint(0, 0));
        }
    }

    // La bandera sólo se escribe incrustada; el resto del INI no cambia.
    void bandera_data()
    {
        QTest::addColumn<QStringList>("parametros");
        QTest::addColumn<QString>("antes");
        QTest::addColumn<QString>("despues");
        QTest::newRow("independiente_no_escribe") << QStringList{"a", "b", "c"} << "" << "<no existe>";
        QTest::newRow("incrustado_crea") << QStringList{"exportar", "1"} << ""
                                         << "[Transformadores]\r\nTransformado=0\r\n";
        QTest::newRow("incrustado_sustituye")
            << QStringList{"otra", "1"} << "; Horavex\r\n[transformadores]\r\nTransformado=1\r\n[Otra]\r\nA=b\r\n"
            << "; Horavex\r\n[transformadores]\r\nTransformado=0\r\n[Otra]\r\nA=b\r\n";
    }

    void bandera()
    {
        QFETCH(QStringList, parametros);
        QFETCH(QString, antes);
        QFETCH(QString, despues);
        const QString ini = QDir(programa).filePath(QStringLiteral("Horavex.ini"));
        if (!antes.isEmpty()) {
            QFile f(ini);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(antes.toLatin1());
        }
        TMForm f(parametros);
        QSignalSpy fin(&f, &TMForm::CerradaIncrustada);
        f.show();
        QVERIFY(f.close());
        QCOMPARE(Leer(ini), despues);
        // Sólo incrustada pide terminar el proceso al cerrarse.
        QCOMPARE(fin.count(), parametros.size() == 2 ? 1 : 0);
    }

    void banderaQueNoSePuedeEscribir()
    {
        // Una carpeta con el nombre del INI: no se puede escribir.
        QDir(programa).mkdir(QStringLiteral("Horavex.ini"));
        RespondeModales modales;
        TMForm f({"exportar", "1"});
        f.show();
        QVERIFY(!f.close());
        QVERIFY(f.isVisible());
        QCOMPARE(modales.Vistos().size(), size_t(1));
        const auto& v = modales.Vistos().front();
        QCOMPARE(v.icono, QMessageBox::Critical);
        QCOMPARE(v.texto, QStringLiteral("Unable to write to ") +
                              QDir::toNativeSeparators(QDir(programa).filePath(QStringLiteral("Horavex.ini"))));
        QCOMPARE(v.botones, QStringList{QStringLiteral("Aceptar")});
        // Ya arreglado, se cierra.
        QDir(programa).rmdir(QStringLiteral("Horavex.ini"));
        QVERIFY(f.close());
    }

    void errorDeVentanaAlArrancar()
    {
        RespondeModales modales;
        TMForm f({"exportar", "zz"});
        f.show();
        f.MostrarErrorArranque();
        QVERIFY(!f.Estado().ModoIncrustado);
        QCOMPARE(modales.Textos(), QStringList{QStringLiteral("'$zz' no es un valor entero válido")});
        QCOMPARE(modales.Vistos().front().icono, QMessageBox::Critical);
        QCOMPARE(f.pos(), QPoint(194, 167));
    }

    void ayuda()
    {
        QList<QPair<QString, int>> pedidas;
        Ayuda::PonerAbridor([&pedidas](const QString& fichero, int contexto) -> std::optional<QString> {
            pedidas.append({fichero, contexto});
            return std::nullopt;
        });
        TMForm f({});
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        Hijo<QPushButton>(f, "Button1")->click();
        auto* combo = Hijo<QComboBox>(f, "ComboBoxValCast");
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_F1);
        auto* salir = Hijo<QPushButton>(f, "BClose");
        salir->setFocus();
        QTest::keyClick(salir, Qt::Key_F1);
        const QString chm = QDir(programa).filePath(QStringLiteral("ITACA.chm"));
        QCOMPARE(pedidas, (QList<QPair<QString, int>>{{chm, 0}, {chm, 1}, {chm, 3}}));
    }

    void ayudaQueFalta()
    {
        RespondeModales modales;
        TMForm f({});
        f.show();
        Hijo<QPushButton>(f, "Button1")->click();
        QCOMPARE(modales.Vistos().size(), size_t(1));
        QVERIFY(modales.Vistos().front().texto.startsWith(QStringLiteral("No se encuentra el archivo de ayuda")));
    }

    void ejecucionTerminada()
    {
        qputenv("MOLVAREN_FICHERO_PRUEBA", xml.toLocal8Bit());
        RespondeModales modales;
        modales.Preparar([](QWidget* w) {
            // Cambia el idioma en el diálogo: vuelve a la ventana principal.
            w->findChild<QComboBox*>(QStringLiteral("ComboBoxValCast"))->setEditText(QStringLiteral("CASTELLANO"));
            w->findChild<QPushButton*>(QStringLiteral("BitBtnContinuar"))->click();
        });
        TMForm f({});
        f.show();
        Hijo<QPushButton>(f, "BExportar")->click();

        QCOMPARE(modales.Vistos().front().clase, QStringLiteral("molvaren::ventanas::TPlantillas"));
        QCOMPARE(modales.Vistos().back().texto, QStringLiteral("Proceso finalizado"));
        QCOMPARE(modales.Vistos().back().titulo, QStringLiteral("Molvaren"));
        QCOMPARE(modales.Vistos().back().botones, QStringList{QStringLiteral("Aceptar")});
        QCOMPARE(f.Estado().ResultadoProceso, 1);
        QVERIFY(!Hijo<QPushButton>(f, "BExportar")->isEnabled());
        QVERIFY(!Hijo<QPushButton>(f, "BImportar")->isEnabled());
        QVERIFY(Hijo<QPushButton>(f, "BClose")->isEnabled());
        QVERIFY(f.isVisible());
        QCOMPARE(Hijo<QComboBox>(f, "ComboBoxValCast")->currentText(), QStringLiteral("CASTELLANO"));
        auto* lista = Hijo<QListWidget>(f, "ListBoxPlanti");
        QCOMPARE(lista->count(), 2);
        QCOMPARE(lista->item(0)->text(), QStringLiteral(" 1 de 08:00 a 08:55"));
        QCOMPARE(f.Estado().PlantillaElegida, std::string("M"));
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(QFile::exists(QDir(ktemp).filePath(QStringLiteral("DIASHORAST.DBF"))));
    }

    void ejecucionTerminadaIncrustadaCierra()
    {
        qputenv("MOLVAREN_FICHERO_PRUEBA", xml.toLocal8Bit());
        RespondeModales modales;
        TMForm f({"exportar", "1"});
        f.show();
        Hijo<QPushButton>(f, "BExportar")->click();
        QVERIFY(!f.isVisible());
        QCOMPARE(Leer(QDir(programa).filePath(QStringLiteral("Horavex.ini"))),
                 QStringLiteral("[Transformadores]\r\nTransformado=1\r\n"));
    }

    void ejecucionRechazada_data()
    {
        QTest::addColumn<bool>("incrustado");
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QStringList>("mensajes");
        const QString aviso = QStringLiteral(
            "Deberá Abrir el fichero XML de ITACA,\ndesde el cual realizó la Importación a Horavex");
        QTest::newRow("exportar") << false << "BExportar" << QStringList{"No existe archivo"};
        QTest::newRow("exportar_incrustado") << true << "BExportar" << QStringList{"No existe archivo"};
        QTest::newRow("importar") << false << "BImportar" << QStringList{aviso, "No existe archivo XML o Solución."};
        QTest::newRow("importar_incrustado")
            << true << "BImportar" << QStringList{aviso, "No existe archivo XML o Solución."};
    }

    void ejecucionRechazada()
    {
        QFETCH(bool, incrustado);
        QFETCH(QString, boton);
        QFETCH(QStringList, mensajes);
        qputenv("MOLVAREN_FICHERO_PRUEBA", QByteArray());   // cancela
        RespondeModales modales;
        TMForm f(incrustado ? QStringList{"otra", "1"} : QStringList{});
        f.show();
        Hijo<QPushButton>(f, boton.toLatin1().constData())->click();
        QCOMPARE(modales.Textos(), mensajes);
        QVERIFY(Hijo<QPushButton>(f, "BExportar")->isEnabled());
        QVERIFY(Hijo<QPushButton>(f, "BImportar")->isEnabled());
        QCOMPARE(f.isVisible(), !incrustado);
        QCOMPARE(f.Estado().ResultadoProceso, incrustado ? -1 : 0);
        const QString ini = Leer(QDir(programa).filePath(QStringLiteral("Horavex.ini")));
        QCOMPARE(ini, incrustado ? QStringLiteral("[Transformadores]\r\nTransformado=-1\r\n")
                                 : QStringLiteral("<no existe>"));
    }

    // Con el XML y SOLUC.DBF presentes, la exportación aún no está: lo dice
    // y deja todo como estaba.
    void exportacionNoDisponible()
    {
        qputenv("MOLVAREN_FICHERO_PRUEBA", xml.toLocal8Bit());
        QFile soluc(QDir(ktemp).filePath(QStringLiteral("soluc.dbf")));
        QVERIFY(soluc.open(QIODevice::WriteOnly));
        soluc.close();
        RespondeModales modales;
        TMForm f({"importar", "1"});
        f.show();
        Hijo<QPushButton>(f, "BImportar")->click();
        QCOMPARE(modales.Vistos().size(), size_t(2));
        QVERIFY(modales.Vistos().back().texto.contains(QStringLiteral("todavía no está disponible")));
        QVERIFY(f.isVisible());
        QVERIFY(Hijo<QPushButton>(f, "BImportar")->isEnabled());
        QCOMPARE(f.Estado().ResultadoProceso, 0);
    }

    void ejecucionFallida()
    {
        qputenv("MOLVAREN_FICHERO_PRUEBA", xml.toLocal8Bit());
        RespondeModales modales;
        // La plantilla R tiene una sesión de orden ilegible: la rejilla falla.
        modales.Preparar(ElegirPlantilla(QStringLiteral("R")));
        TMForm f({"exportar", "1"});
        f.show();
        Hijo<QPushButton>(f, "BExportar")->click();

        QCOMPARE(modales.Vistos().size(), size_t(2));
        const auto& error = modales.Vistos().back();
        QCOMPARE(error.icono, QMessageBox::Critical);
        QCOMPARE(error.texto, QStringLiteral("'xx' no es un valor entero válido"));
        QCOMPARE(error.botones, QStringList{QStringLiteral("Aceptar")});
        QVERIFY(f.isVisible());
        QVERIFY(Hijo<QPushButton>(f, "BExportar")->isEnabled());
        QVERIFY(Hijo<QPushButton>(f, "BImportar")->isEnabled());
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(f.Estado().ResultadoProceso, 0);
        QCOMPARE(f.Estado().ListaCodigos.Cuenta(), size_t(0));
        QCOMPARE(f.Estado().ListaNombres.Cuenta(), size_t(0));
        QCOMPARE(f.Estado().ListaClavesITACA.Cuenta(), size_t(0));
        QVERIFY(QDir(ktemp).isEmpty());

        // Otra vez, con la buena: termina y se cierra.
        modales.Olvidar();
        modales.Preparar(ElegirPlantilla(QStringLiteral("M")));
        Hijo<QPushButton>(f, "BExportar")->click();
        QCOMPARE(modales.Vistos().back().texto, QStringLiteral("Proceso finalizado"));
        QVERIFY(!f.isVisible());
        QCOMPARE(f.Estado().ResultadoProceso, 1);
    }
};

QTEST_MAIN(PruebaVentanaPrincipal)
#include "test_ventana_principal.moc"
