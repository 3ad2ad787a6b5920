#include "common/Codificacion.h"
#include "common/DocumentoItaca.h"
#include "common/ErrorMolvaren.h"
#include "test_documento_itaca_ayudas.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace molvaren;
namespace fs = std::filesystem;
using namespace prueba_documento;

namespace {

const char* const kSecreto = "SECRETO-NO-DEBE-SALIR";

std::string MensajeAlCargar(const fs::path& fichero)
{
    try {
        DocumentoItaca::Cargar(fichero);
    } catch (const ErrorMolvaren& e) {
        return e.what();
    }
    return "(sin error)";
}

std::vector<std::string> Valores(const DocumentoItaca& doc, const char* ruta, const char* atributo)
{
    std::vector<std::string> v;
    for (const ElementoItaca& e : doc.Seleccionar(ruta))
        v.push_back(e.Atributo(atributo));
    return v;
}

// Lo que escribiría la exportación, con texto acentuado, un euro (que
// Latin-1 no tiene) y caracteres que hay que escapar.
std::vector<SeccionNueva> SeccionesDePrueba()
{
    ElementoNuevo g{"horario_grupo",
                    {{"plantilla", "M1"}, {"dia_semana", "L"}, {"grupo", "1\xBA" "A"}, {"curso", "2024"},
                     {"contenido", "Val\xE8ncia & <M\xFAsica> \"1\xAA\""}, {"docente", "012345678Z"},
                     {"aula", "Aula \x80 \xD1"}, {"idioma", ""}}};
    ElementoNuevo o{"horario_ocupacion", {{"plantilla", "M1"}, {"docente", "012345678Z"}, {"ocupacion", "3249454"}}};
    return {SeccionNueva{"horarios_grupo", {g, g}}, SeccionNueva{"horarios_ocupaciones", {o}}};
}

const std::vector<std::pair<std::string, std::string>> kRaizNueva = {
    {"codigo", "46000001"},
    {"denominacion", "IES L'Alc\xFA" "dia"},
    {"curso", "2025"},
    {"fecha_exportacion", "01/02/2025 10:11:12"},
    {"version", "1.0"},
};

// ---------------------------------------------------------------------------

struct CasoCodificacion {
    const char* fichero;
    const char* declaracion;      // principio exacto del fichero guardado ("" = sin declaración)
    std::string alcudiaEnBytes;   // "Alcúdia" tal como debe quedar en bytes
    std::string euroEnBytes;      // el euro del aula
};

class DocumentoPorCodificacion : public testing::TestWithParam<CasoCodificacion> {};

TEST_P(DocumentoPorCodificacion, CargaGuardaYRecargaElTextoAcentuado)
{
    const CasoCodificacion& caso = GetParam();
    const DocumentoItaca doc = DocumentoItaca::Cargar(kDatos / caso.fichero);

    EXPECT_EQ(Valores(doc, "/centro/docentes/docente", "nombre"), (std::vector<std::string>{"\xC0ngels", "Ferran"}));
    EXPECT_EQ(Valores(doc, "/centro/docentes/docente", "apellido1"),
              (std::vector<std::string>{"Mu\xF1oz", "P\xE9rez"}));
    EXPECT_EQ(Valores(doc, "/centro/aulas/aula", "nombre"),
              (std::vector<std::string>{"Aula de M\xFAsica", "Laboratori de F\xEDsica i Qu\xEDmica"}));
    const auto raiz = doc.Seleccionar("/centro");
    ASSERT_EQ(raiz.size(), 1u);
    EXPECT_EQ(raiz[0].Atributo("denominacion"), " IES L'Alc\xFA" "dia ");
    EXPECT_EQ(LeerAtributo(raiz[0], "denominacion"), "IES L'Alc\xFA" "dia");

    CarpetaTemporal carpeta;
    const fs::path salida = carpeta / "ResultadoHoravex.xml";
    GuardarDocumentoItaca(doc, kRaizNueva, SeccionesDePrueba(), salida);

    const std::string bytes = LeerFichero(salida);
    EXPECT_EQ(bytes.rfind(caso.declaracion, 0), 0u) << bytes;
    EXPECT_NE(bytes.find(caso.alcudiaEnBytes), std::string::npos) << bytes;
    EXPECT_NE(bytes.find(caso.euroEnBytes), std::string::npos) << bytes;
    EXPECT_EQ(bytes.find("docente documento"), std::string::npos) << "las secciones viejas no se copian";

    const DocumentoItaca otra = DocumentoItaca::Cargar(salida);
    const auto raiz2 = otra.Seleccionar("/centro");
    ASSERT_EQ(raiz2.size(), 1u);
    EXPECT_EQ(raiz2[0].Atributo("denominacion"), "IES L'Alc\xFA" "dia");
    EXPECT_EQ(raiz2[0].Atributo("curso"), "2025");
    EXPECT_EQ(Valores(otra, "/centro/horarios_grupo/horario_grupo", "contenido"),
              (std::vector<std::string>(2, "Val\xE8ncia & <M\xFAsica> \"1\xAA\"")));
    EXPECT_EQ(Valores(otra, "/centro/horarios_grupo/horario_grupo", "aula"),
              (std::vector<std::string>(2, "Aula \x80 \xD1")));
    EXPECT_EQ(Valores(otra, "/centro/horarios_grupo/horario_grupo", "grupo"),
              (std::vector<std::string>(2, "1\xBA" "A")));
    EXPECT_EQ(Valores(otra, "/centro/horarios_ocupaciones/horario_ocupacion", "ocupacion"),
              (std::vector<std::string>{"3249454"}));
    EXPECT_TRUE(otra.Seleccionar("/centro/docentes/docente").empty());
}

INSTANTIATE_TEST_SUITE_P(
    Codificaciones, DocumentoPorCodificacion,
    testing::Values(
        // Latin-1: bytes de un solo octeto, y el euro como referencia de carácter.
        CasoCodificacion{"iso88591.xml", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>", "Alc\xFA" "dia",
                         "Aula &#8364;"},
        CasoCodificacion{"utf8.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>",
                         "Alc\xC3\xBA" "dia", "Aula \xE2\x82\xAC"},
        CasoCodificacion{"sin_declaracion.xml", "<!-- Exportaci\xC3\xB3n", "Alc\xC3\xBA" "dia",
                         "Aula \xE2\x82\xAC"}),
    [](const testing::TestParamInfo<CasoCodificacion>& i) {
        const std::string f = i.param.fichero;
        return f.substr(0, f.find('.'));
    });

// ---------------------------------------------------------------------------

TEST(DocumentoItaca, GuardaLoDeFueraDeLaRaizEnSuOrdenYLosAtributosEnOrden)
{
    const DocumentoItaca doc = DocumentoItaca::Cargar(kDatos / "utf8.xml");
    CarpetaTemporal carpeta;
    const fs::path salida = carpeta / "r.xml";
    GuardarDocumentoItaca(doc, kRaizNueva, {{"horarios_grupo", {}}, {"horarios_ocupaciones", {}}}, salida);

    const std::string esperado =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<!-- Exportaci\xC3\xB3n de prueba: Col\xC2\xB7legi -->\n"
        "<?itaca-tool origen=\"prueba\" versi\xC3\xB3n=\"2\"?>\n"
        "<centro codigo=\"46000001\" denominacion=\"IES L'Alc\xC3\xBA" "dia\" curso=\"2025\" "
        "fecha_exportacion=\"01/02/2025 10:11:12\" version=\"1.0\">"
        "<horarios_grupo/><horarios_ocupaciones/></centro>\n"
        "<!-- despu\xC3\xA9s de la ra\xC3\xADz -->\n"
        "<?fin datos?>\n";
    EXPECT_EQ(LeerFichero(salida), esperado);
}

TEST(DocumentoItaca, ElementosSinEspaciosYAtributosEnElOrdenDado)
{
    const DocumentoItaca doc = DocumentoItaca::Cargar(kDatos / "sin_declaracion.xml");
    CarpetaTemporal carpeta;
    const fs::path salida = carpeta / "r.xml";
    ElementoNuevo e{"horario_ocupacion", {{"z", "1"}, {"a", "2"}, {"m", "\t\n"}}};
    GuardarDocumentoItaca(doc, {{"version", "1.0"}, {"codigo", "x"}},
                          {{"horarios_grupo", {}}, {"horarios_ocupaciones", {e, e}}}, salida);
    const std::string bytes = LeerFichero(salida);
    EXPECT_NE(bytes.find("<centro version=\"1.0\" codigo=\"x\"><horarios_grupo/><horarios_ocupaciones>"
                         "<horario_ocupacion z=\"1\" a=\"2\" m=\"&#9;&#10;\"/>"
                         "<horario_ocupacion z=\"1\" a=\"2\" m=\"&#9;&#10;\"/>"
                         "</horarios_ocupaciones></centro>"),
              std::string::npos)
        << bytes;
}

// Un carácter de control que XML no admite no puede dejar un fichero que
// luego no se pueda leer.
TEST(DocumentoItaca, ControlesNoAdmitidosPorXmlSalenComoInterrogacion)
{
    const DocumentoItaca doc = DocumentoItaca::Cargar(kDatos / "utf8.xml");
    CarpetaTemporal carpeta;
    const fs::path salida = carpeta / "r.xml";
    GuardarDocumentoItaca(doc, {{"codigo", std::string("a\x01" "b\x1F", 4)}},
                          {{"horarios_grupo", {}}, {"horarios_ocupaciones", {}}}, salida);
    const DocumentoItaca otra = DocumentoItaca::Cargar(salida);
    EXPECT_EQ(otra.Seleccionar("/centro")[0].Atributo("codigo"), "a?b?");
}

// ---------------------------------------------------------------------------

TEST(DocumentoItaca, SeleccionaSoloLasRutasExactasEnOrdenDeDocumento)
{
    const DocumentoItaca doc = DocumentoItaca::Cargar(kDatos / "estructura.xml");
    // Las dos secciones docentes cuentan; el anidado, el de otra sección, el
    // suelto y el de "Docentes" no.
    EXPECT_EQ(Valores(doc, "/centro/docentes/docente", "documento"),
              (std::vector<std::string>{"  012345678Z ", "2", "3", "4"}));
    EXPECT_EQ(doc.Seleccionar("/centro/plantillas_horario/plantilla_horario").size(), 1u);
    EXPECT_TRUE(doc.Seleccionar("/centro/aulas/aula").empty());              // sección vacía
    EXPECT_TRUE(doc.Seleccionar("/centro/contenidos/contenido").empty());    // sección que falta
    EXPECT_TRUE(doc.Seleccionar("/centro/otros/docente").empty());           // ruta fuera del catálogo
    EXPECT_TRUE(doc.Seleccionar("/centro/docentes").empty());
    EXPECT_TRUE(doc.Seleccionar("/centro/docentes/docente/").empty());
    EXPECT_EQ(doc.Seleccionar("/centro").size(), 1u);
}

TEST(DocumentoItaca, LecturaDeAtributos)
{
    const DocumentoItaca doc = DocumentoItaca::Cargar(kDatos / "estructura.xml");
    const auto docentes = doc.Seleccionar("/centro/docentes/docente");
    ASSERT_EQ(docentes.size(), 4u);
    const auto plantilla = doc.Seleccionar("/centro/plantillas_horario/plantilla_horario").at(0);
    const auto grupo = doc.Seleccionar("/centro/grupos/grupo").at(0);

    const struct {
        const ElementoItaca* elemento;
        const char* atributo;
        std::string crudo, leido, plantilla;
        bool tiene;
    } casos[] = {
        {&docentes[0], "documento", "  012345678Z ", "012345678Z", "012345678Z", true},
        {&docentes[0], "nombre", "\tTab ", "\tTab", "Tab", true},          // el tabulador se queda
        {&docentes[0], "apellido2", "", "", "", false},                   // falta: vacío
        {&docentes[2], "nombre", "", "", "", false},                       // sólo con prefijo: es otro
        {&plantilla, "codigo", "\tM1\n", "\tM1\n", "M1", true},
        {&plantilla, "descripcion_cas", "Ma\xF1" "ana", "Ma\xF1" "ana", "Ma\xF1" "ana", true},
        {&grupo, "nombre", "1r & 2n <ESO> \"A\"", "1r & 2n <ESO> \"A\"", "1r & 2n <ESO> \"A\"", true},
        {&docentes[3], "nombre", "segunda secci\xF3n", "segunda secci\xF3n", "segunda secci\xF3n", true},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(c.elemento->Atributo(c.atributo), c.crudo) << c.atributo;
        EXPECT_EQ(LeerAtributo(*c.elemento, c.atributo), c.leido) << c.atributo;
        EXPECT_EQ(LeerAtributoPlantilla(*c.elemento, c.atributo), c.plantilla) << c.atributo;
        EXPECT_EQ(c.elemento->TieneAtributo(c.atributo), c.tiene) << c.atributo;
    }
}

TEST(DocumentoItaca, ElDocumentoMovidoConservaSusElementos)
{
    DocumentoItaca doc = DocumentoItaca::Cargar(kDatos / "utf8.xml");
    const auto aulas = doc.Seleccionar("/centro/aulas/aula");
    DocumentoItaca otro = std::move(doc);
    ASSERT_EQ(aulas.size(), 2u);
    EXPECT_EQ(aulas[1].Atributo("codigo"), "LAB");
    EXPECT_TRUE(doc.Seleccionar("/centro").empty());   // NOLINT: el movido queda vacío y no rompe
    EXPECT_EQ(otro.Fichero(), kDatos / "utf8.xml");
}

// ---------------------------------------------------------------------------
// Rechazos y carga segura.

struct CasoRechazo {
    const char* fichero;
    std::vector<std::string> textos;   // partes que el mensaje debe llevar
};

class DocumentoRechazado : public testing::TestWithParam<CasoRechazo> {};

TEST_P(DocumentoRechazado, ConMensajeClaro)
{
    const fs::path fichero = kDatos / GetParam().fichero;
    const std::string mensaje = MensajeAlCargar(fichero);
    EXPECT_NE(mensaje.find(fichero.filename().string()), std::string::npos) << mensaje;
    for (const std::string& t : GetParam().textos)
        EXPECT_NE(mensaje.find(t), std::string::npos) << mensaje;
    EXPECT_EQ(mensaje.find(kSecreto), std::string::npos) << mensaje;
    EXPECT_EQ(mensaje.find('\n'), std::string::npos) << mensaje;
}

INSTANTIATE_TEST_SUITE_P(
    Ficheros, DocumentoRechazado,
    testing::Values(
        CasoRechazo{"roto_al_final.xml", {"no es un documento XML válido", "(línea 1005: "}},
        // Bytes de Latin-1 en un fichero que se dice UTF-8.
        CasoRechazo{"latin1_declarado_utf8.xml", {"no es un documento XML válido", "(línea 3: "}},
        CasoRechazo{"raiz_otra.xml", {"no es un documento de ITACA: su raíz es «escuela», no «centro»"}},
        CasoRechazo{"vacio.xml", {"no es un documento XML válido", "(línea "}},
        // Una entidad externa en un atributo ya es un error de formato.
        CasoRechazo{"entidad_externa_atributo.xml", {"no es un documento XML válido", "(línea 5: "}},
        // La entidad vendría de una DTD externa que no se lee: no hay valor que dar.
        CasoRechazo{"entidad_de_dtd_externa.xml", {"no es un documento XML válido", "(línea 8: "}},
        CasoRechazo{"no_existe.xml", {"No existe el fichero"}}));

TEST(DocumentoItaca, UnaEntidadExternaEnElTextoNoLeeElFicheroLocal)
{
    // También con la ruta absoluta file:///, no sólo relativa.
    // Si se llegara a leer, su contenido roto haría fallar la carga entera:
    // así se nota la lectura aunque el texto de los elementos no se guarde.
    CarpetaTemporal carpeta;
    EscribirFichero(carpeta / "secreto.txt", std::string(kSecreto) + " <roto & mal>");
    const std::string uri = "file://" + (carpeta / "secreto.txt").generic_string();
    const fs::path xml = carpeta / "entidad.xml";
    EscribirFichero(xml, "<?xml version=\"1.0\"?>\n<!DOCTYPE centro [<!ENTITY x SYSTEM \"" + uri
                           + "\">]>\n<centro codigo=\"1\"><docentes><docente documento=\"1\">&x;</docente>"
                             "<docente documento=\"2\">&x;</docente></docentes>&x;</centro>");

    for (const fs::path& f : {xml, kDatos / "entidad_externa_texto.xml", kDatos / "dtd_externa.xml"}) {
        const DocumentoItaca doc = DocumentoItaca::Cargar(f);
        // dtd_externa.xml da a "nombre" un valor por defecto en la DTD externa.
        const auto docentes = doc.Seleccionar("/centro/docentes/docente");
        EXPECT_EQ(docentes.size(), 2u) << f;
        for (const ElementoItaca& e : docentes)
            for (const char* a : {"documento", "nombre", "apellido1"})
                EXPECT_EQ(e.Atributo(a).find(kSecreto), std::string::npos) << f;
        // Ni al guardarlo: lo de fuera de la raíz no incluye la DTD.
        const fs::path salida = carpeta / "salida.xml";
        GuardarDocumentoItaca(doc, {}, {{"horarios_grupo", {}}, {"horarios_ocupaciones", {}}}, salida);
        EXPECT_EQ(LeerFichero(salida).find(kSecreto), std::string::npos) << f;
        EXPECT_EQ(LeerFichero(salida).find("secreto"), std::string::npos) << f;
    }
}

// Mil millones de risas en un atributo: libxml2 debe cortarlo, no nosotros
// quedarnos sin memoria expandiéndolo.
TEST(DocumentoItaca, EntidadesExponencialesSeRechazan)
{
    CarpetaTemporal carpeta;
    std::string dtd = "<!ENTITY l0 \"jajajajaja\">";
    for (int i = 1; i <= 9; ++i)
        dtd += "<!ENTITY l" + std::to_string(i) + " \"" + [&] {
            std::string s;
            for (int k = 0; k < 10; ++k)
                s += "&l" + std::to_string(i - 1) + ";";
            return s;
        }() + "\">";
    const fs::path xml = carpeta / "risas.xml";
    EscribirFichero(xml, "<?xml version=\"1.0\"?><!DOCTYPE centro [" + dtd + "]><centro codigo=\"&l9;\"/>");
    EXPECT_THROW(DocumentoItaca::Cargar(xml), ErrorMolvaren);
}

TEST(DocumentoItaca, EntidadInternaEnAtributoSeSustituye)
{
    CarpetaTemporal carpeta;
    const fs::path xml = carpeta / "interna.xml";
    EscribirFichero(xml, "<?xml version=\"1.0\"?><!DOCTYPE centro [<!ENTITY e \"Val&#232;ncia\"><!ENTITY f \"&e; &amp; Alacant\">]>"
                       "<centro codigo=\"[&f;]\"/>");
    const DocumentoItaca doc = DocumentoItaca::Cargar(xml);
    EXPECT_EQ(doc.Seleccionar("/centro").at(0).Atributo("codigo"), "[Val\xE8ncia & Alacant]");
}

// ---------------------------------------------------------------------------
// Guardado atómico.

TEST(DocumentoItaca, GuardarEnCarpetaQueNoExisteDaErrorClaro)
{
    const DocumentoItaca doc = DocumentoItaca::Cargar(kDatos / "utf8.xml");
    CarpetaTemporal carpeta;
    try {
        GuardarDocumentoItaca(doc, kRaizNueva, SeccionesDePrueba(), carpeta / "no" / "r.xml");
        FAIL() << "debía fallar";
    } catch (const ErrorMolvaren& e) {
        EXPECT_NE(std::string(e.what()).find("No se puede escribir el fichero"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("no existe"), std::string::npos) << e.what();
    }
}

TEST(DocumentoItaca, UnFalloAlGuardarDejaIntactoElFicheroAnterior)
{
    const DocumentoItaca doc = DocumentoItaca::Cargar(kDatos / "utf8.xml");
    CarpetaTemporal carpeta;
    const fs::path salida = carpeta / "ResultadoHoravexutf8.xml";
    EscribirFichero(salida, "contenido anterior");

    // Un nombre de elemento no válido falla después de crear el temporal.
    ElementoNuevo malo{"no valido", {}};
    EXPECT_THROW(GuardarDocumentoItaca(doc, kRaizNueva, {{"horarios_grupo", {malo}}}, salida), ErrorMolvaren);
    EXPECT_EQ(LeerFichero(salida), "contenido anterior");

    // El destino es una carpeta.
    fs::create_directory(carpeta / "dir.xml");
    EXPECT_THROW(GuardarDocumentoItaca(doc, kRaizNueva, SeccionesDePrueba(), carpeta / "dir.xml"), ErrorMolvaren);

    // Ningún temporal se queda en la carpeta.
    EXPECT_EQ(carpeta.NumeroDeEntradas(), 2u);

    // Y un guardado bueno lo sustituye.
    GuardarDocumentoItaca(doc, kRaizNueva, SeccionesDePrueba(), salida);
    EXPECT_NE(LeerFichero(salida).find("<horarios_grupo>"), std::string::npos);
}

} // namespace

namespace {

// UTF-16 declarado: lo que se guarda ha de poder leerse otra vez igual.
TEST(DocumentoItaca, Utf16VaYVuelve)
{
    CarpetaTemporal carpeta;
    const std::string utf8 = "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<!-- \xC3\xA9 -->\n"
                             "<centro codigo=\"\xC3\x80\" denominacion=\"x\" curso=\"1\" version=\"1.0\"/>\n";
    std::string utf16 = "\xFF\xFE";   // marca de orden, little endian
    for (unsigned char c : DeCp1252ACodificacion(Utf8ACp1252(utf8), "UTF-16LE"))
        utf16 += static_cast<char>(c);
    const fs::path xml = carpeta / "u16.xml";
    EscribirFichero(xml, utf16);
    const DocumentoItaca doc = DocumentoItaca::Cargar(xml);
    EXPECT_EQ(doc.Seleccionar("/centro").at(0).Atributo("codigo"), "\xC0");

    const fs::path salida = carpeta / "r.xml";
    GuardarDocumentoItaca(doc, {{"codigo", "\xC0\x80"}}, {{"horarios_grupo", {}}, {"horarios_ocupaciones", {}}},
                          salida);
    const std::string bytes = LeerFichero(salida);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xFE<\0", 4));
    const DocumentoItaca otra = DocumentoItaca::Cargar(salida);
    EXPECT_EQ(otra.Seleccionar("/centro").at(0).Atributo("codigo"), "\xC0\x80");
}

} // namespace
