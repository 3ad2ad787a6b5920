#pragma once
// Creación de controles en posición fija, como los colocaba el diseñador de
// formularios original (izquierda, arriba, ancho, alto en píxeles).
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QStringList>

namespace molvaren::ventanas {

// Rótulo transparente, alineado arriba a la izquierda. ancho 0: a la medida
// del texto.
QLabel* CrearRotulo(QWidget* padre, const char* nombre, const QString& texto, int x, int y, int ancho, int alto,
                    const QFont& fuente, bool ajustarLineas = false);

// Combo con campo de edición, sin completado automático.
QComboBox* CrearCombo(QWidget* padre, const char* nombre, int x, int y, int ancho, const QStringList& elementos);

// Botón con el glifo estándar de Aceptar o de Cerrar.
enum class Glifo { Ninguno, Aceptar, Cerrar };
QPushButton* CrearBoton(QWidget* padre, const char* nombre, const QString& texto, int x, int y, int ancho, int alto,
                        Glifo glifo);

} // namespace molvaren::ventanas
