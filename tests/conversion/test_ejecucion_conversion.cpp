// El recorrido de BExportar con un usuario de guion: qué se le pide, cómo
// acaba cada caso y en qué estado queda el programa.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "PruebaPaso.h"
#include "apoyo/InteraccionGuionada.h"
#include "common/EstadoPrograma.h"
#include "conversion/EjecucionConversion.h"

namespace molvaren::pruebas {
namespace {

const char* const ConPlantillas = R"(<?xml version="1.0" encoding="UTF-8"?>
<centro codigo="46000001" curso="2023">
  <docentes>
    <docente apellido1="Garcia" apellido2="Puig" nombre="Anna" documento="012345678A"/>
    <docente apellido1="Ferrer" apellido2="Soler" nombre="Joan" documento="087654321B"/>
  </docentes>
  <plantillas_horario>
    <plantilla_horario codigo="M" descripcion_val="Matí" descripcion_cas="Mañana" turno="Matí"/>
    <plantilla_horario codigo="T" descripcion_val="Vesprada" descripcion_cas="Tarde" turno="Vesprada"/>
  </plantillas_horario>
  <sesiones_horario>
    <sesion_horario plantilla="M" dia_semana="L" sesion_orden="1" hora_desde="08:00" hora_hasta="08:55"/>
    <sesion_horario plantilla="M" dia_semana="L" sesion_orden="2" hora_desde="08:55" hora_hasta="09:50"/>
  </sesiones_horario>
</centro>
)";

const char* const SinPlantillas = R"(<centro codigo="46000001">
  <docentes><docente apellido1="A"/><docente apellido1="B"/></docentes>
</centro>
)";

const char* const NoEsXml = "<centro><docentes>";

enum class Fichero { Cancela, NoExiste, Escrito };

struct CasoEjecucion {
    const char* nombre;
    Fichero fichero;
    const char* documento;   // si se escribe
    bool incrustado;
    std::optional<std::vector<std::string>> lineasDialogo;   // fuerza las líneas que devuelve el diálogo

    FinEjecucion fin;
    std::vector<std::string> mensajes;
    size_t errores;
    size_t dialogos;
    int resultado;
    bool botones;
    int cierres;
};

void PrintTo(const CasoEjecucion& c, std::ostream* os) { *os << c.nombre; }

const std::vector<std::string> Fin = {"Proceso finalizado"};
const std::vector<std::string> Falta = {"No existe archivo"};

const std::vector<CasoEjecucion> Casos = {
    {"cancela_al_primer_clic", Fichero::Cancela, nullptr, false, std::nullopt, FinEjecucion::Rechazada, Falta, 0, 0, 0,
     true, 0},
    {"incrustado_cancela_cierra_con_menos_uno", Fichero::Cancela, nullptr, true, std::nullopt,
     FinEjecucion::Rechazada, Falta, 0, 0, -1, true, 1},
    {"fichero_escrito_que_no_existe", Fichero::NoExiste, nullptr, false, std::nullopt, FinEjecucion::Rechazada, Falta,
     0, 0, 0, true, 0},
    {"terminada_independiente", Fichero::Escrito, ConPlantillas, false, std::nullopt, FinEjecucion::Finalizada, Fin,
     0, 1, 1, false, 0},
    {"terminada_incrustada_cierra", Fichero::Escrito, ConPlantillas, true, std::nullopt, FinEjecucion::Finalizada, Fin,
     0, 1, 1, false, 1},
    {"sin_plantillas_sin_dialogo", Fichero::Escrito, SinPlantillas, false, std::nullopt, FinEjecucion::Finalizada,
     Fin, 0, 0, 1, false, 0},
    {"no_es_xml_se_rechaza_con_mensaje", Fichero::Escrito, NoEsXml, true, std::nullopt, FinEjecucion::Fallida, {}, 1,
     0, 0, true, 0},
    // La rejilla, último paso, no puede leer la línea: error a mitad.
    {"error_a_mitad_incrustada_no_cierra", Fichero::Escrito, ConPlantillas, true,
     std::vector<std::string>{"xx de 08:00 a 08:55"}, FinEjecucion::Fallida, {}, 1, 1, 0, true, 0},
};

class EjecucionConversionPrueba : public ::testing::TestWithParam<CasoEjecucion> {
protected:
    void SetUp() override
    {
        tablas = carpeta / "ktemp";
        std::filesystem::create_directories(tablas);
        estado.CarpetaTablas = tablas;
    }

    CarpetaTemporal temporal;
    std::filesystem::path carpeta = temporal.Ruta(), tablas;
    EstadoPrograma estado;
    InteraccionGuionada ui;
};

TEST_P(EjecucionConversionPrueba, AcabaComoDebe)
{
    const CasoEjecucion& c = GetParam();
    estado.ModoIncrustado = c.incrustado;
    if (c.fichero == Fichero::NoExiste) {
        ui.fichero = carpeta / "no_esta.xml";
    } else if (c.fichero == Fichero::Escrito) {
        ui.fichero = carpeta / "centro.xml";
        std::ofstream(*ui.fichero, std::ios::binary) << c.documento;
    }
    ui.plantillas = [&c](int, const EstadoPrograma& e) {
        ResultadoPlantillas r;
        r.CodigoElegido = "M";
        r.TurnoElegido = "Mat\xED";
        r.TextoIdioma = e.TextoIdioma;
        r.Lineas = c.lineasDialogo.value_or(std::vector<std::string>{" 1 de 08:00 a 08:55", " 2 de 08:55 a 09:50"});
        return r;
    };

    EXPECT_EQ(EjecutarConversion(estado, ui), c.fin);
    EXPECT_EQ(ui.mensajes, c.mensajes);
    EXPECT_EQ(ui.errores.size(), c.errores);
    EXPECT_EQ(ui.modosPlantillas.size(), c.dialogos);
    EXPECT_EQ(estado.ResultadoProceso, c.resultado);
    EXPECT_EQ(estado.BotonesHabilitados, c.botones);
    EXPECT_EQ(ui.cierres, c.cierres);
    // Nunca queda puesto el cursor de espera.
    EXPECT_FALSE(ui.cursorOcupado);
    // La siguiente ejecución encuentra las tres listas vacías.
    EXPECT_EQ(estado.ListaCodigos.Cuenta(), 0u);
    EXPECT_EQ(estado.ListaNombres.Cuenta(), 0u);
    EXPECT_EQ(estado.ListaClavesITACA.Cuenta(), 0u);
    // Rechazo o fallo: ninguna tabla escrita.
    if (c.fin != FinEjecucion::Finalizada) {
        EXPECT_TRUE(std::filesystem::is_empty(tablas));
    }
}

INSTANTIATE_TEST_SUITE_P(Casos, EjecucionConversionPrueba, ::testing::ValuesIn(Casos),
                         [](const auto& caso) { return std::string(caso.param.nombre); });

class EjecucionConversionEstado : public ::testing::Test {
protected:
    void SetUp() override
    {
        estado.CarpetaTablas = carpeta / "ktemp";
        std::filesystem::create_directories(estado.CarpetaTablas);
        fichero = carpeta / "centro.xml";
        std::ofstream(fichero, std::ios::binary) << ConPlantillas;
    }
    CarpetaTemporal temporal;
    std::filesystem::path carpeta = temporal.Ruta(), fichero;
    EstadoPrograma estado;
    InteraccionGuionada ui;
};

TEST_F(EjecucionConversionEstado, ResultadosDelDialogoPasanAlEstado)
{
    ui.fichero = fichero;
    ui.resultadoPlantillas.CodigoElegido = "T";
    ui.resultadoPlantillas.TurnoElegido = "Vesprada";
    ui.resultadoPlantillas.TextoIdioma = TextoCastellano;
    ui.resultadoPlantillas.Lineas = {" 1 de 15:00 a 15:55"};
    estado.PlantillaElegida = "vieja";

    ASSERT_EQ(EjecutarConversion(estado, ui), FinEjecucion::Finalizada);
    EXPECT_EQ(ui.modosPlantillas, std::vector<int>{0});
    EXPECT_EQ(estado.FicheroXML, fichero);
    EXPECT_EQ(estado.NumPlantillas, 2);
    EXPECT_EQ(estado.PlantillaElegida, "T");
    EXPECT_EQ(estado.TurnoPlantilla, "Vesprada");
    EXPECT_EQ(estado.TextoIdioma, TextoCastellano);
    EXPECT_EQ(estado.ListBoxPlanti, std::vector<std::string>{" 1 de 15:00 a 15:55"});
}

TEST_F(EjecucionConversionEstado, SinPlantillasSeConservaLoAnterior)
{
    std::ofstream(fichero, std::ios::binary | std::ios::trunc) << SinPlantillas;
    ui.fichero = fichero;
    estado.PlantillaElegida = "M";
    estado.TurnoPlantilla = "Mat\xED";
    estado.TextoIdioma = TextoCastellano;

    ASSERT_EQ(EjecutarConversion(estado, ui), FinEjecucion::Finalizada);
    EXPECT_TRUE(ui.modosPlantillas.empty());
    EXPECT_EQ(estado.NumPlantillas, 0);
    EXPECT_EQ(estado.PlantillaElegida, "M");
    EXPECT_EQ(estado.TurnoPlantilla, "Mat\xED");
    EXPECT_EQ(estado.TextoIdioma, TextoCastellano);
}

TEST_F(EjecucionConversionEstado, CancelarUsaElFicheroElegidoAntes)
{
    estado.FicheroXML = fichero;   // elegido en una ejecución anterior
    ui.fichero = std::nullopt;
    EXPECT_EQ(EjecutarConversion(estado, ui), FinEjecucion::Finalizada);
    EXPECT_EQ(estado.FicheroXML, fichero);
}

TEST_F(EjecucionConversionEstado, TrasUnFalloSePuedeRepetir)
{
    ui.fichero = fichero;
    ui.resultadoPlantillas.CodigoElegido = "M";
    ui.resultadoPlantillas.Lineas = {"xx de 08:00 a 08:55"};
    ASSERT_EQ(EjecutarConversion(estado, ui), FinEjecucion::Fallida);

    ui.resultadoPlantillas.Lineas = {" 1 de 08:00 a 08:55"};
    EXPECT_EQ(EjecutarConversion(estado, ui), FinEjecucion::Finalizada);
    EXPECT_EQ(estado.ResultadoProceso, 1);
    EXPECT_EQ(ui.errores.size(), 1u);
}

} // namespace
} // namespace molvaren::pruebas
