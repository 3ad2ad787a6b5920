// Diálogo de plantillas sin ventana: lo que ofrece, lo que enseña y lo que
// devuelve.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "common/BaseTablas.h"
#include "common/ErrorMolvaren.h"
#include "common/EstadoPrograma.h"
#include "common/ModeloPlantillas.h"
#include "common/Tabla.h"

namespace molvaren {
namespace {

using Lineas = std::vector<std::string>;

// Dos plantillas, M y T; las sesiones de M del lunes llegan desordenadas y
// mezcladas con las de otros días y plantillas.
const char* const DocumentoDosPlantillas = R"(<?xml version="1.0" encoding="UTF-8"?>
<centro codigo="46000001" denominacion="IES Prova" curso="2023" version="1.0">
  <plantillas_horario>
    <plantilla_horario codigo=" M " descripcion_val="Matí ordinari" descripcion_cas="Mañana ordinaria" turno=" Matí "/>
    <plantilla_horario codigo="T" descripcion_val="Vesprada" descripcion_cas="Tarde" turno="Vesprada"/>
  </plantillas_horario>
  <sesiones_horario>
    <sesion_horario plantilla="M" dia_semana="L" sesion_orden="10" hora_desde="15:00" hora_hasta="15:55"/>
    <sesion_horario plantilla="M" dia_semana="L" sesion_orden="2" hora_desde="08:55" hora_hasta="09:50"/>
    <sesion_horario plantilla="M" dia_semana="M" sesion_orden="1" hora_desde="08:00" hora_hasta="08:55"/>
    <sesion_horario plantilla="T" dia_semana="L" sesion_orden="1" hora_desde="15:00" hora_hasta="15:55"/>
    <sesion_horario plantilla=" M" dia_semana=" L " sesion_orden=" 1 " hora_desde="08:00" hora_hasta="08:55"/>
    <sesion_horario plantilla="M" dia_semana="l" sesion_orden="3" hora_desde="09:50" hora_hasta="10:45"/>
  </sesiones_horario>
</centro>
)";

// Un solo elemento en la sección de sesiones: la lista queda vacía.
const char* const DocumentoUnaSesion = R"(<centro>
  <plantillas_horario>
    <plantilla_horario codigo="M" descripcion_val="Matí" descripcion_cas="Mañana" turno="M"/>
  </plantillas_horario>
  <sesiones_horario>
    <sesion_horario plantilla="M" dia_semana="L" sesion_orden="1" hora_desde="08:00" hora_hasta="08:55"/>
  </sesiones_horario>
</centro>
)";

// Códigos repetidos: gana el último.
const char* const DocumentoRepetidos = R"(<centro>
  <plantillas_horario>
    <plantilla_horario codigo="M" descripcion_val="Primera" descripcion_cas="Primera" turno="Uno"/>
    <plantilla_horario codigo="M" descripcion_val="Segunda" descripcion_cas="Segunda" turno="Dos"/>
  </plantillas_horario>
  <sesiones_horario>
    <sesion_horario plantilla="M" dia_semana="L" sesion_orden="7" hora_desde="14:00" hora_hasta="14:55"/>
    <sesion_horario plantilla="M" dia_semana="L" sesion_orden="123" hora_desde="07:00" hora_hasta="07:55"/>
  </sesiones_horario>
</centro>
)";

const char* const DocumentoSinPlantillas = R"(<centro><docentes/></centro>
)";

const Lineas LineasM = {" 1 de 08:00 a 08:55", " 2 de 08:55 a 09:50", "10 de 15:00 a 15:55"};

struct CasoModelo {
    const char* nombre;
    const char* documento;
    int modo;
    std::string idioma;
    std::function<void(ModeloPlantillas&)> accion;   // tras activar; puede ser nula
    std::string textoCombo;
    Lineas codigos;
    std::string nombrePlantilla;
    std::string turno;
    Lineas lineas;
    std::string codigoElegido;
};

const std::vector<CasoModelo> Casos = {
    {"modo0_primera_plantilla", DocumentoDosPlantillas, 0, TextoValenciano, nullptr, "M", {"M", "T"},
     "Mat\xED ordinari", "Mat\xED", LineasM, "M"},
    {"modo0_castellano_al_abrir", DocumentoDosPlantillas, 0, TextoCastellano, nullptr, "M", {"M", "T"},
     "Ma\xF1" "ana ordinaria", "Mat\xED", LineasM, "M"},
    {"cambio_a_castellano_no_toca_la_lista", DocumentoDosPlantillas, 0, TextoValenciano,
     [](ModeloPlantillas& m) { m.CambiarIdioma(TextoCastellano); }, "M", {"M", "T"}, "Ma\xF1" "ana ordinaria",
     "Mat\xED", LineasM, "M"},
    {"idioma_escrito_a_mano_va_a_castellano", DocumentoDosPlantillas, 0, TextoValenciano,
     [](ModeloPlantillas& m) { m.CambiarIdioma("valenci\xE1"); }, "M", {"M", "T"}, "Ma\xF1" "ana ordinaria",
     "Mat\xED", LineasM, "M"},
    {"elegir_la_segunda", DocumentoDosPlantillas, 0, TextoValenciano,
     [](ModeloPlantillas& m) { m.CambiarPlantilla("T"); }, "T", {"M", "T"}, "Vesprada", "Vesprada",
     {" 1 de 15:00 a 15:55"}, "T"},
    {"codigo_escrito_sin_plantilla", DocumentoDosPlantillas, 0, TextoValenciano,
     [](ModeloPlantillas& m) { m.CambiarPlantilla("X"); }, "X", {"M", "T"}, "-", "-", {}, "X"},
    {"codigo_con_blancos_no_coincide_pero_se_recorta_al_cerrar", DocumentoDosPlantillas, 0, TextoValenciano,
     [](ModeloPlantillas& m) { m.CambiarPlantilla(" M "); }, " M ", {"M", "T"}, "-", "-", {}, "M"},
    {"modo2_empieza_vacio", DocumentoDosPlantillas, 2, TextoValenciano, nullptr, "", {"M", "T"}, "-", "-", {}, ""},
    {"modo2_elegir", DocumentoDosPlantillas, 2, TextoValenciano,
     [](ModeloPlantillas& m) { m.CambiarPlantilla("M"); }, "M", {"M", "T"}, "Mat\xED ordinari", "Mat\xED", LineasM,
     "M"},
    {"una_sola_sesion_lista_vacia", DocumentoUnaSesion, 0, TextoValenciano, nullptr, "M", {"M"}, "Mat\xED", "M", {},
     "M"},
    {"codigos_repetidos_gana_el_ultimo", DocumentoRepetidos, 0, TextoValenciano, nullptr, "M", {"M", "M"},
     "Segunda", "Dos", {" 7 de 14:00 a 14:55", "123 de 07:00 a 07:55"}, "M"},
    {"sin_plantillas", DocumentoSinPlantillas, 2, TextoValenciano, nullptr, "", {}, "-", "-", {}, ""},
};

// Nombre corto en los informes de gtest.
void PrintTo(const CasoModelo& c, std::ostream* os) { *os << c.nombre; }

class ModeloPlantillasPrueba : public ::testing::TestWithParam<CasoModelo> {
protected:
    void SetUp() override
    {
        carpeta = std::filesystem::temp_directory_path() / ("molvaren_plantillas_" + std::string(GetParam().nombre));
        std::filesystem::remove_all(carpeta);
        std::filesystem::create_directories(carpeta);
        std::ofstream(carpeta / "centro.xml", std::ios::binary) << GetParam().documento;
        // Rejilla de una ejecución anterior, que el modo 2 abre.
        BaseTablas tablas(carpeta);
        Tabla& dias = tablas.Recrear("DIASHORAST");
        dias.Anadir();
        dias.PonerTexto("MARCOXML", "M");
        dias.Grabar();
        tablas.Confirmar();
    }
    void TearDown() override { std::filesystem::remove_all(carpeta); }
    std::filesystem::path carpeta;
};

TEST_P(ModeloPlantillasPrueba, MuestraYDevuelve)
{
    const CasoModelo& c = GetParam();
    ModeloPlantillas m(c.modo, c.idioma, carpeta / "centro.xml", carpeta);
    m.Activar();
    if (c.accion)
        c.accion(m);

    EXPECT_EQ(m.TextoPlantilla(), c.textoCombo);
    EXPECT_EQ(m.Codigos(), c.codigos);
    EXPECT_EQ(m.RotuloNombre(), c.nombrePlantilla);
    EXPECT_EQ(m.RotuloTurno(), c.turno);
    EXPECT_EQ(m.Lineas(), c.lineas);

    ResultadoPlantillas r = m.Resultado();
    EXPECT_EQ(r.CodigoElegido, c.codigoElegido);
    EXPECT_EQ(r.TurnoElegido, c.turno);
    EXPECT_EQ(r.Lineas, c.lineas);
    EXPECT_EQ(r.TextoIdioma, m.TextoIdioma());
}

INSTANTIATE_TEST_SUITE_P(Casos, ModeloPlantillasPrueba, ::testing::ValuesIn(Casos),
                         [](const auto& caso) { return std::string(caso.param.nombre); });

TEST(ModeloPlantillasModo2, SinRejillaAnteriorFallaYQuedaVacio)
{
    auto carpeta = std::filesystem::temp_directory_path() / "molvaren_plantillas_sin_rejilla";
    std::filesystem::remove_all(carpeta);
    std::filesystem::create_directories(carpeta);
    std::ofstream(carpeta / "centro.xml", std::ios::binary) << DocumentoDosPlantillas;

    ModeloPlantillas m(2, TextoValenciano, carpeta / "centro.xml", carpeta);
    EXPECT_THROW(m.Activar(), ErrorMolvaren);
    EXPECT_TRUE(m.Codigos().empty());
    EXPECT_EQ(m.TextoPlantilla(), "");
    ResultadoPlantillas r = m.Resultado();
    EXPECT_EQ(r.CodigoElegido, "");
    EXPECT_EQ(r.TurnoElegido, "-");
    EXPECT_TRUE(r.Lineas.empty());
    std::filesystem::remove_all(carpeta);
}

TEST(ModeloPlantillasDocumento, UsaElDocumentoYaCargado)
{
    auto carpeta = std::filesystem::temp_directory_path() / "molvaren_plantillas_cargado";
    std::filesystem::remove_all(carpeta);
    std::filesystem::create_directories(carpeta);
    std::ofstream(carpeta / "centro.xml", std::ios::binary) << DocumentoRepetidos;
    auto doc = std::make_shared<const DocumentoItaca>(DocumentoItaca::Cargar(carpeta / "centro.xml"));
    // El fichero ya no está: sólo vale el documento entregado.
    std::filesystem::remove_all(carpeta);

    ModeloPlantillas m(0, TextoValenciano, carpeta / "centro.xml", carpeta, doc);
    m.Activar();
    EXPECT_EQ(m.RotuloTurno(), "Dos");
}

struct CasoLinea {
    std::string orden, esperado;
};

TEST(ModeloPlantillasLinea, OrdenEnLasColumnasFijas)
{
    const std::vector<CasoLinea> casos = {
        {"7", " 7 de 08:00 a 08:55"},
        {"10", "10 de 08:00 a 08:55"},
        {"123", "123 de 08:00 a 08:55"},
        {"1234", "123 de 08:00 a 08:55"},
        {"", " de 08:00 a 08:55"},
    };
    for (const CasoLinea& c : casos) {
        std::string l = ModeloPlantillas::LineaSesion(c.orden, "08:00", "08:55");
        EXPECT_EQ(l, c.esperado) << c.orden;
        if (c.orden.size() == 1 || c.orden.size() == 2) {
            // Lo que lee la rejilla de días y horas en sus posiciones fijas.
            ASSERT_GE(l.size(), 19u);
            EXPECT_EQ(l.substr(6, 5), "08:00");
            EXPECT_EQ(l.substr(14, 5), "08:55");
        }
    }
}

} // namespace
} // namespace molvaren
