// The SQLite engine behind a Connection: a database file in WAL mode with foreign keys on and a
// busy timeout (the command time-out), so several programs share one file and writers wait for
// each other; T-SQL emulated by tsql_sqlite; SQL Server's text rules through the collation TEXTO
// and the functions LIKE, LEN, CHARINDEX, UPPER, LOWER and getDate(); SQLite's failures mapped
// onto SQL Server's native numbers.
#pragma once

#include "Motor.h"

#include <memory>

struct sqlite3;

namespace ado {

// Opens an existing database file (never creates one); throws FalloMotor when it cannot.
std::unique_ptr<Motor> AbrirMotorSqlite(const QString& ruta, const DatosMotor& datos);

// Creates an empty database file in WAL mode (folders included); throws FalloMotor when it cannot.
// An existing file is left as it is.
void CrearArchivoSqlite(const QString& ruta);

// Registers the collation and the functions of the T-SQL emulation on a connection opened by
// other means (the tools that inspect a file with the sqlite3 API directly). Returns SQLITE_OK or
// the first failure's code.
int RegistrarEmulacion(sqlite3* db);

}  // namespace ado
