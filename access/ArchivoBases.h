// "BASES.TXT", the connections registered on this machine: one line of five comma-separated
// fields per connection (entry name, database, user, encoded password, server), Windows-1252, CR LF.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

struct ConexionRegistrada {
    QString nombre;    // "ALMACEN / SRV01"
    QString base;      // as typed
    QString usuario;   // the database name, the suite's convention
    QString clave;     // encoded
    QString servidor;  // as typed, may end in ":port"
};

// The file's path in the application folder.
QString RutaArchivoBases();

// The entry name of a connection: "ALMACEN / SRV01" for the database "Almacen" on "srv01:1433".
QString NombreConexion(const QString& base, const QString& servidor);

// Appends one connection (password in clear; it is written encoded). A last line without its
// CR LF gets one first. Raises the runtime error of the file operation that failed.
void GrabarConexion(const QString& nombre, const QString& base, const QString& usuario, const QString& clave,
                    const QString& servidor);

// Every record of the file, read field by field the way the original's sequential input does:
// fields end at a comma or a line end, blanks around them are dropped, double quotes may enclose
// one, and a line with fewer than five fields is completed by the next line's fields. Blank lines
// are skipped. Raises the runtime error when the file exists but cannot be read.
std::vector<ConexionRegistrada> LeerConexiones(const QString& ruta);
