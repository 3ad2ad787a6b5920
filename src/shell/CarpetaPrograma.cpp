#include "shell/CarpetaPrograma.h"

#include <QCoreApplication>

namespace molvaren::ventanas {

QString CarpetaPrograma()
{
    QString forzada = qEnvironmentVariable("MOLVAREN_CARPETA_PROGRAMA");
    if (!forzada.isEmpty())
        return forzada;
    return QCoreApplication::applicationDirPath();
}

} // namespace molvaren::ventanas
