// The error box both the shell and the database object show: the error's number and text, the
// operator's answer, and one line appended to a text log per answered box.
#pragma once

#include "ErrorEjecucion.h"

#include <QDateTime>
#include <QString>
#include <optional>

namespace plataforma {

// The answer's word in the log: 4 "Reintentar", 5 "Ignorar", 3 "Abortar", 2 "Cancelar", 6 "Sí",
// 7 "No"; empty for any other answer.
QString PalabraRespuesta(int respuesta);

// "12-31-2026 23:59:07 Rutina: - Cfg Mensaje Ha ocurrido ... Respondió : Ignorar" (month first).
QString LineaRegistroError(const QDateTime& momento, const QString& rutina, const QString& mensaje, int respuesta);

struct CajaError {
    QString rutaRegistro;  // the log file
    QString finTitulo;     // " Aviso al operador!!! - 2 " (shell) or " - 5 " (database object)
    // The shell's box opens (and so creates) its log before deciding whether to show anything.
    bool abrirRegistroAntes = false;
};

// Shows the box for `error` (style 18, Abort/Retry/Ignore with the critical icon, unless
// `botones` says otherwise), logs the answer and returns it; 0 without box or line when the error
// number is 0. Never raises: a log that cannot be written loses its line, the box is still shown.
int MostrarCajaError(const CajaError& caja, const ErrorEjecucion& error, std::optional<int> botones, const QString& rutina);

}  // namespace plataforma
