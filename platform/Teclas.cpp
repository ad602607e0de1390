#include "Teclas.h"

#include "ArchivosAnsi.h"

#include <Qt>

namespace plataforma {

int CodigoTecla(int teclaQt) {
    using namespace tecla;
    if (teclaQt >= Qt::Key_F1 && teclaQt <= Qt::Key_F12) return vbKeyF1 + (teclaQt - Qt::Key_F1);
    if (teclaQt >= Qt::Key_A && teclaQt <= Qt::Key_Z) return teclaQt;  // same codes as the letters
    if (teclaQt >= Qt::Key_0 && teclaQt <= Qt::Key_9) return teclaQt;
    switch (teclaQt) {
        case Qt::Key_Backspace: return vbKeyBack;
        case Qt::Key_Tab: case Qt::Key_Backtab: return vbKeyTab;
        case Qt::Key_Return: case Qt::Key_Enter: return vbKeyReturn;
        case Qt::Key_Shift: return vbKeyShift;
        case Qt::Key_Control: return vbKeyControl;
        case Qt::Key_Alt: return vbKeyMenu;
        case Qt::Key_Escape: return vbKeyEscape;
        case Qt::Key_Space: return vbKeySpace;
        case Qt::Key_PageUp: return vbKeyPageUp;
        case Qt::Key_PageDown: return vbKeyPageDown;
        case Qt::Key_End: return vbKeyEnd;
        case Qt::Key_Home: return vbKeyHome;
        case Qt::Key_Left: return vbKeyLeft;
        case Qt::Key_Up: return vbKeyUp;
        case Qt::Key_Right: return vbKeyRight;
        case Qt::Key_Down: return vbKeyDown;
        case Qt::Key_Insert: return vbKeyInsert;
        case Qt::Key_Delete: return vbKeyDelete;
        default: return 0;
    }
}

int EstadoMayusculas(int modificadoresQt) {
    int estado = 0;
    if (modificadoresQt & Qt::ShiftModifier) estado |= mayus::vbShiftMask;
    if (modificadoresQt & Qt::ControlModifier) estado |= mayus::vbCtrlMask;
    if (modificadoresQt & Qt::AltModifier) estado |= mayus::vbAltMask;
    return estado;
}

int CodigoAscii(int teclaQt, const QString& texto) {
    switch (teclaQt) {
        case Qt::Key_Return: case Qt::Key_Enter: return tecla::vbKeyReturn;
        case Qt::Key_Escape: return tecla::vbKeyEscape;
        case Qt::Key_Backspace: return tecla::vbKeyBack;
        default: break;
    }
    if (texto.size() != 1) return 0;
    return ByteAnsi(texto.at(0));
}

}  // namespace plataforma
