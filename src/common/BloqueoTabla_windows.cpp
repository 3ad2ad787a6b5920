#include "common/BloqueoTabla.h"

#include <windows.h>

#include "common/ErrorMolvaren.h"
#include "common/FicheroDbf.h"

namespace molvaren {

namespace fs = std::filesystem;

// Apertura que sólo comparte la lectura: nadie más puede abrir la tabla para
// escribir mientras dure.
struct BloqueoTabla::Datos {
    HANDLE h = INVALID_HANDLE_VALUE;
};

BloqueoTabla::BloqueoTabla(std::unique_ptr<Datos> d) : d_(std::move(d)) {}

BloqueoTabla::~BloqueoTabla()
{
    if (d_ && d_->h != INVALID_HANDLE_VALUE)
        CloseHandle(d_->h);
}

std::unique_ptr<BloqueoTabla> BloqueoTabla::Tomar(const fs::path& ruta)
{
    // FILE_FLAG_BACKUP_SEMANTICS permite abrir también una carpeta.
    HANDLE h = CreateFileW(ruta.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD e = GetLastError();
        if (e == ERROR_SHARING_VIOLATION || e == ERROR_LOCK_VIOLATION || e == ERROR_ACCESS_DENIED)
            return nullptr;
        throw ErrorMolvaren("No se puede abrir " + RutaParaMensaje(ruta) + " (error " + std::to_string(e) + ").");
    }
    auto d = std::make_unique<Datos>();
    d->h = h;
    return std::make_unique<BloqueoTabla>(std::move(d));
}

std::unique_ptr<BloqueoTabla> BloqueoTabla::Sustituir(const fs::path& temporal, const fs::path& destino,
                                                      std::unique_ptr<BloqueoTabla> viejo)
{
    // Windows no deja reemplazar un fichero abierto sin compartir: se suelta
    // justo antes y se vuelve a tomar después.
    viejo.reset();
    if (!MoveFileExW(temporal.c_str(), destino.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw ErrorMolvaren("No se puede sustituir " + RutaParaMensaje(destino) + " (error " +
                            std::to_string(GetLastError()) + ").");
    auto nuevo = Tomar(destino);
    if (!nuevo)
        throw ErrorMolvaren("La tabla " + RutaParaMensaje(destino) + " est\xC3\xA1 en uso por otro programa.");
    return nuevo;
}

} // namespace molvaren
