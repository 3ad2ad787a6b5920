// Carga un documento ITACA y dice cuánto ha tardado y cuánta memoria ha
// necesitado como máximo. Uso: medida_documento fichero.xml [veces]
#include "common/DocumentoItaca.h"
#include "common/DocumentoItacaDatos.h"
#include "common/ErrorMolvaren.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// Pico de memoria residente del proceso en KB (VmHWM; si no está, ru_maxrss).
long PicoMemoriaKb()
{
    std::ifstream estado("/proc/self/status");
    std::string linea;
    while (std::getline(estado, linea))
        if (linea.rfind("VmHWM:", 0) == 0)
            return std::atol(linea.c_str() + 6);
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "Uso: %s fichero.xml [veces]\n", argv[0]);
        return 2;
    }
    const std::filesystem::path fichero = argv[1];
    const int veces = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1;
    const long picoAntes = PicoMemoriaKb();

    double mejor = 1e99;
    try {
        for (int i = 0; i < veces; ++i) {
            const auto inicio = std::chrono::steady_clock::now();
            const molvaren::DocumentoItaca doc = molvaren::DocumentoItaca::Cargar(fichero);
            const std::chrono::duration<double> t = std::chrono::steady_clock::now() - inicio;
            mejor = std::min(mejor, t.count());
            if (i + 1 == veces) {
                size_t elementos = 0;
                for (const auto& r : molvaren::CatalogoItaca())
                    elementos += doc.Seleccionar(r.ruta).size();
                const auto& d = doc.Interno();
                std::printf("elementos catalogados: %zu\n", elementos);
                std::printf("valores distintos: %zu (%.1f MB en el almacén)\n", d.valores.Cantidad(),
                            static_cast<double>(d.valores.MemoriaAproximada()) / 1048576.0);
            }
        }
    } catch (const molvaren::ErrorMolvaren& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }

    const double megas = static_cast<double>(std::filesystem::file_size(fichero)) / 1048576.0;
    const long pico = PicoMemoriaKb();
    std::printf("fichero: %.1f MB\n", megas);
    std::printf("tiempo de carga (mejor de %d): %.3f s\n", veces, mejor);
    std::printf("pico de memoria: %.1f MB (%.1f MB antes de cargar)\n", static_cast<double>(pico) / 1024.0,
                static_cast<double>(picoAntes) / 1024.0);
    return 0;
}
