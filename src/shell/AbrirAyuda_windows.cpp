#include "shell/AbrirAyuda.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>
#include <shellapi.h>

namespace molvaren::ventanas {

std::optional<QString> AbrirAyudaSistema(const QString& fichero, int contexto)
{
    QFileInfo info(fichero);
    if (!info.isFile())
        return QStringLiteral("No se encuentra el archivo de ayuda \"%1\".").arg(fichero);

    const std::wstring ruta = QDir::toNativeSeparators(info.absoluteFilePath()).toStdWString();
    HINSTANCE r;
    if (contexto > 0) {
        // El visor de la Ayuda HTML abre un tema por su número de contexto.
        const std::wstring parametros = L"-mapid " + std::to_wstring(contexto) + L" \"" + ruta + L"\"";
        r = ShellExecuteW(nullptr, L"open", L"hh.exe", parametros.c_str(), nullptr, SW_SHOWNORMAL);
    } else {
        r = ShellExecuteW(nullptr, L"open", ruta.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
    if (reinterpret_cast<INT_PTR>(r) <= 32)
        return QStringLiteral("No se pudo abrir la ayuda \"%1\": no hay visor de Ayuda HTML.").arg(fichero);
    return std::nullopt;
}

} // namespace molvaren::ventanas
