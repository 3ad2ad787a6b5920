// Entrada del programa: la aplicación, su título y la ventana principal.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "shell/MainForm.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Molvaren"));

    // Textos propios de Qt (diálogo de ficheros) en español, si están.
    QTranslator traduccionQt;
    if (traduccionQt.load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduccionQt);

    QStringList parametros = QApplication::arguments();
    parametros.removeFirst();
    molvaren::ventanas::TMForm ventana(parametros);
    QObject::connect(&ventana, &molvaren::ventanas::TMForm::CerradaIncrustada, &app,
                     [] { QCoreApplication::exit(0); });
    ventana.show();
    ventana.MostrarErrorArranque();
    return QApplication::exec();
}
