#include "common/FicheroIni.h"

#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <system_error>
#include <utility>
#include <vector>

#include "common/ErrorMolvaren.h"
#include "common/TextHelpers.h"

namespace molvaren {

namespace {

const std::string_view MarcaUtf8 = "\xEF\xBB\xBF";

struct Linea {
    size_t inicio;      // primer byte de la línea
    size_t finTexto;    // sin el fin de línea
    size_t fin;         // con el fin de línea
};

std::vector<Linea> PartirLineas(std::string_view t)
{
    std::vector<Linea> lineas;
    size_t i = 0;
    while (i < t.size()) {
        size_t nl = t.find('\n', i);
        if (nl == std::string_view::npos) {
            lineas.push_back({i, t.size(), t.size()});
            break;
        }
        size_t finTexto = (nl > i && t[nl - 1] == '\r') ? nl - 1 : nl;
        lineas.push_back({i, finTexto, nl + 1});
        i = nl + 1;
    }
    return lineas;
}

std::string_view SinBlancos(std::string_view s)
{
    size_t a = s.find_first_not_of(" \t");
    if (a == std::string_view::npos)
        return {};
    size_t b = s.find_last_not_of(" \t");
    return s.substr(a, b - a + 1);
}

// Nombre de la sección si la línea es una cabecera "[nombre]".
bool EsCabecera(std::string_view texto, std::string_view& nombre)
{
    std::string_view s = SinBlancos(texto);
    if (s.empty() || s.front() != '[')
        return false;
    size_t cierre = s.find(']');
    if (cierre == std::string_view::npos)
        return false;
    nombre = SinBlancos(s.substr(1, cierre - 1));
    return true;
}

bool EsClave(std::string_view texto, std::string_view clave)
{
    size_t igual = texto.find('=');
    if (igual == std::string_view::npos)
        return false;
    return IgualesSinMayusculas(SinBlancos(texto.substr(0, igual)), clave);
}

[[noreturn]] void NoSePuedeEscribir(const std::filesystem::path& ruta)
{
    throw ErrorMolvaren("Unable to write to " + std::string(reinterpret_cast<const char*>(ruta.u8string().c_str())));
}

} // namespace

FicheroIni::FicheroIni(std::filesystem::path ruta) : ruta_(std::move(ruta)) {}

std::string FicheroIni::ConClave(std::string_view contenido, std::string_view seccion, std::string_view clave,
                                 std::string_view valor)
{
    std::string t(contenido);
    // La marca UTF-8 no forma parte de la primera línea al compararla.
    size_t saltoMarca = t.compare(0, MarcaUtf8.size(), MarcaUtf8) == 0 ? MarcaUtf8.size() : 0;
    std::vector<Linea> lineas = PartirLineas(t);

    // Las líneas nuevas siguen el fin de línea que ya usa el fichero.
    std::string fin = "\r\n";
    if (!lineas.empty() && lineas.front().fin > lineas.front().finTexto)
        fin = t.substr(lineas.front().finTexto, lineas.front().fin - lineas.front().finTexto);
    const std::string nueva = std::string(clave) + "=" + std::string(valor);

    auto texto = [&](size_t n) {
        size_t ini = lineas[n].inicio + (n == 0 ? saltoMarca : 0);
        return std::string_view(t).substr(ini, lineas[n].finTexto - std::min(ini, lineas[n].finTexto));
    };

    size_t n = 0;
    std::string_view nombre;
    for (; n < lineas.size(); ++n)
        if (EsCabecera(texto(n), nombre) && IgualesSinMayusculas(nombre, seccion))
            break;

    if (n == lineas.size()) {
        if (!t.empty() && t.back() != '\n')
            t += fin;
        t += "[" + std::string(seccion) + "]" + fin + nueva + fin;
        return t;
    }

    size_t ultimaConTexto = n;
    for (size_t k = n + 1; k < lineas.size(); ++k) {
        std::string_view s = texto(k);
        if (EsCabecera(s, nombre))
            break;
        if (EsClave(s, clave)) {
            t.replace(lineas[k].inicio, lineas[k].finTexto - lineas[k].inicio, nueva);
            return t;
        }
        if (!SinBlancos(s).empty())
            ultimaConTexto = k;
    }

    // Clave nueva: tras la última línea con texto de la sección, antes de las
    // líneas en blanco que la separan de la siguiente.
    const Linea& tras = lineas[ultimaConTexto];
    if (tras.fin == tras.finTexto) {
        t += fin;
        t += nueva + fin;
    } else {
        t.insert(tras.fin, nueva + fin);
    }
    return t;
}

void FicheroIni::EscribirEntero(std::string_view seccion, std::string_view clave, long long valor)
{
    EscribirTexto(seccion, clave, std::to_string(valor));
}

void FicheroIni::EscribirTexto(std::string_view seccion, std::string_view clave, std::string_view valor)
{
    namespace fs = std::filesystem;
    std::error_code ec;

    // Un enlace simbólico se conserva: se escribe en el fichero al que apunta.
    fs::path destino = ruta_;
    if (fs::is_symlink(ruta_, ec)) {
        destino = fs::weakly_canonical(ruta_, ec);
        if (ec)
            NoSePuedeEscribir(ruta_);
    }

    std::string anterior;
    fs::file_status estado = fs::status(destino, ec);
    bool existia = fs::exists(estado);
    if (existia) {
        if (!fs::is_regular_file(estado))
            NoSePuedeEscribir(ruta_);
        std::ifstream entrada(destino, std::ios::binary);
        if (!entrada)
            NoSePuedeEscribir(ruta_);
        anterior.assign(std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>());
        if (entrada.bad())
            NoSePuedeEscribir(ruta_);
    }

    std::string nuevo = ConClave(anterior, seccion, clave, valor);

    std::random_device azar;
    std::ostringstream sufijo;
    sufijo << ".tmp" << std::hex << azar() << azar();
    fs::path temporal = destino;
    temporal += sufijo.str();

    {
        std::ofstream salida(temporal, std::ios::binary | std::ios::trunc);
        if (!salida)
            NoSePuedeEscribir(ruta_);
        salida.write(nuevo.data(), static_cast<std::streamsize>(nuevo.size()));
        salida.close();
        if (!salida) {
            fs::remove(temporal, ec);
            NoSePuedeEscribir(ruta_);
        }
    }
    if (existia)
        fs::permissions(temporal, estado.permissions(), ec);   // sin importancia si falla
    fs::rename(temporal, destino, ec);
    if (ec) {
        std::error_code ec2;
        fs::remove(temporal, ec2);
        NoSePuedeEscribir(ruta_);
    }
}

} // namespace molvaren
