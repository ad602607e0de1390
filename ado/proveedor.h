// Connection strings: their keys read without case, and the engine each provider resolves to.
//
//   PROVIDER=SQLOLEDB with server (localdb) or (localdb)\<instance>, any case: the SQLite file
//     <application folder>/datos/<database>.db, the database named by "Initial Catalog" or
//     "Database" and the file found without case. A database that does not exist fails to open.
//   Microsoft.Jet.OLEDB.4.0 / 3.51: the SQLite file named by "Data Source" (relative names are
//     taken in the application folder).
//   Any other server, OraOLEDB.Oracle.1 and ODBC providers: the ODBC engine, not built yet; the
//     open fails with a connection error.
#pragma once

#include <QMap>
#include <QString>

namespace ado {

// Keys in upper case without surrounding blanks ("Database =" is "DATABASE"); values trimmed
// and unquoted.
QMap<QString, QString> LeerCadenaConexion(const QString& cadena);

enum class ClaseMotor { Sqlite, Odbc };

struct Destino {
    ClaseMotor motor = ClaseMotor::Odbc;
    QString proveedor;       // as written ("SQLOLEDB")
    QString origenErrores;   // Source of the errors ("Microsoft OLE DB Provider for SQL Server")
    QString baseDatos;       // DefaultDatabase
    QString ruta;            // the SQLite file
    QString servidor;
};

Destino ResolverProveedor(const QString& cadena);

// The file of a (localdb) database, whether it exists or not (for the tool that creates them).
QString RutaBaseLocal(const QString& baseDatos);

// Creates the file of a database on purpose (Open never creates one); an existing file is kept.
// Raises a runtime error when the file cannot be created.
void CrearBaseDatos(const QString& ruta);

}  // namespace ado
