// The shell's error box: the operator answers about a runtime error and the answer is logged in
// CXERR.LOG of the temporary folder. The database object has a twin of its own.
#pragma once

#include "ErrorEjecucion.h"

#include <optional>

// The folder of the shell's log: the value of "tmp" when "temp" is set (the suite has always
// tested one and taken the other), else the helper's writable folder; ends in "/".
QString CarpetaRegistroShell();

// Shows the box (Abort/Retry/Ignore unless `Botones` says otherwise) and returns the answer; 0
// when the error number is 0. Never raises.
int16_t MensajeError(const plataforma::ErrorEjecucion& CodErr, std::optional<int> Botones = std::nullopt,
                     const QString& Rutina = QString());
