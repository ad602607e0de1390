// The helper component's system operations: machine and user names, a writable folder, window
// preparation and opening documents with the desktop's handler.
#pragma once

#include <QString>

class QWidget;

class Sistema {
public:
    QString NombreEquipo() const;
    QString NombreUsuarioSistema() const;
    // A writable folder for temporary files (the system's temporary folder).
    QString CarpetaAuxiliar() const;

    // Opens a file or a web address with the desktop's handler (xdg-open); the verb, parameters and folder
    // of the original call have no meaning here. True when the handler was started.
    bool AbrirDocumento(int ventana, const QString& verbo, const QString& archivo, const QString& parametros,
                        const QString& carpeta, int modo) const;

    // Window operations (defined in the helper's window library).
    void PrepararVentana(QWidget* ventana) const;  // gives the window the application's font
};
