// The window's boxes: focus colours, the key and mouse events, and the checks of each box; the
// code check is where the window decides between a new record and an existing one.
#include "FRMTA_QUENDAL.h"

#include "AparienciaVentana.h"
#include "AyudaFormulario.h"
#include "Dialogos.h"
#include "Sesiones.h"
#include "Texto.h"
#include "UtilCx.h"

#include <QLineEdit>

namespace {

constexpr uint32_t kColorConFoco = 0xFFFF00;  // cyan
constexpr uint32_t kColorSinFoco = 0xFFFFFF;  // white

bool TieneTag(const QLineEdit* caja) { return caja && !caja->property("Tag").toString().trimmed().isEmpty(); }

}  // namespace

void FRMTA_QUENDAL::txtFields_GotFocus(int index) {
    IndiceActual = static_cast<int16_t>(index);
    UtilCx1->ConsultaEnabled(TieneTag(Caja(index)));
    AsignarColorFondo(Caja(index), kColorConFoco);
}

void FRMTA_QUENDAL::txtFields_LostFocus(int index) { AsignarColorFondo(Caja(index), kColorSinFoco); }

void FRMTA_QUENDAL::txtFields_KeyDown(int index, int KeyCode, int) {
    const AyudaFormulario ayuda;
    if (ayuda.EsTeclaAvance(KeyCode)) {
        CampoValida(index, Caja(index));
        if (!HayError) ayuda.Avanzar(KeyCode);
    }
    // The box that has the focus now: after Enter that is the next one, whose tag decides.
    UtilCx1->ConsultaEnabled(TieneTag(Caja(IndiceActual)));
}

void FRMTA_QUENDAL::txtFields_MouseDown(int index, int Button, int, int, int) {
    IndiceActual = static_cast<int16_t>(index);
    if (Button == 2) ConsultarCampo();
}

void FRMTA_QUENDAL::CampoValida(int index, QLineEdit*) {
    QLineEdit* caja = Caja(index);
    if (!caja) return;
    HayError = false;
    QString mensaje;
    try {
        const QString valor = caja->text().trimmed();
        const QString columna = caja->property("DataField").toString();
        if (plataforma::IgualesSinMayusculas(columna, QStringLiteral("Codigo"))) {
            if (valor.isEmpty()) {
                mensaje = QStringLiteral(" Debe informar el Codigo!");
                HayError = true;
            } else {
                if (SesionDB().ExisteEnTabla(TablaActiva, valor, columna, &Registro, 8, QString(), true)) {
                    Nuevo = false;
                    Modificacion = true;
                    if (!Grabando) CargarRegistro();
                } else {
                    if (!Grabando) InicializaDetalle();
                    Nuevo = true;
                    Modificacion = false;
                }
                DetalleOn(true);
            }
        } else if (plataforma::IgualesSinMayusculas(columna, QStringLiteral("Descripcion"))) {
            if (valor.isEmpty()) {
                mensaje = QStringLiteral(" Debe informar la Descripciónl! ");
                HayError = true;
            }
        }
    } catch (const plataforma::ErrorRuntime& error) {
        // A check that could not run did not pass: the save must not go on with it.
        if (mensaje.isEmpty()) mensaje = error.error().Description;
        HayError = true;
    }
    if (!HayError) return;
    plataforma::MsgBox(mensaje, plataforma::estilo::vbInformation + plataforma::estilo::vbOKOnly, QStringLiteral("Aviso al operador..."));
    caja->setFocus(Qt::OtherFocusReason);
}

bool FRMTA_QUENDAL::Datosvalidos() {
    HayError = false;
    for (QLineEdit* caja : AyudaFormulario::Cajas(this)) {
        CampoValida(caja->property("Index").toInt(), caja);
        if (HayError) break;
    }
    return !HayError;
}
