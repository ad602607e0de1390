// The connection dialog that OpenServerADODB shows when it must ask for the parameters. The
// access dialog window implements it and app/ installs it, so this library never reaches up
// into the windows.
#pragma once

#include <QString>

namespace basedatos {

// The boxes of the dialog: database, server, user, password and the platform list
// (0 = SQL Server, 1 = Oracle).
struct ParametrosConexion {
    QString baseDatos;
    QString servidor;
    QString usuario;
    QString clave;
    int plataforma = 0;
};

class DialogoConexion {
public:
    virtual ~DialogoConexion() = default;
    // Shows the dialog modally with `valores` in its boxes; true when the operator pressed
    // "Conectar", and `valores` then holds what the boxes hold.
    virtual bool PedirConexion(ParametrosConexion& valores) = 0;
};

// Installs the dialog (not owned); nullptr removes it. With none installed a request for
// parameters behaves as a cancelled dialog.
void InstalarDialogoConexion(DialogoConexion* dialogo);
DialogoConexion* DialogoConexionInstalado();

}  // namespace basedatos
