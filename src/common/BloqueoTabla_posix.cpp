#include "common/BloqueoTabla.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "common/ErrorMolvaren.h"
#include "common/FicheroDbf.h"

namespace molvaren {

namespace fs = std::filesystem;

// flock va con la apertura, no con el proceso: otra BaseTablas del mismo
// programa también choca, y cerrar otro descriptor del fichero no lo suelta.
struct BloqueoTabla::Datos {
    int fd = -1;
};

BloqueoTabla::BloqueoTabla(std::unique_ptr<Datos> d) : d_(std::move(d)) {}

BloqueoTabla::~BloqueoTabla()
{
    if (d_ && d_->fd >= 0)
        ::close(d_->fd);
}

std::unique_ptr<BloqueoTabla> BloqueoTabla::Tomar(const fs::path& ruta)
{
    int fd = ::open(ruta.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw ErrorMolvaren("No se puede abrir " + RutaParaMensaje(ruta) + " (" + std::strerror(errno) + ").");
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int e = errno;
        ::close(fd);
        if (e == EWOULDBLOCK)
            return nullptr;
        throw ErrorMolvaren("No se puede bloquear " + RutaParaMensaje(ruta) + " (" + std::strerror(e) + ").");
    }
    auto d = std::make_unique<Datos>();
    d->fd = fd;
    return std::make_unique<BloqueoTabla>(std::move(d));
}

std::unique_ptr<BloqueoTabla> BloqueoTabla::Sustituir(const fs::path& temporal, const fs::path& destino,
                                                      std::unique_ptr<BloqueoTabla> viejo)
{
    // Se bloquea el fichero nuevo antes de renombrarlo: no queda ningún
    // momento en que la tabla esté libre.
    auto nuevo = Tomar(temporal);
    if (!nuevo)
        throw ErrorMolvaren("No se puede bloquear " + RutaParaMensaje(temporal) + ".");
    if (::rename(temporal.c_str(), destino.c_str()) != 0)
        throw ErrorMolvaren("No se puede sustituir " + RutaParaMensaje(destino) + " (" + std::strerror(errno) + ").");
    viejo.reset();
    return nuevo;
}

} // namespace molvaren
