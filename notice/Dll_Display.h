// The progress notice: a small modeless window that long operations show while they work,
// with up to three lines, an animation and an optional cancel button the caller polls.
#pragma once

#include <QVariant>
#include <memory>
#include <optional>

class Lbf_CtrlDisplay;

class Dll_Display {
public:
    Dll_Display();
    ~Dll_Display();

    // Opens the notice (a fresh window when it was closed) with `Titulo` as its caption.
    void CartelInicio(const QString& Titulo, bool PermiteCancelar);
    // Updates the lines given (a null value shows an empty line), repaints, lets pending events
    // run and reports in `Cancelado` whether the operator clicked the cancel button.
    void CartelMostrar(bool& Cancelado, const std::optional<QVariant>& L1 = std::nullopt,
                       const std::optional<QVariant>& l2 = std::nullopt, const std::optional<QVariant>& l3 = std::nullopt);
    // Hides and releases the window.
    void CartelCerrar();
    // Puts the notice above every normal window, or back among them.
    void Siempre_Visible(bool valor);

    Lbf_CtrlDisplay* ventana() const { return ventana_.get(); }

private:
    std::unique_ptr<Lbf_CtrlDisplay> ventana_;
};
