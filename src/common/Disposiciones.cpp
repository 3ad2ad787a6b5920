#include "common/Disposiciones.h"

#include <map>

#include "common/ErrorMolvaren.h"

namespace molvaren {

namespace {
DefCampo C(const char* n, int ancho) { return {n, TipoCampo::Caracter, ancho, 0}; }
DefCampo L(const char* n) { return {n, TipoCampo::Logico, 1, 0}; }
DefCampo I(const char* n) { return {n, TipoCampo::Entero, 4, 0}; }
DefCampo O(const char* n) { return {n, TipoCampo::Flotante, 8, 0}; }

const std::map<std::string, Disposicion>& Todas()
{
    static const std::map<std::string, Disposicion> todas = {
        {"ASIGNOMT",
         {C("COD", 10), C("CODLARGO", 10), C("NOMBRE", 80), C("MATERIA", 8), C("CODTAREA", 12), L("ESTAREA"),
          C("DENIVEL", 5), C("DECURSO", 3), C("ABREV_ITACA", 20)}},
        {"PROFT",
         {C("ABREV", 10), C("NOMBRE", 80), C("DEPART", 40), C("DNI", 14), C("X_EMPLEADO", 10), C("F_TOMAPOS", 10),
          C("ENSENANZA", 5)}},
        {"AULAT",
         {C("ABREV", 10), C("NOMBRE", 80), C("EDIFICIO", 1), I("MAXALUM"), C("DEPCENTRO", 10),
          C("ABREV_ITACA", 20)}},
        {"CURSOST", {C("ABREV", 3), C("TURNO", 1), C("NIVEL", 5), C("CURSO", 3), C("CLAVE", 10), C("ESTUD", 40)}},
        {"GRUPOST",
         {C("ABREV", 10), C("TURNO", 1), C("NIVEL", 5), C("CURSO", 3), C("GRUPO", 2), C("DESCRIP", 80), C("MARCO", 1),
          C("CLAVE", 10), C("CLAVECURSO", 10), C("ENSENANZA", 10), C("TUTOR", 10)}},
        {"ASIGT",
         {C("CASIG", 10), C("CPROF", 10), C("CGRUP", 10), C("CAULA", 10), C("TURNO", 1), C("NIVEL", 5), C("CURSO", 3),
          C("GRUPO", 2), O("HORAS"), C("SESIONES", 20), C("NCONEX", 4), C("CLAVE", 10), C("CLAVECURSO", 10),
          C("CTAREA", 10), C("ASIG_ITACA", 20)}},
        {"DIASHORAST",
         {C("DIHO", 10), C("CODDIHO", 10), C("DIA", 20), C("TEXTODIA", 20), C("HORA", 8), C("TEXTOHOR", 15),
          C("HORADESDE", 8), C("HORAHASTA", 8), C("MINUTOS", 8), C("MARCO", 1), C("MARCOXML", 10),
          I("SESION_ORDEN")}},
    };
    return todas;
}
} // namespace

const Disposicion& DisposicionDe(const std::string& tabla)
{
    const auto& todas = Todas();
    auto it = todas.find(tabla);
    if (it == todas.end())
        throw ErrorMolvaren("La tabla " + tabla + " no es una tabla de trabajo.");
    return it->second;
}

} // namespace molvaren
