#pragma once
// Funciones de texto sobre cadenas de 8 bits (Windows-1252): un carácter es
// un byte y las posiciones se cuentan desde 1. "Blanco" es sólo el espacio.
#include <string>
#include <string_view>

namespace molvaren {

std::string TrimLeft(std::string_view texto);
std::string TrimRight(std::string_view texto);
std::string TrimBoth(std::string_view texto);
std::string LeftPart(std::string_view texto, int n);
std::string RightPart(std::string_view texto, int n);
std::string WordInitials(std::string_view texto);

// Recorte de la plataforma: quita por los dos lados los caracteres de código
// 32 o menor (blancos y de control). Lo usa sólo el diálogo de plantillas.
std::string TrimControl(std::string_view texto);

// a-z pasan a A-Z; el resto, letras acentuadas incluidas, queda igual.
std::string MayusculasAscii(std::string_view texto);

// Mayúsculas como las hace Windows en la página de códigos ANSI
// (Windows-1252): también las letras acentuadas (á -> Á, ñ -> Ñ, ÿ -> Ÿ).
std::string MayusculasAnsi(std::string_view texto);

// Igualdad sin distinguir mayúsculas, al modo de Windows en ANSI.
bool IgualesSinMayusculas(std::string_view a, std::string_view b);

} // namespace molvaren
