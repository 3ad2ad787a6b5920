#pragma once
// Estado que la ventana principal guarda para toda la vida del programa y
// que comparten las dos direcciones y sus pasos. Sin nada de Qt: lo manejan
// igual la ventana, el programa de línea de órdenes y las pruebas.
// Los textos de datos (plantilla, turno, idioma, líneas) van en
// Windows-1252; las rutas, en la codificación del sistema.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/DocumentoItaca.h"
#include "common/ListaTextos.h"

namespace molvaren {

// Textos del combo de idioma, en Windows-1252.
inline const std::string TextoValenciano = "VALENCI\xC1";   // "VALENCIÁ"
inline const std::string TextoCastellano = "CASTELLANO";

struct EstadoPrograma {
    std::filesystem::path FicheroXML;
    std::string PlantillaElegida;
    std::string TurnoPlantilla;
    std::string TextoIdioma = TextoValenciano;   // texto de ComboBoxValCast
    std::vector<std::string> ListBoxPlanti;       // líneas de sesión
    bool ModoIncrustado = false;
    int ResultadoProceso = 0;
    std::string CursoDestino;
    int NumPlantillas = 0;
    bool SoloPlantillaElegida = false;
    bool BotonesHabilitados = true;               // BExportar y BImportar

    std::shared_ptr<const DocumentoItaca> DocXML;

    ListaTextos ListaCodigos;
    ListaTextos ListaNombres;
    ListaTextos ListaClavesITACA;

    // Carpeta de las tablas de trabajo (C:\KTEMP o su equivalente).
    std::filesystem::path CarpetaTablas;

    // Cada ejecución empieza con las tres listas presentes y vacías.
    void VaciarListas()
    {
        ListaCodigos.Vaciar();
        ListaNombres.Vaciar();
        ListaClavesITACA.Vaciar();
    }
};

} // namespace molvaren
