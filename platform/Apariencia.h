// What the windows share of the original's look and event handling: the application font that
// stands in for "MS Sans Serif" 8.25 and colours from 0x00BBGGRR.
#pragma once

#include <QColor>
#include <QFont>
#include <cstdint>

namespace plataforma {

// A sans-serif font at the pixel size of "MS Sans Serif" 8.25 at 96 dpi (11 px), so the twips
// layouts fit their captions.
QFont FuenteAplicacion();
QFont FuenteAplicacion(int puntos, bool negrita);
// Installs the font and the regional settings on the application.
void PrepararAplicacion();

QColor ColorDesdeVB(uint32_t color);
uint32_t ColorAVB(const QColor& color);

}  // namespace plataforma
