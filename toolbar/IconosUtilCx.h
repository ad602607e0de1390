// The toolbar's icons: which strip file the operator's INI style asks for, where it is found,
// how a strip is cut into the eight button icons, and the desktop theme's icons when no strip loads.
#pragma once

#include <QIcon>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

class QStyle;

namespace iconos_utilcx {

// The strip file of a style value, compared as exact text: "1" "ABM2021B.bmp", "2" "ABM2021M.bmp",
// "3" "ABM2021V.bmp", "4" "ABM2021i.bmp", anything else (" 1", "2 ", "01") "ABM2021.bmp".
QString ArchivoDeEstilo(const QString& estilo);
// The operator's style value: key "Styles" of section <OS user, upper case>Styles in velmora.ini,
// "1" when absent.
QString EstiloDelUsuario();

// The eight icons of a strip of equal icons, left to right in button order; the strip's
// transparent colour becomes transparent. Empty when the image cannot be a strip.
QList<QIcon> CortarTira(const QImage& tira);
// The theme's standard icons standing for the eight buttons.
QList<QIcon> IconosEstandar(const QStyle* estilo);

struct Iconos {
    QList<QIcon> iconos;  // always eight
    QString ruta;         // the strip file used; empty when the standard icons stand in
};
// The strip `archivo` from the first of `carpetas` where it loads (names found without case);
// the standard icons when it loads from none.
Iconos CargarIconos(const QString& archivo, const QStringList& carpetas, const QStyle* estilo);
// The folders a strip is looked for in: the application folder, then the executable's folder.
QStringList CarpetasDeTiras();

}  // namespace iconos_utilcx
