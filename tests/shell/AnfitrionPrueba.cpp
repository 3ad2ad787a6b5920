// Anfitrión de prueba que hace de Horavex: abre una ventana, arranca
// molvaren incrustado en ella con la dirección dada y termina cuando
// molvaren termina, con su código de salida. Escribe en la salida
// "ANFITRION <ventana hex>" y "HIJO <pid>".
//   anfitrion_prueba <molvaren> <direccion> [--captura f.png --espera ms]
//                    [--limite ms]
#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "uso: anfitrion_prueba <molvaren> <direccion> [--captura f.png --espera ms]\n");
        return 2;
    }
    const QString programa = args[1];
    const QString direccion = args[2];
    QString captura;
    int espera = 1500;
    int limite = 60000;
    for (int i = 3; i + 1 < args.size(); i += 2) {
        if (args[i] == u"--captura")
            captura = args[i + 1];
        else if (args[i] == u"--espera")
            espera = args[i + 1].toInt();
        else if (args[i] == u"--limite")
            limite = args[i + 1].toInt();
    }

    QWidget ventana;
    ventana.setWindowTitle(QStringLiteral("Horavex (anfitrión de prueba)"));
    ventana.setStyleSheet(QStringLiteral("background: #404858;"));
    ventana.setGeometry(20, 20, 700, 320);
    ventana.show();
    const WId id = ventana.winId();
    std::printf("ANFITRION %llx\n", static_cast<unsigned long long>(id));
    std::fflush(stdout);

    QProcess hijo;
    hijo.setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(&hijo, &QProcess::finished, &app, [&](int codigo, QProcess::ExitStatus estado) {
        std::printf("FIN %d\n", estado == QProcess::NormalExit ? codigo : -1);
        std::fflush(stdout);
        app.exit(estado == QProcess::NormalExit ? codigo : 3);
    });
    hijo.start(programa, {direccion, QString::number(id, 16)});
    if (!hijo.waitForStarted(10000)) {
        std::fprintf(stderr, "no arranca %s\n", qPrintable(programa));
        return 4;
    }
    std::printf("HIJO %lld\n", static_cast<long long>(hijo.processId()));
    std::fflush(stdout);

    if (!captura.isEmpty()) {
        QTimer::singleShot(espera, &app, [&] {
            QPixmap p = ventana.screen()->grabWindow(id);
            p.save(captura);
            std::printf("CAPTURA %s\n", qPrintable(captura));
            std::fflush(stdout);
        });
    }
    QTimer::singleShot(limite, &app, [&] {
        std::fprintf(stderr, "molvaren no terminó a tiempo\n");
        hijo.kill();
        hijo.waitForFinished(3000);
        app.exit(5);
    });
    return QApplication::exec();
}
