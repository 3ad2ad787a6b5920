#include "common/ModeloPlantillas.h"

#include <algorithm>
#include <utility>

#include "common/BaseTablas.h"
#include "common/EstadoPrograma.h"
#include "common/Tabla.h"
#include "common/TextHelpers.h"

namespace molvaren {

namespace {

const char* const RutaPlantillas = "/centro/plantillas_horario/plantilla_horario";
const char* const RutaSesiones = "/centro/sesiones_horario/sesion_horario";

// La lista ordenada de Windows compara sin distinguir mayúsculas; a igualdad
// queda el orden de llegada.
bool AntesEnLista(const std::string& a, const std::string& b)
{
    return MayusculasAnsi(a) < MayusculasAnsi(b);
}

} // namespace

struct ModeloPlantillas::Datos {
    int modo = 0;
    std::filesystem::path fichero;
    std::filesystem::path carpetaTablas;
    std::shared_ptr<const DocumentoItaca> documento;

    std::vector<std::string> codigos;
    std::string textoPlantilla;
    std::string textoIdioma;
    std::string rotuloNombre = "-";
    std::string rotuloTurno = "-";
    std::vector<std::string> lineas;
    std::string codigoElegido;
};

ModeloPlantillas::ModeloPlantillas(int modo, std::string textoIdioma, std::filesystem::path fichero,
                                   std::filesystem::path carpetaTablas,
                                   std::shared_ptr<const DocumentoItaca> documento)
    : d_(std::make_shared<Datos>())
{
    d_->modo = modo;
    d_->textoIdioma = std::move(textoIdioma);
    d_->fichero = std::move(fichero);
    d_->carpetaTablas = std::move(carpetaTablas);
    d_->documento = std::move(documento);
}

void ModeloPlantillas::Activar()
{
    if (d_->modo == 2) {
        // El código de la última rejilla creada; se vuelve a fijar al cerrar.
        // La tabla se suelta enseguida para no bloquearla mientras el
        // usuario decide.
        BaseTablas tablas(d_->carpetaTablas);
        Tabla& dias = tablas.Abrir("DIASHORAST");
        dias.Primero();
        d_->codigoElegido = dias.Fin() ? std::string() : dias.LeerTexto("MARCOXML");
    }

    // Cada activación rehace el contenido desde el fichero.
    if (!d_->documento)
        d_->documento = std::make_shared<const DocumentoItaca>(DocumentoItaca::Cargar(d_->fichero));

    std::vector<ElementoItaca> plantillas = d_->documento->Seleccionar(RutaPlantillas);
    if (!plantillas.empty()) {
        d_->codigos.clear();
        for (const ElementoItaca& p : plantillas)
            d_->codigos.push_back(LeerAtributoPlantilla(p, "codigo"));
    }

    if (d_->modo == 2 || d_->codigos.empty())
        d_->textoPlantilla.clear();
    else
        d_->textoPlantilla = d_->codigos.front();

    CambiarPlantilla(d_->textoPlantilla);
}

void ModeloPlantillas::CambiarPlantilla(const std::string& texto)
{
    d_->textoPlantilla = texto;
    d_->rotuloNombre = "-";
    d_->rotuloTurno = "-";
    if (!d_->documento)
        return;

    // Sin cortar el recorrido: con códigos repetidos gana el último.
    for (const ElementoItaca& p : d_->documento->Seleccionar(RutaPlantillas)) {
        if (LeerAtributoPlantilla(p, "codigo") != texto)
            continue;
        d_->rotuloNombre = LeerAtributoPlantilla(
            p, d_->textoIdioma == TextoValenciano ? "descripcion_val" : "descripcion_cas");
        d_->rotuloTurno = LeerAtributoPlantilla(p, "turno");
    }

    std::vector<ElementoItaca> sesiones = d_->documento->Seleccionar(RutaSesiones);
    // Una sección de una sola sesión se trata como vacía.
    if (sesiones.size() > 1) {
        d_->lineas.clear();
        for (const ElementoItaca& s : sesiones) {
            if (LeerAtributoPlantilla(s, "plantilla") != texto || LeerAtributoPlantilla(s, "dia_semana") != "L")
                continue;
            d_->lineas.push_back(LineaSesion(LeerAtributoPlantilla(s, "sesion_orden"),
                                             LeerAtributoPlantilla(s, "hora_desde"),
                                             LeerAtributoPlantilla(s, "hora_hasta")));
        }
        std::stable_sort(d_->lineas.begin(), d_->lineas.end(), AntesEnLista);
    }
}

void ModeloPlantillas::CambiarIdioma(const std::string& texto)
{
    d_->textoIdioma = texto;
    CambiarPlantilla(d_->textoPlantilla);
}

int ModeloPlantillas::Modo() const { return d_->modo; }
const std::vector<std::string>& ModeloPlantillas::Codigos() const { return d_->codigos; }
const std::string& ModeloPlantillas::TextoPlantilla() const { return d_->textoPlantilla; }
const std::string& ModeloPlantillas::TextoIdioma() const { return d_->textoIdioma; }
const std::string& ModeloPlantillas::RotuloNombre() const { return d_->rotuloNombre; }
const std::string& ModeloPlantillas::RotuloTurno() const { return d_->rotuloTurno; }
const std::vector<std::string>& ModeloPlantillas::Lineas() const { return d_->lineas; }

ResultadoPlantillas ModeloPlantillas::Resultado() const
{
    ResultadoPlantillas r;
    r.CodigoElegido = TrimControl(d_->textoPlantilla);
    r.TurnoElegido = d_->rotuloTurno;
    r.Lineas = d_->lineas;
    r.TextoIdioma = d_->textoIdioma;
    return r;
}

std::string ModeloPlantillas::LineaSesion(const std::string& orden, const std::string& desde,
                                          const std::string& hasta)
{
    std::string o = orden.size() == 1 ? " " + orden : orden;
    if (o.size() > 3)
        o.resize(3);
    return o + " de " + desde + " a " + hasta;
}

} // namespace molvaren
