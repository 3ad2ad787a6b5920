// Medida del motor de tablas: 50 000 altas y 100 000 búsquedas por dos
// campos, como las de los horarios en un centro grande; después, escritura y
// lectura del fichero.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "common/Disposiciones.h"
#include "common/FicheroDbf.h"
#include "common/Tabla.h"

using namespace molvaren;
using Reloj = std::chrono::steady_clock;

namespace {
double Segundos(Reloj::time_point desde)
{
    return std::chrono::duration<double>(Reloj::now() - desde).count();
}
} // namespace

int main()
{
    constexpr int kFilas = 50000;
    constexpr int kBusquedas = 100000;
    Tabla t("ASIGT", DisposicionDe("ASIGT"));

    auto inicio = Reloj::now();
    for (int i = 0; i < kFilas; ++i) {
        t.Anadir();
        t.PonerTexto("CPROF", "P" + std::to_string(i % 700));
        t.PonerTexto("ASIG_ITACA", "A" + std::to_string(i));
        t.PonerTexto("CLAVE", "G" + std::to_string(i % 900));
        t.PonerFlotante("HORAS", 4);
        t.Grabar();
    }
    std::printf("altas:      %6d filas     %8.3f s\n", kFilas, Segundos(inicio));

    std::mt19937 azar(1);
    int halladas = 0;
    inicio = Reloj::now();
    for (int i = 0; i < kBusquedas; ++i) {
        const int n = static_cast<int>(azar() % (kFilas + kFilas / 10));   // algunas fallan
        if (t.Localizar("CPROF;ASIG_ITACA",
                        std::vector<std::string>{"P" + std::to_string(n % 700), "A" + std::to_string(n)}))
            ++halladas;
    }
    std::printf("b\xC3\xBAsquedas: %6d (%d halladas) %8.3f s\n", kBusquedas, halladas, Segundos(inicio));

    const auto fichero = std::filesystem::temp_directory_path() / "MEDIDA_ASIGT.DBF";
    inicio = Reloj::now();
    EscribirDbf(t, fichero);
    std::printf("escritura:  %8.3f s\n", Segundos(inicio));
    inicio = Reloj::now();
    Tabla leida = LeerDbf(fichero, "ASIGT");
    std::printf("lectura:    %6zu filas     %8.3f s\n", leida.NumFilas(), Segundos(inicio));
    std::filesystem::remove(fichero);
    return 0;
}
