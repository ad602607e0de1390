// The dialog service: every message box and input box of the program goes through it. The
// window layer installs the Qt implementation; tests install a scripted one; lower layers only
// see this interface, so no box is ever opened from the data layer directly.
#pragma once

#include <QList>
#include <QString>

namespace plataforma {

// Button sets, icons and default buttons of a message box; they add up into one style value.
namespace estilo {
inline constexpr int vbOKOnly = 0;
inline constexpr int vbOKCancel = 1;
inline constexpr int vbAbortRetryIgnore = 2;
inline constexpr int vbYesNoCancel = 3;
inline constexpr int vbYesNo = 4;
inline constexpr int vbRetryCancel = 5;
inline constexpr int vbCritical = 16;
inline constexpr int vbQuestion = 32;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;
inline constexpr int vbDefaultButton1 = 0;
inline constexpr int vbDefaultButton2 = 256;
inline constexpr int vbDefaultButton3 = 512;
}  // namespace estilo

// The answers a message box returns.
namespace respuesta {
inline constexpr int vbOK = 1;
inline constexpr int vbCancel = 2;
inline constexpr int vbAbort = 3;
inline constexpr int vbRetry = 4;
inline constexpr int vbIgnore = 5;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;
}  // namespace respuesta

// The answers a box of that style can give, in button order (e.g. {6, 7} for vbYesNo).
QList<int> BotonesDeEstilo(int estilo);
// The answer of the default button of that style.
int RespuestaPorDefecto(int estilo);
// Esc and the window's close button answer only a box with Cancel, or with OK alone; 0 otherwise.
int RespuestaAlCerrar(int estilo);
// Spanish caption of an answer's button ("Aceptar", "Cancelar", "Anular", "Reintentar", "Omitir", "Sí", "No").
QString TextoBoton(int respuesta);

class ServicioDialogos {
public:
    virtual ~ServicioDialogos() = default;
    // Shows a modal message box and returns the answer (1-7).
    virtual int MsgBox(const QString& texto, int estilo, const QString& titulo) = 0;
    // Shows a modal input box; an empty text when cancelled, as on the original platform.
    virtual QString InputBox(const QString& texto, const QString& titulo, const QString& defecto) = 0;
};

// The installed service. Before any is installed, a console service writes the box to the
// standard error and answers with the default button (the command-line tools rely on it).
ServicioDialogos& Dialogos();
// Installs a service (not owned); nullptr restores the console service.
void InstalarDialogos(ServicioDialogos* servicio);

// The usual call: an empty title means the executable's name, as on the original platform.
int MsgBox(const QString& texto, int estilo = estilo::vbOKOnly, const QString& titulo = QString());
QString InputBox(const QString& texto, const QString& titulo = QString(), const QString& defecto = QString());

}  // namespace plataforma
