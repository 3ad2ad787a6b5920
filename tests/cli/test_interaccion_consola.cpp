// Las dos preguntas de la conversión se reconocen por su texto, llegue en el
// orden que llegue; una pregunta que no se conoce para la ejecución.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "cli/InteraccionConsola.h"
#include "common/ErrorMolvaren.h"

namespace molvaren::pruebas {
namespace {

// Los casos se nombran por su nombre en los mensajes y en la lista de ctest.
template <class Caso>
    requires requires(const Caso& c) { c.nombre; }
void PrintTo(const Caso& c, std::ostream* os)
{
    *os << c.nombre;
}

const std::string Importante = std::string(23, ' ') + "!!! I M P O R T A N T E !!!" + std::string(25, ' ');

const std::string VariasPlantillas =
    Importante + "\r\n" + "Se han encontrado Datos que pueden pertenecer a varias Plantillas Horarias.\r\n" +
    "RECOMENDAMOS IMPORTAR SOLAMENTE LOS DATOS PERTENECIENTES A UNA SOLA PLANTILLA.\r\n" +
    "Si quiere Importar los Datos de todas las Plantillas Pulse el Botón \"Sí\".\r\n" +
    "Para Importar solo los Datos de la Plantilla seleccionada,Pulse el Botón \"No\".\r\n" +
    "(Recomendamos Pulsar \"No\", y trabajar solo con datos de una Plantilla.)";

const std::string SinClases =
    Importante + "\r\n" + "Existen Grupos de Clase y Profesores que NO tienen Clases en esta Plantilla.\r\n" +
    "Tanto, QUITAR como DEJAR estos Grupos y Profesores, No afectará al Horario.\r\n" +
    "¿Quieren quitar dichos Grupos y Profesores, del Horario que se va a Importar?.";

struct CasoPreguntas {
    const char* nombre;
    bool todasPlantillas;
    bool quitarSinClases;
};

class PreguntasDeLaConsola : public ::testing::TestWithParam<CasoPreguntas> {};

TEST_P(PreguntasDeLaConsola, RespuestaSegunLasOpciones)
{
    const CasoPreguntas& c = GetParam();
    cli::InteraccionConsola ui("x.xml", std::nullopt, c.todasPlantillas, c.quitarSinClases);
    // En orden inverso al de los pasos: se reconocen por el texto.
    EXPECT_EQ(ui.Pregunta(SinClases), c.quitarSinClases);
    EXPECT_EQ(ui.Pregunta(VariasPlantillas), c.todasPlantillas);
    ASSERT_EQ(ui.Respuestas().size(), 2u);
    EXPECT_EQ(ui.Respuestas()[1].second, c.todasPlantillas ? "Sí" : "No");
}

INSTANTIATE_TEST_SUITE_P(Cli, PreguntasDeLaConsola,
                         ::testing::Values(CasoPreguntas{"PorOmision", false, true},
                                           CasoPreguntas{"TodasPlantillas", true, true},
                                           CasoPreguntas{"DejarSinClases", false, false},
                                           CasoPreguntas{"LasDos", true, false}),
                         [](const ::testing::TestParamInfo<CasoPreguntas>& i) { return std::string(i.param.nombre); });

TEST(PreguntaDesconocida, ParaLaEjecucion)
{
    cli::InteraccionConsola ui("x.xml", std::nullopt, true, true);
    EXPECT_THROW(ui.Pregunta("¿Borrar todas las tablas?"), ErrorMolvaren);
}

} // namespace
} // namespace molvaren::pruebas
