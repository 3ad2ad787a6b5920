#include "shell/CajasMensaje.h"

#include <QMessageBox>
#include <QPushButton>

namespace molvaren::ventanas {

namespace {

void Aviso(QWidget* padre, const QString& texto, QMessageBox::Icon icono, const QString& nombre)
{
    QMessageBox caja(padre);
    caja.setObjectName(nombre);
    caja.setWindowTitle(TituloAplicacion);
    caja.setIcon(icono);
    caja.setText(texto);
    QPushButton* aceptar = caja.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
    caja.setDefaultButton(aceptar);
    caja.setEscapeButton(aceptar);
    caja.exec();
}

} // namespace

void MostrarMensaje(QWidget* padre, const QString& texto)
{
    Aviso(padre, texto, QMessageBox::NoIcon, QStringLiteral("CajaMensaje"));
}

void MostrarError(QWidget* padre, const QString& texto)
{
    Aviso(padre, texto, QMessageBox::Critical, QStringLiteral("CajaError"));
}

bool Preguntar(QWidget* padre, const QString& texto)
{
    QMessageBox caja(padre);
    caja.setObjectName(QStringLiteral("CajaPregunta"));
    caja.setWindowTitle(QStringLiteral("Confirmación"));
    caja.setIcon(QMessageBox::Question);
    caja.setText(texto);
    QPushButton* si = caja.addButton(QStringLiteral("&Si"), QMessageBox::YesRole);
    QPushButton* no = caja.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    caja.setDefaultButton(si);
    caja.setEscapeButton(no);
    caja.exec();
    return caja.clickedButton() == si;
}

} // namespace molvaren::ventanas
