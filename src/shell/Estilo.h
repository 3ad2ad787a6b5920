#pragma once
// Fuentes, colores y paso de textos comunes a las tres ventanas.
#include <QColor>
#include <QFont>
#include <QString>
#include <string>

class QWidget;

namespace molvaren::ventanas {

// Colores con nombre de la biblioteca de formularios original.
inline const QColor ColorRojo{0xFF, 0x00, 0x00};
inline const QColor ColorGranate{0x80, 0x00, 0x00};
inline const QColor ColorAzul{0x00, 0x00, 0xFF};
inline const QColor ColorAmarillo{0xFF, 0xFF, 0x00};
inline const QColor ColorAzulCielo{0xA6, 0xCA, 0xF0};
// Qt no tiene el color de texto de título inactivo del sistema: se toma el
// gris del esquema clásico de Windows.
inline const QColor ColorTextoTituloInactivo{0xC0, 0xC0, 0xC0};

// Sustitutos métricos de MS Sans Serif y Arial; se instala una vez.
void PrepararFuentes();

QFont FuenteSistema(int pixeles, bool negrita = false);   // MS Sans Serif
QFont FuenteArial(int pixeles, bool negrita = true);

// Texto negro (u otro) sobre fondo dado, para combos y listas.
void PonerColores(QWidget* w, const QColor& texto, const QColor& fondo);
void PonerColorTexto(QWidget* w, const QColor& texto);

// Contexto de ayuda de un control o ventana (F1).
void PonerContextoAyuda(QWidget* w, int contexto);
int ContextoAyuda(const QWidget* w);

// Datos en Windows-1252 <-> textos de pantalla.
QString DeCp1252(const std::string& texto);
std::string ACp1252(const QString& texto);

} // namespace molvaren::ventanas
