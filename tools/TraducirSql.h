// The text each engine receives for a statement the programs write in SQL Server's dialect.
#pragma once

#include <QString>

namespace velmoradb {

enum class MotorDestino { Sqlite, Oracle };

// sqlite: the statements of the emulation, joined by ";" and a line break (transaction requests
// shown as the engine runs them). oracle: the administrator's (or ordinary user's) synonym
// rewriting, then the Oracle dialect. Raises plataforma::ErrorRuntime when the text cannot be
// translated (a quote left open).
QString TraducirSql(const QString& sql, MotorDestino motor, bool usuarioComun);

}  // namespace velmoradb
