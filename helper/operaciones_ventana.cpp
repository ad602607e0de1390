// The members of Utilidades and Sistema that touch windows; kept apart so that the core
// libraries never link QtWidgets.
#include "Apariencia.h"
#include "Sistema.h"
#include "Utilidades.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

void Utilidades::UbicarVentana(QWidget* ventana, bool centrar) const {
    if (!ventana || !centrar) return;
    const QScreen* pantalla = ventana->screen() ? ventana->screen() : QGuiApplication::primaryScreen();
    if (!pantalla) return;
    QRect marco = ventana->frameGeometry();
    marco.moveCenter(pantalla->availableGeometry().center());
    ventana->move(marco.topLeft());
}

void Utilidades::RestaurarPuntero(int) const {
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}

void Sistema::PrepararVentana(QWidget* ventana) const {
    if (ventana) ventana->setFont(plataforma::FuenteAplicacion());
}
