#pragma once
// Ayudas de fichero para las pruebas: una carpeta temporal propia que se
// borra al acabar, y lectura y escritura de ficheros enteros en binario.
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <system_error>

namespace molvaren::pruebas {

class CarpetaTemporal {
public:
    CarpetaTemporal()
    {
        std::random_device azar;
        do
            ruta_ = std::filesystem::temp_directory_path() /
                    ("molvaren-prueba-" + std::to_string(azar()) + std::to_string(azar()));
        while (!std::filesystem::create_directory(ruta_));
    }
    ~CarpetaTemporal()
    {
        // Alguna prueba le quita los permisos de escritura: se devuelven
        // para poder borrarla.
        std::error_code ec;
        std::filesystem::permissions(ruta_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(ruta_, ec);
    }
    CarpetaTemporal(const CarpetaTemporal&) = delete;
    CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;

    const std::filesystem::path& Ruta() const { return ruta_; }
    std::filesystem::path operator/(const std::string& nombre) const { return ruta_ / nombre; }

    std::size_t NumeroDeEntradas() const
    {
        std::size_t n = 0;
        for (auto it = std::filesystem::directory_iterator(ruta_); it != std::filesystem::directory_iterator(); ++it)
            ++n;
        return n;
    }

private:
    std::filesystem::path ruta_;
};

inline std::string LeerFichero(const std::filesystem::path& f)
{
    std::ifstream in(f, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void EscribirFichero(const std::filesystem::path& f, const std::string& bytes)
{
    std::ofstream out(f, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Todos los ficheros de la carpeta con su contenido: para comprobar que una
// ejecución fallida no ha tocado nada.
inline std::map<std::string, std::string> Instantanea(const std::filesystem::path& carpeta)
{
    std::map<std::string, std::string> r;
    for (const auto& e : std::filesystem::directory_iterator(carpeta))
        r[e.path().filename().string()] = LeerFichero(e.path());
    return r;
}

} // namespace molvaren::pruebas
