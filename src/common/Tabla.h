#pragma once
// Una tabla dBase en memoria: filas en orden de alta, fila actual, búsqueda
// indexada. Imita lo que la conversión espera del motor de tablas:
// - el texto se guarda cortado al ancho del campo, sin aviso;
// - se lee sin los blancos de relleno del final;
// - un campo nunca puesto se lee vacío (carácter) o "sin valor" (números,
//   lógicos);
// - Localizar compara valores enteros, exactos, distinguiendo mayúsculas, y
//   deja actual la primera fila que coincide en orden de tabla;
// - Borrar deja actual la fila siguiente; Empaquetar quita las borradas.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Disposiciones.h"

namespace molvaren {

class Tabla {
public:
    // nombre: el de la tabla en mayúsculas sin extensión ("PROFT"), para los
    // mensajes de error.
    Tabla(std::string nombre, Disposicion campos);
    ~Tabla();
    Tabla(Tabla&&) noexcept;
    Tabla& operator=(Tabla&&) noexcept;
    Tabla(const Tabla&) = delete;
    Tabla& operator=(const Tabla&) = delete;

    const std::string& Nombre() const;
    const Disposicion& Campos() const;
    bool TieneCampo(std::string_view campo) const;

    // Filas vivas (sin las borradas aún no empaquetadas).
    size_t NumFilas() const;

    // Recorrido.
    void Primero();
    void Siguiente();
    bool Fin() const;          // verdadero cuando no hay fila actual
    // Número de registro (posición en el fichero, desde 1) de la fila actual.
    int NumRegistro() const;

    // Alta: añade una fila vacía al final y la deja actual y en edición.
    void Anadir();
    // Edición de la fila actual.
    void Editar();
    // Confirma la fila en edición (alta o edición).
    void Grabar();
    // Borra la fila actual; pasa a ser actual la siguiente.
    void Borrar();
    // Quita para siempre las filas borradas.
    void Empaquetar();

    // Búsqueda. campos: "CAMPO" o "CAMPO1;CAMPO2"; valores en el mismo orden.
    bool Localizar(std::string_view campos, const std::vector<std::string>& valores);
    bool Localizar(std::string_view campo, const std::string& valor) { return Localizar(campo, std::vector<std::string>{valor}); }

    // Lectura de la fila actual (o de la que está en edición).
    // LeerTexto de un campo numérico o lógico da su forma de texto: entero en
    // decimal, real con el decimal más corto sin exponente ("4" para 4.0),
    // lógico "T" o "F"; sin valor, "". Sin fila actual, todo se lee vacío.
    std::string LeerTexto(std::string_view campo) const;
    std::optional<int64_t> LeerEntero(std::string_view campo) const;
    std::optional<double> LeerFlotante(std::string_view campo) const;
    std::optional<bool> LeerLogico(std::string_view campo) const;

    // Escritura en la fila en edición (Anadir o Editar antes).
    void PonerTexto(std::string_view campo, std::string_view valor);
    void PonerEntero(std::string_view campo, int64_t valor);
    void PonerFlotante(std::string_view campo, double valor);
    void PonerLogico(std::string_view campo, bool valor);

    // Hubo cambios desde que se cargó o creó (para escribir sólo lo tocado).
    bool Modificada() const;

    struct Datos;   // filas y celdas; lo usan la lectura y escritura de ficheros
    Datos& Interno();
    const Datos& Interno() const;

private:
    std::unique_ptr<Datos> d_;
};

} // namespace molvaren
