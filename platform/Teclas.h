// The original's key codes, from one mapping used by every window: KeyCode for keys
// (Enter 13, Esc 27, F2 113 ... F10 121, Insert 45, Delete 46, arrows, pages) and KeyAscii for
// typed characters (their Windows-1252 byte).
#pragma once

#include <QString>

namespace plataforma {

namespace tecla {
inline constexpr int vbKeyBack = 8;
inline constexpr int vbKeyTab = 9;
inline constexpr int vbKeyReturn = 13;
inline constexpr int vbKeyShift = 16;
inline constexpr int vbKeyControl = 17;
inline constexpr int vbKeyMenu = 18;
inline constexpr int vbKeyEscape = 27;
inline constexpr int vbKeySpace = 32;
inline constexpr int vbKeyPageUp = 33;
inline constexpr int vbKeyPageDown = 34;
inline constexpr int vbKeyEnd = 35;
inline constexpr int vbKeyHome = 36;
inline constexpr int vbKeyLeft = 37;
inline constexpr int vbKeyUp = 38;
inline constexpr int vbKeyRight = 39;
inline constexpr int vbKeyDown = 40;
inline constexpr int vbKeyInsert = 45;
inline constexpr int vbKeyDelete = 46;
inline constexpr int vbKeyF1 = 112;
inline constexpr int vbKeyF2 = 113;
inline constexpr int vbKeyF3 = 114;
inline constexpr int vbKeyF4 = 115;
inline constexpr int vbKeyF5 = 116;
inline constexpr int vbKeyF6 = 117;
inline constexpr int vbKeyF7 = 118;
inline constexpr int vbKeyF8 = 119;
inline constexpr int vbKeyF9 = 120;
inline constexpr int vbKeyF10 = 121;
inline constexpr int vbKeyF11 = 122;
inline constexpr int vbKeyF12 = 123;
}  // namespace tecla

// Shift state bits of the original's key events.
namespace mayus {
inline constexpr int vbShiftMask = 1;
inline constexpr int vbCtrlMask = 2;
inline constexpr int vbAltMask = 4;
}  // namespace mayus

// KeyCode of a Qt key (Qt::Key value); 0 for keys the original has no code for.
int CodigoTecla(int teclaQt);
// Shift state of Qt keyboard modifiers (Qt::KeyboardModifiers as int).
int EstadoMayusculas(int modificadoresQt);
// KeyAscii of the text a key typed: its Windows-1252 byte, control characters included
// (Enter 13, Esc 27, Backspace 8); 0 when the key typed nothing the original could receive.
int CodigoAscii(int teclaQt, const QString& texto);

}  // namespace plataforma
