#pragma once
// La carpeta de tablas de una ejecución. Todo o nada: las tablas se cargan y
// cambian en memoria, y sólo Confirmar() las escribe en disco (cada una a un
// temporal renombrado después encima de la antigua). Si la ejecución se para
// antes por un error, los ficheros quedan como estaban.
// Mientras el objeto vive, las tablas abiertas están en uso exclusivo
// (bloqueo consultivo aquí; en Windows, apertura sin compartir).
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/Tabla.h"

namespace molvaren {

// Carpeta de tablas: MOLVAREN_KTEMP si está definida; si no, C:\KTEMP en
// Windows y $WINEPREFIX/drive_c/KTEMP (por omisión ~/.wine) en los demás.
std::filesystem::path CarpetaTablasPorOmision();

// ¿Hay en la carpeta un fichero NOMBRE.DBF, en cualquier combinación de
// mayúsculas? No abre ni bloquea nada; una carpeta que falta da falso.
bool ExisteTabla(const std::filesystem::path& carpeta, const std::string& nombre);

class BaseTablas {
public:
    // Lanza ErrorMolvaren si la carpeta no existe.
    explicit BaseTablas(std::filesystem::path carpeta);
    ~BaseTablas();
    BaseTablas(const BaseTablas&) = delete;
    BaseTablas& operator=(const BaseTablas&) = delete;

    const std::filesystem::path& Carpeta() const;

    // Tira la tabla de trabajo y la crea vacía con su disposición; al
    // confirmar se borra además su .MDX si quedaba alguno.
    Tabla& Recrear(const std::string& nombre);

    // La tabla tal como está (en memoria si ya se abrió en esta ejecución; si
    // no, leída del fichero). Sirve también para SOLUC. El nombre del fichero
    // se busca sin distinguir mayúsculas. Lanza ErrorMolvaren si no existe,
    // no es una tabla o la tiene otro programa.
    Tabla& Abrir(const std::string& nombre);

    // ¿Existe el fichero de la tabla (sin distinguir mayúsculas), o la tiene ya
    // esta ejecución abierta o recreada?
    bool Existe(const std::string& nombre) const;

    // Escribe todas las tablas recreadas o cambiadas. Lanza ErrorMolvaren si
    // no puede.
    void Confirmar();

    // Tablas tocadas en esta ejecución, para informar de lo escrito.
    std::vector<std::string> NombresAbiertos() const;

private:
    struct Datos;
    std::unique_ptr<Datos> d_;
};

} // namespace molvaren
