// "Control de Acceso": the window where the operator gives user, password, database, server and
// platform, picks a registered connection, registers one, or creates a desktop launcher. Callers
// fill the boxes, show it modally, then read Aceptar and the boxes; a fresh window per request.
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class frmAcceso final : public QDialog {
    Q_OBJECT
public:
    explicit frmAcceso(QWidget* padre = nullptr);

    bool Aceptar = false;

    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;  // the link
    QLineEdit* TxtUserId = nullptr;
    QLineEdit* TxtUserPassword = nullptr;
    QLineEdit* TxtDbName = nullptr;
    QLineEdit* TxtServidor = nullptr;
    QLineEdit* TxtPuerto = nullptr;
    QComboBox* CboPlataformaDB = nullptr;
    QListWidget* lstBases = nullptr;
    QPushButton* CmdRegistrar = nullptr;
    QPushButton* CmdLineaComando = nullptr;
    QPushButton* bcAceptar = nullptr;
    QPushButton* bcCancelar = nullptr;

    // The hint a box shows while it holds nothing typed ("" for the password box).
    static QString Pista(const QLineEdit* caja, const frmAcceso& ventana);

    // The web address of the link: key "Enlace" of section "Acceso" in Velmora.INI.
    static QString DireccionEnlace();

    // Button handlers, public so that callers and tests can run them as a click would.
    void bcAceptar_Click();
    void bcCancelar_Click();
    void CmdRegistrar_Click();
    void CmdLineaComando_Click();
    void lstBases_DblClick();

    // Tests the connection by opening and closing the main session's connection with that string;
    // gOpenFlag is not changed. False on any failure.
    static bool ExisteBaseDeDatos(const QString& servidor, const QString& dbname, const QString& usuario, const QString& password,
                                  const QString& proveedor);

    // The launcher "Crear Acceso Directo" writes into `carpetaEscritorio` (empty: the user's desktop).
    static bool CrearAccesoDirecto(const QString& carpetaEscritorio = QString());

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    void MensajeInicial(QLineEdit* caja);
    void AbrirEnlaceConfigurado();
    void AsignarDatosBase();
    void llenarlist();
    void DatosBase(const QString& nombre);
    void RegistrarBases();

    QString baseEncontrada_;
    QString servidorEncontrado_;
    QString puertoRecordado_;
};
