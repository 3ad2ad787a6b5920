#pragma once
// Ayudas de las pruebas de tablas: carpeta temporal propia y lectura de
// ficheros enteros.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace molvaren::prueba {

class CarpetaTemporal {
public:
    CarpetaTemporal()
    {
        std::random_device azar;
        for (;;) {
            ruta_ = std::filesystem::temp_directory_path() / ("molvaren-tablas-" + std::to_string(azar()));
            if (std::filesystem::create_directory(ruta_))
                break;
        }
    }
    ~CarpetaTemporal()
    {
        std::error_code ec;
        std::filesystem::remove_all(ruta_, ec);
    }
    CarpetaTemporal(const CarpetaTemporal&) = delete;
    CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;
    const std::filesystem::path& Ruta() const { return ruta_; }
    std::filesystem::path operator/(const std::string& nombre) const { return ruta_ / nombre; }

private:
    std::filesystem::path ruta_;
};

inline std::string LeerTodo(const std::filesystem::path& f)
{
    std::ifstream in(f, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void EscribirTodo(const std::filesystem::path& f, const std::string& bytes)
{
    std::ofstream out(f, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::string> Ficheros(const std::filesystem::path& carpeta)
{
    std::vector<std::string> r;
    for (const auto& e : std::filesystem::directory_iterator(carpeta))
        r.push_back(e.path().filename().string());
    std::sort(r.begin(), r.end());
    return r;
}

} // namespace molvaren::prueba
