// The error row: a failed statement or script stored in the table AUX_ERR of the main session,
// for the update script runner.
#pragma once

#include <QString>
#include <cstdint>

// Adds one row to AUX_ERR (process, date "dd/mm/yy hh:mm", error number, description cut to 250
// characters, statement, computer and application user). An empty Proceso becomes the
// executable's name, in the caller's variable too. Never reports a failure of its own.
void RegistrarError(const QString& Sql, QString& Proceso, int32_t NumeroError, const QString& Descripcion);
