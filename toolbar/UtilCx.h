// UtilCx, the suite's action toolbar for maintenance windows: eight fixed buttons whose clicks
// and function keys become one upper-case action word raised through `click`.
//
// How a host uses it:
//  - Connect `click(BTag)` and act on the word ("NUEVO", "BORRAR", "REPORTE", "CONSULTAR",
//    "PLANILLA", "CANCELAR", "GRABAR", "CERRAR").
//  - Pass every key code the window sees to KeyAnalisis, from an event filter the window installs
//    on its own widgets (plataforma::CodigoTecla gives the code). Do not give these keys QShortcuts
//    or QAction shortcuts: Esc means "CANCELAR" or "CERRAR" depending on the properties, which
//    Qt would take as an ambiguous shortcut and fire neither.
//  - Set the ...Enabled / ...Visible properties at will. A setter only stores the value and
//    signals propiedadCambiada; the buttons follow at the next refresh, which the control queues
//    once per event-loop turn, so several setters in a row cost one refresh and the operator sees
//    them as soon as the handler returns. Call Refrescar() to see them at once (tests, or a host
//    that runs a nested loop before returning).
//  - The buttons never take the focus, so the operator's box keeps it when a button is clicked.
#pragma once

#include "BotonesUtilCx.h"

#include <QWidget>

#include <array>
#include <cstdint>

class BolsaPropiedades;
class QBoxLayout;
class QFrame;
class QToolButton;

class UtilCx : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool ConTitulo READ ConTitulo WRITE ConTitulo)
    Q_PROPERTY(bool Enabled READ Enabled WRITE Enabled)
    Q_PROPERTY(qint16 Theme READ Theme WRITE Theme)
    Q_PROPERTY(bool NuevoEnabled READ NuevoEnabled WRITE NuevoEnabled)
    Q_PROPERTY(bool BorrarEnabled READ BorrarEnabled WRITE BorrarEnabled)
    Q_PROPERTY(bool ReporteEnabled READ ReporteEnabled WRITE ReporteEnabled)
    Q_PROPERTY(bool ConsultaEnabled READ ConsultaEnabled WRITE ConsultaEnabled)
    Q_PROPERTY(bool PlanillaEnabled READ PlanillaEnabled WRITE PlanillaEnabled)
    Q_PROPERTY(bool CancelarEnabled READ CancelarEnabled WRITE CancelarEnabled)
    Q_PROPERTY(bool GrabarEnabled READ GrabarEnabled WRITE GrabarEnabled)
    Q_PROPERTY(bool CerrarEnabled READ CerrarEnabled WRITE CerrarEnabled)
    Q_PROPERTY(bool NuevoVisible READ NuevoVisible WRITE NuevoVisible)
    Q_PROPERTY(bool BorrarVisible READ BorrarVisible WRITE BorrarVisible)
    Q_PROPERTY(bool ReporteVisible READ ReporteVisible WRITE ReporteVisible)
    Q_PROPERTY(bool consultarVisible READ consultarVisible WRITE consultarVisible)
    Q_PROPERTY(bool PlanillaVisible READ PlanillaVisible WRITE PlanillaVisible)
    Q_PROPERTY(bool CancelarVisible READ CancelarVisible WRITE CancelarVisible)
    Q_PROPERTY(bool GrabarVisible READ GrabarVisible WRITE GrabarVisible)
    Q_PROPERTY(bool CerrarVisible READ CerrarVisible WRITE CerrarVisible)

public:
    using Boton = botones_utilcx::Boton;

    explicit UtilCx(QWidget* parent = nullptr);

    // Properties: the getter and the setter share the name, as the original's Property Get/Let.
    bool ConTitulo() const { return conTitulo_; }
    void ConTitulo(bool valor);
    // Kept and stored only; it does not disable the control.
    bool Enabled() const { return enabled_; }
    void Enabled(bool valor);
    // 0, 1 or 2; anything else stores 0. Neither stored nor drawn.
    qint16 Theme() const { return theme_; }
    void Theme(int valor);

    bool BotonEnabled(Boton boton) const { return habilitados_[boton]; }
    void BotonEnabled(Boton boton, bool valor);
    bool BotonVisible(Boton boton) const { return visibles_[boton]; }
    void BotonVisible(Boton boton, bool valor);

    bool NuevoEnabled() const { return BotonEnabled(botones_utilcx::Nuevo); }
    void NuevoEnabled(bool valor) { BotonEnabled(botones_utilcx::Nuevo, valor); }
    bool BorrarEnabled() const { return BotonEnabled(botones_utilcx::Borrar); }
    void BorrarEnabled(bool valor) { BotonEnabled(botones_utilcx::Borrar, valor); }
    bool ReporteEnabled() const { return BotonEnabled(botones_utilcx::Reporte); }
    void ReporteEnabled(bool valor) { BotonEnabled(botones_utilcx::Reporte, valor); }
    bool ConsultaEnabled() const { return BotonEnabled(botones_utilcx::Consultar); }
    void ConsultaEnabled(bool valor) { BotonEnabled(botones_utilcx::Consultar, valor); }
    bool PlanillaEnabled() const { return BotonEnabled(botones_utilcx::Planilla); }
    void PlanillaEnabled(bool valor) { BotonEnabled(botones_utilcx::Planilla, valor); }
    bool CancelarEnabled() const { return BotonEnabled(botones_utilcx::Cancelar); }
    void CancelarEnabled(bool valor) { BotonEnabled(botones_utilcx::Cancelar, valor); }
    bool GrabarEnabled() const { return BotonEnabled(botones_utilcx::Grabar); }
    void GrabarEnabled(bool valor) { BotonEnabled(botones_utilcx::Grabar, valor); }
    bool CerrarEnabled() const { return BotonEnabled(botones_utilcx::Cerrar); }
    void CerrarEnabled(bool valor) { BotonEnabled(botones_utilcx::Cerrar, valor); }

    bool NuevoVisible() const { return BotonVisible(botones_utilcx::Nuevo); }
    void NuevoVisible(bool valor) { BotonVisible(botones_utilcx::Nuevo, valor); }
    bool BorrarVisible() const { return BotonVisible(botones_utilcx::Borrar); }
    void BorrarVisible(bool valor) { BotonVisible(botones_utilcx::Borrar, valor); }
    bool ReporteVisible() const { return BotonVisible(botones_utilcx::Reporte); }
    void ReporteVisible(bool valor) { BotonVisible(botones_utilcx::Reporte, valor); }
    bool consultarVisible() const { return BotonVisible(botones_utilcx::Consultar); }
    void consultarVisible(bool valor) { BotonVisible(botones_utilcx::Consultar, valor); }
    bool PlanillaVisible() const { return BotonVisible(botones_utilcx::Planilla); }
    void PlanillaVisible(bool valor) { BotonVisible(botones_utilcx::Planilla, valor); }
    bool CancelarVisible() const { return BotonVisible(botones_utilcx::Cancelar); }
    void CancelarVisible(bool valor) { BotonVisible(botones_utilcx::Cancelar, valor); }
    bool GrabarVisible() const { return BotonVisible(botones_utilcx::Grabar); }
    void GrabarVisible(bool valor) { BotonVisible(botones_utilcx::Grabar, valor); }
    bool CerrarVisible() const { return BotonVisible(botones_utilcx::Cerrar); }
    void CerrarVisible(bool valor) { BotonVisible(botones_utilcx::Cerrar, valor); }

    // Raises `click` for Esc (27) and F2..F6, F10 when their buttons are enabled; hidden buttons'
    // keys still count. Any other code does nothing.
    void KeyAnalisis(int KeyCode);
    // Builds the bar again as at creation: every Enabled and Visible property back to true,
    // captions, sizes and the icon strip the INI names now.
    void ActualizarBotones();
    // Applies ConTitulo and each button's Enabled and Visible properties to the bar now.
    void Refrescar();

    // The host's stored properties: absent keys read as true.
    void LeerPropiedades(const BolsaPropiedades& bolsa);
    void EscribirPropiedades(BolsaPropiedades& bolsa) const;

    QToolButton* BotonDe(Boton boton) const { return botones_[boton]; }
    // The bar named "Standard" that holds the buttons.
    QFrame* Barra() const { return barra_; }
    Qt::Orientation Orientacion() const { return orientacion_; }
    // The strip file the icons came from; empty when the theme's standard icons stand in.
    QString RutaIconos() const { return rutaIconos_; }

Q_SIGNALS:
    void click(const QString& BTag);
    // A property changed through its setter (the designer's notification), under its own name.
    void propiedadCambiada(const QString& nombre);

protected:
    void showEvent(QShowEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void Crear();
    void PedirRefresco();
    void BotonPulsado(Boton boton);
    void Acoplar();
    void AvisarCambio(const char* nombre);

    std::array<bool, botones_utilcx::Cantidad> habilitados_{};
    std::array<bool, botones_utilcx::Cantidad> visibles_{};
    bool conTitulo_ = true;
    bool enabled_ = true;
    qint16 theme_ = 0;

    QBoxLayout* disposicion_ = nullptr;       // the control: the bar and the free space beside it
    QFrame* barra_ = nullptr;
    QBoxLayout* disposicionBarra_ = nullptr;  // the bar: the buttons and the space after them
    std::array<QToolButton*, botones_utilcx::Cantidad> botones_{};
    Qt::Orientation orientacion_ = Qt::Horizontal;
    QString rutaIconos_;
    bool refrescoPendiente_ = false;
};
