// "Tipos de Vehiculos": the program's window, which maintains TA_QUENDAL (code and description)
// by keyboard in two states: code entry (only the code box open, the next free code proposed)
// and detail editing (every box open, once the code check has decided between a new record and
// an existing one). The action toolbar turns buttons and function keys into action words.
//
// Keys: the window sees every key before its boxes through an event filter on its own widgets
// (never application-wide, so a message box keeps its own keys), passes it to the toolbar's key
// analysis and then to the box's handler; characters typed into a box go through the helper's
// key filter. A message box opening is not the box losing the focus.
#pragma once

#include "Recordset.h"

#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>

class ConsultaCompartida;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class UtilCx;

class FRMTA_QUENDAL final : public QWidget {
    Q_OBJECT
public:
    // `gConsulta` receives the connection at load (none: nothing to wire).
    explicit FRMTA_QUENDAL(ConsultaCompartida* gConsulta = nullptr, QWidget* padre = nullptr);
    ~FRMTA_QUENDAL() override;

    // Controls.
    UtilCx* UtilCx1 = nullptr;
    QFrame* FrmDatos = nullptr;
    std::array<QLineEdit*, 2> txtFields{};  // 0 the code (codigo), 1 the description (descripcion)
    std::array<QLabel*, 11> lblLabels{};    // only 3, 6, 8 and 10 exist

    // Window state.
    bool Nuevo = false;
    bool Baja = false;
    bool Modificacion = false;
    bool Grabando = false;
    int16_t IndiceActual = 0;
    QString TablaActiva;
    bool HayError = false;
    ado::Recordset Registro;

    // The start-up, the skin and the first state. Start-up failures end the program.
    void Form_Load();
    void Inicializa();
    void InicializaDetalle();
    void DetalleOn(bool Off);
    void UtilCx1_click(const QString& BTag);
    void Form_KeyDown(int KeyCode, int Shift);
    // Shutdown: the exit stamp on the access row, the shared objects released, the program ends.
    void Form_Unload(int& Cancel);

    // Field events and validation.
    void txtFields_GotFocus(int index);
    void txtFields_LostFocus(int index);
    void txtFields_KeyDown(int index, int KeyCode, int Shift);
    void txtFields_MouseDown(int index, int Button, int Shift, int X, int Y);
    void CampoValida(int index, QLineEdit* Texto);
    bool Datosvalidos();

    // Record persistence.
    void AbrirRecordset(const QString& tabla);
    void CargarRegistro();
    void GrabarRegistro();

    // The lookup of the focused box's table; only a box with a tag has one.
    void ConsultarCampo();

    // The box of an index, nullptr outside the array.
    QLineEdit* Caja(int index) const;

Q_SIGNALS:
    // ConsultarCampo reached the lookup of `tabla` (the box's tag). The lookup windows answer it.
    void consultaPedida(const QString& tabla);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    int IndiceDe(const QObject* objeto) const;
    bool TeclaPulsada(int index, QKeyEvent* tecla);
    void FocoEnCodigo();
    void PosicionarRegistro();
    void CerrarCuandoLibre();

    ConsultaCompartida* gConsulta_ = nullptr;
    bool descargada_ = false;
    int cajaPrestada_ = -1;
    int manejadoresActivos_ = 0;  // handlers of the window running now (nested ones included)
    bool cerrando_ = false;       // "CERRAR" was asked for: no more keys until the window closes  // the box whose focus went to another window, until it comes back
};
