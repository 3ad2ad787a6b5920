#include "cli/LectorArgumentos.h"

#include "cli/ErrorCli.h"

namespace molvaren::cli {

LectorArgumentos::LectorArgumentos(const std::vector<std::string>& argumentos, const std::set<std::string>& conValor,
                                   const std::set<std::string>& banderas)
{
    bool soloPosicionales = false;
    for (size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& a = argumentos[i];
        // "--" deja pasar ficheros cuyo nombre empieza por guion.
        if (soloPosicionales || a.size() < 2 || a.compare(0, 2, "--") != 0) {
            if (!soloPosicionales && a.size() > 1 && a[0] == '-')
                throw ErrorUso("Opción desconocida: " + a);
            posicionales_.push_back(a);
            continue;
        }
        if (a == "--") {
            soloPosicionales = true;
            continue;
        }
        std::string nombre = a;
        std::optional<std::string> valor;
        if (auto igual = a.find('='); igual != std::string::npos) {
            nombre = a.substr(0, igual);
            valor = a.substr(igual + 1);
        }
        if (conValor.count(nombre)) {
            if (!valor) {
                if (i + 1 >= argumentos.size())
                    throw ErrorUso("Falta el valor de la opción " + nombre);
                valor = argumentos[++i];
            }
            if (this->Valor(nombre))
                throw ErrorUso("La opción " + nombre + " está repetida");
            valores_.emplace_back(nombre, *valor);
        } else if (banderas.count(nombre)) {
            if (valor)
                throw ErrorUso("La opción " + nombre + " no lleva valor");
            banderas_.insert(nombre);
        } else {
            throw ErrorUso("Opción desconocida: " + nombre);
        }
    }
}

std::optional<std::string> LectorArgumentos::Valor(const std::string& opcion) const
{
    for (const auto& [nombre, valor] : valores_)
        if (nombre == opcion)
            return valor;
    return std::nullopt;
}

bool LectorArgumentos::Bandera(const std::string& opcion) const
{
    return banderas_.count(opcion) != 0;
}

} // namespace molvaren::cli
