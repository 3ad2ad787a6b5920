#pragma once
// Base de las pruebas de un paso de la conversión: carpeta de tablas
// temporal, documento escrito desde un texto XML y lectura de columnas.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "apoyo/InteraccionGuionada.h"
#include "common/BaseTablas.h"
#include "apoyo/Ficheros.h"
#include "common/DocumentoItaca.h"
#include "common/EstadoPrograma.h"
#include "common/Tabla.h"
#include "conversion/ContextoConversion.h"

namespace molvaren::pruebas {

// Documento con la raíz centro y las secciones dadas (texto UTF-8).
inline std::string Centro(const std::string& secciones)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<centro codigo=\"46000001\">" + secciones + "</centro>\n";
}

class PruebaPaso : public ::testing::Test {
protected:
    void SetUp() override
    {
        estado.CarpetaTablas = carpeta;
        tablas = std::make_unique<BaseTablas>(carpeta);
    }

    void TearDown() override
    {
        tablas.reset();
    }

    void Documento(const std::string& xml)
    {
        const auto fichero = carpeta / "documento.xml";
        std::ofstream(fichero, std::ios::binary) << xml;
        estado.FicheroXML = fichero;
        estado.DocXML = std::make_shared<const DocumentoItaca>(DocumentoItaca::Cargar(fichero));
    }

    template <class Paso>
    void Ejecutar(Paso paso)
    {
        ContextoConversion ctx{estado, *tablas, ui};
        paso(ctx);
    }

    std::vector<std::string> Columna(const std::string& tabla, const std::string& campo)
    {
        Tabla& t = tablas->Abrir(tabla);
        std::vector<std::string> valores;
        for (t.Primero(); !t.Fin(); t.Siguiente())
            valores.push_back(t.LeerTexto(campo));
        return valores;
    }

    CarpetaTemporal temporal;
    std::filesystem::path carpeta = temporal.Ruta();
    EstadoPrograma estado;
    InteraccionGuionada ui;
    std::unique_ptr<BaseTablas> tablas;
};

using Textos = std::vector<std::string>;

} // namespace molvaren::pruebas
