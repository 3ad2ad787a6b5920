// Carpeta de tablas: todo o nada al confirmar, uso exclusivo, re-creación con
// borrado del .MDX viejo.
#include <gtest/gtest.h>

#include <map>

#include "common/BaseTablas.h"
#include "common/ErrorMolvaren.h"
#include "common/FicheroDbf.h"
#include "test_tabla_ayudas.h"

namespace molvaren {
namespace {

using prueba::CarpetaTemporal;
using prueba::Ficheros;
using prueba::LeerFichero;

void EsperarError(const std::function<void()>& accion, const std::vector<std::string>& trozos)
{
    try {
        accion();
        ADD_FAILURE() << "se esperaba ErrorMolvaren";
    } catch (const ErrorMolvaren& e) {
        for (const auto& t : trozos)
            EXPECT_NE(std::string(e.what()).find(t), std::string::npos) << e.what() << " / falta: " << t;
    }
}

// Tablas PROFT y AULAT con una fila cada una, escritas por el propio motor.
void PrepararTablas(const std::filesystem::path& carpeta)
{
    BaseTablas base(carpeta);
    Tabla& p = base.Recrear("PROFT");
    p.Anadir();
    p.PonerTexto("ABREV", "JGP");
    p.PonerTexto("DNI", "012345678Z");
    p.Grabar();
    Tabla& a = base.Recrear("AULAT");
    a.Anadir();
    a.PonerTexto("ABREV", "A1");
    a.Grabar();
    base.Confirmar();
}

std::map<std::string, std::string> Foto(const std::filesystem::path& carpeta)
{
    std::map<std::string, std::string> r;
    for (const auto& n : Ficheros(carpeta))
        r[n] = LeerFichero(carpeta / n);
    return r;
}

TEST(BaseTablas, CarpetaQueNoExisteDaErrorQueLaNombra)
{
    CarpetaTemporal dir;
    const auto falta = dir / "KTEMP";
    EsperarError([&] { BaseTablas b(falta); }, {"No existe la carpeta de tablas", RutaParaMensaje(falta)});
}

TEST(BaseTablas, AbrirTablaQueNoExisteNombraElFichero)
{
    CarpetaTemporal dir;
    BaseTablas base(dir.Ruta());
    EXPECT_FALSE(base.Existe("SOLUC"));
    EsperarError([&] { base.Abrir("SOLUC"); }, {"SOLUC", RutaParaMensaje(dir / "SOLUC.DBF")});
}

TEST(BaseTablas, RecrearSinFicherosCreaLaTablaVacia)
{
    CarpetaTemporal dir;
    {
        BaseTablas base(dir.Ruta());
        base.Recrear("CURSOST");
        base.Confirmar();
        EXPECT_EQ(base.NombresAbiertos(), std::vector<std::string>{"CURSOST"});
    }
    EXPECT_EQ(Ficheros(dir.Ruta()), std::vector<std::string>{"CURSOST.DBF"});
    EXPECT_EQ(LeerDbf(dir / "CURSOST.DBF", "CURSOST").NumFilas(), 0u);
}

TEST(BaseTablas, RecrearBorraElMdxViejoSoloAlConfirmar)
{
    CarpetaTemporal dir;
    PrepararTablas(dir.Ruta());
    prueba::EscribirFichero(dir / "PROFT.MDX", "indice viejo");
    prueba::EscribirFichero(dir / "aulat.mdx", "otro indice");
    const auto antes = Foto(dir.Ruta());
    {
        BaseTablas base(dir.Ruta());
        Tabla& p = base.Recrear("PROFT");
        EXPECT_EQ(p.NumFilas(), 0u);
        base.Recrear("aulat");
        EXPECT_EQ(Foto(dir.Ruta()), antes);
        base.Confirmar();
    }
    EXPECT_EQ(Ficheros(dir.Ruta()), (std::vector<std::string>{"AULAT.DBF", "PROFT.DBF"}));
    EXPECT_EQ(LeerDbf(dir / "PROFT.DBF", "PROFT").NumFilas(), 0u);
}

TEST(BaseTablas, SinConfirmarNadaCambiaEnDisco)
{
    CarpetaTemporal dir;
    PrepararTablas(dir.Ruta());
    const auto antes = Foto(dir.Ruta());
    try {
        BaseTablas base(dir.Ruta());
        Tabla& p = base.Abrir("PROFT");
        p.Primero();
        p.Editar();
        p.PonerTexto("ABREV", "CAMBIADO");
        p.Grabar();
        Tabla& a = base.Recrear("AULAT");
        a.Anadir();
        a.Grabar();
        base.Recrear("GRUPOST");
        throw ErrorMolvaren("fallo a mitad de la conversi\xC3\xB3n");
    } catch (const ErrorMolvaren&) {
    }
    EXPECT_EQ(Foto(dir.Ruta()), antes);
}

TEST(BaseTablas, FalloAlEscribirUnaTablaNoTocaNinguna)
{
    CarpetaTemporal dir;
    PrepararTablas(dir.Ruta());
    // Tabla de otro programa con un nombre de campo de 32 letras: se lee,
    // pero el nivel 7 no puede escribirlo.
    {
        std::string b(68, '\0');
        b[0] = 0x04;
        std::string d(48, '\0');
        d.replace(0, 32, std::string(32, 'X'));
        d[32] = 'C';
        d[33] = 2;
        b += d + "\x0D";
        b[8] = static_cast<char>(b.size());
        b[10] = 3;
        prueba::EscribirFichero(dir / "SOLUC.DBF", b);
    }
    const auto antes = Foto(dir.Ruta());
    BaseTablas base(dir.Ruta());
    Tabla& p = base.Abrir("PROFT");
    p.Anadir();
    p.PonerTexto("ABREV", "NUEVO");
    p.Grabar();
    Tabla& s = base.Abrir("SOLUC");
    s.Anadir();
    s.Grabar();
    base.Recrear("CURSOST");
    EXPECT_THROW(base.Confirmar(), ErrorMolvaren);
    EXPECT_EQ(Foto(dir.Ruta()), antes);   // ni cambios ni temporales
}

TEST(BaseTablas, ConfirmarEscribeSoloLoTocadoYSePuedeRepetir)
{
    CarpetaTemporal dir;
    PrepararTablas(dir.Ruta());
    const std::string aulaAntes = LeerFichero(dir / "AULAT.DBF");
    BaseTablas base(dir.Ruta());
    (void)base.Abrir("AULAT").NumFilas();
    Tabla& p = base.Abrir("PROFT");
    p.Anadir();
    p.PonerTexto("ABREV", "SEGUNDO");   // sin Grabar: Confirmar lo graba
    base.Confirmar();
    EXPECT_EQ(LeerFichero(dir / "AULAT.DBF"), aulaAntes);
    EXPECT_EQ(LeerDbf(dir / "PROFT.DBF", "PROFT").NumFilas(), 2u);

    p.Primero();
    p.Borrar();
    p.Empaquetar();
    base.Confirmar();
    Tabla r = LeerDbf(dir / "PROFT.DBF", "PROFT");
    ASSERT_EQ(r.NumFilas(), 1u);
    r.Primero();
    EXPECT_EQ(r.LeerTexto("ABREV"), "SEGUNDO");
    EXPECT_EQ(Ficheros(dir.Ruta()), (std::vector<std::string>{"AULAT.DBF", "PROFT.DBF"}));
}

TEST(BaseTablas, AbrirDosVecesDaLaMismaTablaEnMemoria)
{
    CarpetaTemporal dir;
    PrepararTablas(dir.Ruta());
    BaseTablas base(dir.Ruta());
    Tabla& a = base.Abrir("PROFT");
    a.Anadir();
    a.PonerTexto("ABREV", "X");
    a.Grabar();
    EXPECT_EQ(&base.Abrir("PROFT"), &a);
    EXPECT_EQ(base.Abrir("PROFT").NumFilas(), 2u);
    // Recrear la misma tabla la vacía en su sitio.
    EXPECT_EQ(&base.Recrear("PROFT"), &a);
    EXPECT_EQ(a.NumFilas(), 0u);
}

TEST(BaseTablas, NombresDeFicheroSinDistinguirMayusculas)
{
    CarpetaTemporal dir;
    PrepararTablas(dir.Ruta());
    std::filesystem::rename(dir / "PROFT.DBF", dir / "proft.dbf");
    {
        BaseTablas base(dir.Ruta());
        EXPECT_TRUE(base.Existe("PROFT"));
        Tabla& p = base.Abrir("Proft");
        ASSERT_TRUE(p.Localizar("DNI", "012345678Z"));
        EXPECT_EQ(p.LeerTexto("ABREV"), "JGP");
        p.Editar();
        p.PonerTexto("ABREV", "OTRO");
        base.Confirmar();
    }
    // Una tabla abierta y cambiada se reescribe en su mismo fichero...
    EXPECT_EQ(Ficheros(dir.Ruta()), (std::vector<std::string>{"AULAT.DBF", "proft.dbf"}));
    // ...y una recreada queda con el nombre en mayúsculas, sin la vieja.
    {
        BaseTablas base(dir.Ruta());
        base.Recrear("PROFT");
        base.Confirmar();
    }
    EXPECT_EQ(Ficheros(dir.Ruta()), (std::vector<std::string>{"AULAT.DBF", "PROFT.DBF"}));
}

TEST(BaseTablas, TablaEnUsoPorOtroDaErrorQueLaNombra)
{
    CarpetaTemporal dir;
    PrepararTablas(dir.Ruta());
    auto primera = std::make_unique<BaseTablas>(dir.Ruta());
    primera->Abrir("PROFT");
    primera->Recrear("AULAT");
    BaseTablas segunda(dir.Ruta());
    EsperarError([&] { segunda.Abrir("PROFT"); }, {"La tabla PROFT est\xC3\xA1 en uso por otro programa"});
    EsperarError([&] { segunda.Recrear("AULAT"); }, {"AULAT", "en uso"});

    // Tras confirmar, el fichero nuevo sigue en uso exclusivo.
    primera->Confirmar();
    EsperarError([&] { segunda.Abrir("AULAT"); }, {"AULAT", "en uso"});

    primera.reset();
    EXPECT_NO_THROW(segunda.Abrir("PROFT"));
    EXPECT_NO_THROW(segunda.Abrir("AULAT"));
}

TEST(BaseTablas, CrearTablasNuevasDesdeDosBasesALaVezChoca)
{
    CarpetaTemporal dir;
    BaseTablas primera(dir.Ruta());
    primera.Recrear("PROFT");
    primera.Recrear("AULAT");   // la misma base puede crear varias
    BaseTablas segunda(dir.Ruta());
    EsperarError([&] { segunda.Recrear("CURSOST"); }, {"CURSOST", "en uso"});
}

TEST(BaseTablas, RecrearSoloTablasDeTrabajo)
{
    CarpetaTemporal dir;
    BaseTablas base(dir.Ruta());
    EXPECT_THROW(base.Recrear("SOLUC"), ErrorMolvaren);
}

} // namespace
} // namespace molvaren
