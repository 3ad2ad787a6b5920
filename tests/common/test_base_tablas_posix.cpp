// Carpeta de tablas por omisión fuera de Windows: la de MOLVAREN_KTEMP o la
// del prefijo de Wine.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "common/BaseTablas.h"

namespace molvaren {
namespace {

// Cambia variables de entorno y las deja como estaban al salir.
class Entorno {
public:
    ~Entorno()
    {
        for (const auto& [nombre, valor] : guardadas_) {
            if (valor)
                ::setenv(nombre.c_str(), valor->c_str(), 1);
            else
                ::unsetenv(nombre.c_str());
        }
    }
    void Poner(const std::string& nombre, const char* valor)
    {
        const char* antes = std::getenv(nombre.c_str());
        guardadas_.emplace_back(nombre, antes ? std::optional<std::string>(antes) : std::nullopt);
        if (valor)
            ::setenv(nombre.c_str(), valor, 1);
        else
            ::unsetenv(nombre.c_str());
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> guardadas_;
};

struct CasoCarpeta {
    const char* nombre;
    const char* ktemp;
    const char* wineprefix;
    const char* home;
    std::string esperada;
};

class CarpetaPorOmision : public ::testing::TestWithParam<CasoCarpeta> {};

TEST_P(CarpetaPorOmision, SegunElEntorno)
{
    const auto& c = GetParam();
    Entorno e;
    e.Poner("MOLVAREN_KTEMP", c.ktemp);
    e.Poner("WINEPREFIX", c.wineprefix);
    e.Poner("HOME", c.home);
    EXPECT_EQ(CarpetaTablasPorOmision(), std::filesystem::path(c.esperada));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, CarpetaPorOmision,
    ::testing::Values(CasoCarpeta{"ktemp_manda", "/tmp/kt", "/opt/vino", "/home/ana", "/tmp/kt"},
                      CasoCarpeta{"prefijo_de_wine", nullptr, "/opt/vino", "/home/ana", "/opt/vino/drive_c/KTEMP"},
                      CasoCarpeta{"ktemp_vacia_no_cuenta", "", "/opt/vino", "/home/ana", "/opt/vino/drive_c/KTEMP"},
                      CasoCarpeta{"wine_por_omision", nullptr, nullptr, "/home/ana", "/home/ana/.wine/drive_c/KTEMP"}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

} // namespace
} // namespace molvaren
