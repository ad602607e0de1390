// The ADO Connection: opened with a connection string (see proveedor.h for how the provider is
// resolved), it runs T-SQL batches, transactions and schema queries and keeps the Errors of the
// last failure. Every failure fills Errors first and then raises a runtime error
// (plataforma::ErrorRuntime) whose number is the first record's and whose Source is the provider's.
//
// As in ADO, Errors is replaced when a call fails and left as it was when a call succeeds; the
// caller clears it. Cursors are always client-side: a recordset holds its rows in memory and
// never keeps the engine busy, whatever CursorLocation says.
#pragma once

#include "Constantes.h"
#include "Errors.h"

#include <QString>
#include <QVariant>
#include <cstdint>
#include <memory>

namespace ado {

class Recordset;
struct Nucleo;

// Operations that the test seam can make fail.
enum class Operacion { Abrir, Ejecutar, AbrirRecordset, Actualizar, Transaccion, Esquema, Cantidad };

// The description of the simulated lost connection (native error 11, SQL state 08S01).
inline constexpr const char* TextoErrorRed = "[DBNETLIB][ConnectionWrite (send()).]Error general de red. Compruebe la documentación de red.";

class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // An empty string opens the ConnectionString already set. 3705 when already open; a database
    // that does not exist or a provider without an engine fills Errors and raises 0x80004005.
    void Open(const QString& connectionString = QString(), const QString& userId = QString(),
              const QString& password = QString(), int options = -1);
    void Close();  // 3704 when not open
    int State() const;

    // Runs a batch; `recordsAffected` receives the rows changed by all its statements. The result
    // is the first statement's rows (open) or a closed recordset when no statement returns rows.
    Recordset Execute(const QString& commandText, int64_t* recordsAffected = nullptr, int options = -1);

    int BeginTrans();   // the new nesting level
    void CommitTrans();
    void RollbackTrans();

    // adSchemaTables (20) and adSchemaColumns (4); restrictions as ADO's array
    // (catalog, schema, table[, column]); empty entries match everything.
    Recordset OpenSchema(int schema, const QVariantList& restrictions = QVariantList());

    int CommandTimeout() const { return commandTimeout_; }
    void setCommandTimeout(int segundos);  // also the time a writer waits for another's lock
    int CursorLocation() const { return cursorLocation_; }
    void setCursorLocation(int valor) { cursorLocation_ = valor; }
    int IsolationLevel() const { return isolationLevel_; }
    void setIsolationLevel(int valor) { isolationLevel_ = valor; }
    QString DefaultDatabase() const;
    void setDefaultDatabase(const QString& nombre);
    QString ConnectionString() const { return connectionString_; }
    void setConnectionString(const QString& cadena);  // 3705 when open
    QString Provider() const;
    ado::Errors& Errors();
    const ado::Errors& Errors() const;

    // Test seam for lost-connection recovery: the next `veces` calls of `operacion` fail as a
    // dropped server connection does (0x80004005 with one record of native error 11, SQL state
    // 08S01 and TextoErrorRed). Kept across Close and Open.
    void SimularErrorRed(Operacion operacion, int veces = 1);
    // While true every call fails: Open with "server does not exist" (native 17), the rest with
    // the network error above.
    void SimularServidorCaido(bool caido);

    std::shared_ptr<Nucleo> nucleo() const { return nucleo_; }  // for Recordset

private:
    std::shared_ptr<Nucleo> nucleo_;
    QString connectionString_;
    QString baseDatos_;
    int commandTimeout_ = 30;
    int cursorLocation_ = adUseServer;
    int isolationLevel_ = adXactReadCommitted;
};

}  // namespace ado
