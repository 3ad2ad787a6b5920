#include "common/DocumentoItaca.h"
#include "common/ErrorMolvaren.h"
#include "test_documento_itaca_ayudas.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace molvaren;
using namespace prueba_documento;

namespace {

std::vector<SeccionNueva> MuchasSesiones()
{
    ElementoNuevo g{"horario_grupo", {{"plantilla", "M1"}, {"grupo", "1ESOA"}, {"aula", "Aula de m\xFAsica"}}};
    return {SeccionNueva{"horarios_grupo", std::vector<ElementoNuevo>(200, g)}, SeccionNueva{"horarios_ocupaciones", {}}};
}

// Disco lleno a mitad de escritura: con RLIMIT_FSIZE falla también como
// root. El fichero anterior debe quedar como estaba y sin temporales.
TEST(DocumentoItacaPosix, DiscoLlenoDejaIntactoElFicheroAnterior)
{
    const DocumentoItaca doc = DocumentoItaca::Cargar(kDatos / "utf8.xml");
    CarpetaTemporal carpeta;
    const fs::path salida = carpeta / "ResultadoHoravexutf8.xml";
    EscribirFichero(salida, "contenido anterior");

    rlimit antes{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &antes), 0);
    auto senalAntes = std::signal(SIGXFSZ, SIG_IGN);
    rlimit corto = antes;
    corto.rlim_cur = 512;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &corto), 0);
    bool lanzo = false;
    std::string mensaje;
    try {
        GuardarDocumentoItaca(doc, {{"codigo", "1"}}, MuchasSesiones(), salida);
    } catch (const ErrorMolvaren& e) {
        lanzo = true;
        mensaje = e.what();
    }
    setrlimit(RLIMIT_FSIZE, &antes);
    std::signal(SIGXFSZ, senalAntes);

    EXPECT_TRUE(lanzo);
    EXPECT_NE(mensaje.find("No se ha podido escribir el fichero"), std::string::npos) << mensaje;
    EXPECT_EQ(LeerFichero(salida), "contenido anterior");
    EXPECT_EQ(carpeta.NumeroDeEntradas(), 1u);
}

TEST(DocumentoItacaPosix, CarpetaDeSoloLecturaDaErrorYNoTocaNada)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root escribe aunque la carpeta sea de sólo lectura";
    const DocumentoItaca doc = DocumentoItaca::Cargar(kDatos / "utf8.xml");
    CarpetaTemporal carpeta;
    const fs::path salida = carpeta / "r.xml";
    EscribirFichero(salida, "contenido anterior");
    fs::permissions(carpeta.Ruta(), fs::perms::owner_read | fs::perms::owner_exec, fs::perm_options::replace);
    EXPECT_THROW(GuardarDocumentoItaca(doc, {}, MuchasSesiones(), salida), ErrorMolvaren);
    fs::permissions(carpeta.Ruta(), fs::perms::owner_all, fs::perm_options::replace);
    EXPECT_EQ(LeerFichero(salida), "contenido anterior");
    EXPECT_EQ(carpeta.NumeroDeEntradas(), 1u);
}

} // namespace
