#pragma once
// Cajas de mensaje con los textos de la edición española: "Aceptar", "&Si",
// "&No". Los estáticos de QMessageBox saldrían en inglés.
#include <QString>

class QWidget;

namespace molvaren::ventanas {

inline const QString TituloAplicacion = QStringLiteral("Molvaren");

void MostrarMensaje(QWidget* padre, const QString& texto);
void MostrarError(QWidget* padre, const QString& texto);
// Verdadero si responde "&Si".
bool Preguntar(QWidget* padre, const QString& texto);

} // namespace molvaren::ventanas
