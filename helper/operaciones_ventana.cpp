// The members of Utilidades and Sistema that touch windows; kept apart so that the core
// libraries never link QtWidgets.
#include "Apariencia.h"
#include "Sistema.h"
#include "Utilidades.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QScreen>
#include <QUrl>
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

bool Sistema::AbrirDocumento(int, const QString&, const QString& archivo, const QString&, const QString&, int) const {
    const QString destino = archivo.trimmed();
    if (destino.isEmpty()) return false;
    const bool esDireccion = destino.contains(QLatin1String("://")) || destino.startsWith(QLatin1String("www."), Qt::CaseInsensitive) ||
                             destino.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive);
    QUrl url;
    if (esDireccion) url = QUrl::fromUserInput(destino);
    else url = QUrl::fromLocalFile(QFileInfo(QString(destino).replace(QLatin1Char('\\'), QLatin1Char('/'))).absoluteFilePath());
    return QDesktopServices::openUrl(url);
}
