#include "shell/AbrirAyuda.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace molvaren::ventanas {

namespace {

// Salida de una orden corta, o vacía si no terminó bien.
QString Preguntar(const QString& programa, const QStringList& argumentos)
{
    QProcess p;
    p.start(programa, argumentos);
    if (!p.waitForFinished(5000)) {
        p.kill();
        p.waitForFinished(1000);
        return {};
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

} // namespace

std::optional<QString> AbrirAyudaSistema(const QString& fichero, int contexto)
{
    (void)contexto;   // los visores de .chm de fuera de Windows no abren por número de tema
    QFileInfo info(fichero);
    if (!info.isFile())
        return QStringLiteral("No se encuentra el archivo de ayuda \"%1\".").arg(fichero);

    QString abridor = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (abridor.isEmpty())
        return QStringLiteral("No se puede abrir la ayuda \"%1\": falta la orden xdg-open del escritorio.")
            .arg(fichero);

    // xdg-open no avisa de que no hay visor si se lanza aparte: se pregunta
    // antes qué programa abre este tipo de fichero.
    QString tipo = Preguntar(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("filetype"), fichero});
    if (tipo.isEmpty())
        tipo = QStringLiteral("application/vnd.ms-htmlhelp");
    QString visor = Preguntar(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), tipo});
    if (visor.isEmpty())
        return QStringLiteral("No hay ningún programa instalado para ver la ayuda \"%1\". "
                              "Instale un visor de archivos .chm.")
            .arg(fichero);

    if (!QProcess::startDetached(abridor, {info.absoluteFilePath()}))
        return QStringLiteral("No se pudo abrir la ayuda \"%1\".").arg(fichero);
    return std::nullopt;
}

} // namespace molvaren::ventanas
