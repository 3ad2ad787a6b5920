#pragma once
// Ayudas comunes a las pruebas del documento ITACA.
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace prueba_documento {

namespace fs = std::filesystem;

inline const fs::path kDatos = fs::path(MOLVAREN_DATOS_PRUEBA) / "documento";

inline std::string LeerBytes(const fs::path& p)
{
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

inline void EscribirBytes(const fs::path& p, const std::string& bytes)
{
    std::ofstream f(p, std::ios::binary);
    f << bytes;
}

class CarpetaTemporal {
public:
    CarpetaTemporal()
    {
        std::random_device azar;
        ruta_ = fs::temp_directory_path() / ("molvaren-doc-" + std::to_string(azar()) + std::to_string(azar()));
        fs::create_directories(ruta_);
    }
    ~CarpetaTemporal()
    {
        std::error_code ec;
        fs::permissions(ruta_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(ruta_, ec);
    }
    CarpetaTemporal(const CarpetaTemporal&) = delete;
    CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;

    const fs::path& Ruta() const { return ruta_; }
    fs::path operator/(const std::string& nombre) const { return ruta_ / nombre; }

    size_t NumeroDeEntradas() const
    {
        size_t n = 0;
        for (const auto& entrada : fs::directory_iterator(ruta_)) {
            (void)entrada;
            ++n;
        }
        return n;
    }

private:
    fs::path ruta_;
};

} // namespace prueba_documento
