#pragma once
// Uso exclusivo de un fichero de tabla (o de la carpeta, mientras la tabla
// aún no tiene fichero) frente a otros programas. Aquí, bloqueo consultivo;
// en Windows, apertura sin compartir la escritura.
#include <filesystem>
#include <memory>

namespace molvaren {

class BloqueoTabla {
public:
    // nullptr si otro programa tiene la ruta; ErrorMolvaren si no se puede
    // abrir por otro motivo.
    static std::unique_ptr<BloqueoTabla> Tomar(const std::filesystem::path& ruta);

    // Pone el fichero temporal en lugar del destino (renombrándolo encima) y
    // devuelve el bloqueo del fichero nuevo; suelta el bloqueo viejo del
    // destino, si lo había. Lanza ErrorMolvaren si no puede.
    static std::unique_ptr<BloqueoTabla> Sustituir(const std::filesystem::path& temporal,
                                                   const std::filesystem::path& destino,
                                                   std::unique_ptr<BloqueoTabla> viejo);

    ~BloqueoTabla();
    BloqueoTabla(const BloqueoTabla&) = delete;
    BloqueoTabla& operator=(const BloqueoTabla&) = delete;

    struct Datos;
    explicit BloqueoTabla(std::unique_ptr<Datos> d);

private:
    std::unique_ptr<Datos> d_;
};

} // namespace molvaren
