// Our own drawing of the toolbar's icon strips: eight square icons side by side (new, delete,
// report, lookup, spreadsheet, cancel, save, close), one colour scheme per strip file. The build
// writes the five files beside the program with the tool generar_tiras_iconos.
#pragma once

#include <QImage>
#include <QRgb>
#include <QStringList>

namespace dibujo_iconos {

// The colour a strip paints where an icon has no ink; the loader makes it transparent.
inline constexpr QRgb ColorTransparente = 0xFFFF00FF;

// The five strip files, each with its own colour scheme.
QStringList ArchivosTiras();
// The strip for `archivo` (one of ArchivosTiras, found without case; any other name gets the
// first scheme): 8 icons of `lado` x `lado` pixels on ColorTransparente, opaque ink, no blending
// with the background so no fringe survives the transparency.
QImage DibujarTira(const QString& archivo, int lado = 32);

}  // namespace dibujo_iconos
