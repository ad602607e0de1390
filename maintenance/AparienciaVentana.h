// How a window of the program looks: its icon, the skin the operator chose (a Qt style sheet
// under "Styles"), and the back colour of a text box, which survives the skin's sheet.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

class QWidget;

// The program's icon "corvex.png" beside the executable (or in the application folder), else
// "corvex.ico" in the current folder; then the window gets the program's font, and the toolbars
// named UtilCx1, TBarRep1 and Util0011 that have a StyleBar property get gFlatToolbars. Pending
// events run at the end. Nothing here fails.
void AsignarIcono(QWidget* ventana);

// The style sheet for a skin number: 1 "Styles/Vista.qss", 2 "Styles/WinXP.Luna.qss",
// 3 "Styles/WinXP.Royale.qss", 4 "Styles/iTunes/Normalitunes.qss", any other "Styles/Office2007.qss".
QString ArchivoDeSkin(int estilo);
// Where skins are looked for: the application folder, the executable's folder, and the
// installed data folder (<prefix>/share/velmora beside <prefix>/bin).
QStringList CarpetasDeSkins();
// Applies to the window the skin of key "Styles" (default 4, read as a rounded number) in section
// <OS USER>_<DATABASE>Styles of velmora.ini. A missing or unreadable sheet leaves the default
// look. Returns the sheet applied, empty when none; nothing here fails.
QString AplicarSkin(QWidget* ventana);

// A text box's back colour (0x00BBGGRR), set through the box's own style sheet so that it wins
// over any sheet of the window or the application; kept in the box's "BackColor" property.
void AsignarColorFondo(QWidget* caja, uint32_t color);
uint32_t ColorFondo(const QWidget* caja);
