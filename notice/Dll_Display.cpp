#include "Dll_Display.h"

#include "Procesos.h"
#include "Lbf_CtrlDisplay.h"

#include <QCoreApplication>

Dll_Display::Dll_Display() = default;
Dll_Display::~Dll_Display() = default;

void Dll_Display::CartelInicio(const QString& Titulo, bool PermiteCancelar) {
    if (!ventana_) ventana_ = std::make_unique<Lbf_CtrlDisplay>();
    ventana_->setWindowTitle(Titulo);
    ventana_->CmdDisplayCancelar->setVisible(PermiteCancelar);
    ventana_->show();
}

void Dll_Display::CartelMostrar(bool& Cancelado, const std::optional<QVariant>& L1, const std::optional<QVariant>& l2,
                                const std::optional<QVariant>& l3) {
    if (!ventana_) ventana_ = std::make_unique<Lbf_CtrlDisplay>();
    const std::optional<QVariant>* lineas[3] = {&L1, &l2, &l3};
    for (size_t i = 0; i < 3; ++i) {
        if (lineas[i]->has_value()) ventana_->LblCtrol[i]->setText((*lineas[i])->isNull() ? QString() : (*lineas[i])->toString());
    }
    ventana_->repaint();
    Cancelado = ventana_->CmdDisplayCancelar->text() == QLatin1String("Abortado");
    // A notice the operator may cancel must take the click; otherwise input waits for the
    // window that owns it, as in every other pause of database work.
    if (ventana_->CmdDisplayCancelar->isVisible()) QCoreApplication::processEvents();
    else plataforma::ProcesarEventosPendientes();
}

void Dll_Display::CartelCerrar() {
    if (!ventana_) return;
    ventana_->hide();
    ventana_.reset();
}

void Dll_Display::Siempre_Visible(bool valor) {
    if (!ventana_) return;
    const bool visible = ventana_->isVisible();
    ventana_->setWindowFlag(Qt::WindowStaysOnTopHint, valor);
    if (visible) ventana_->show();  // changing the flags hides a window; it keeps its place and size
}
