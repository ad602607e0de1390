// The interface every database engine behind a Connection implements (today SQLite; an ODBC
// engine later), and the one struct that gathers what differs from engine to engine.
#pragma once

#include "Errors.h"
#include "Resultado.h"

#include <QString>
#include <QVariant>
#include <exception>
#include <memory>
#include <vector>

namespace ado {

// Facts of one engine that the Connection and the Recordset need to know.
struct DatosMotor {
    QString proveedor;            // the provider as the connection string named it ("SQLOLEDB")
    QString origenErrores;        // Source of its error records and raised errors
    QString baseDatos;            // DefaultDatabase
    bool filasReleibles = false;  // a row just inserted can be read back (identity, defaults)
};

// An engine's failure: the error records the Connection copies into its Errors collection.
// The first record's Number is what the Connection raises.
class FalloMotor : public std::exception {
public:
    explicit FalloMotor(std::vector<Error> errores) : errores_(std::move(errores)) {}
    const std::vector<Error>& errores() const { return errores_; }
    const char* what() const noexcept override { return "database engine failure"; }

private:
    std::vector<Error> errores_;
};

// Where the generated writes of an updatable recordset go: one base table and its key.
struct TablaBase {
    QString nombre;
    std::vector<QString> clave;   // primary-key columns; empty when the table has none
};

class Motor {
public:
    virtual ~Motor() = default;
    virtual const DatosMotor& datos() const = 0;

    // Runs a batch (T-SQL, statements separated by line breaks). Returns the rows of the first
    // statement that yields rows (nullptr when none does) and adds every statement's changed
    // rows to `afectados`. Throws FalloMotor at the first failing statement.
    virtual std::unique_ptr<Resultado> ejecutar(const QString& lote, int64_t& afectados) = 0;

    // A statement already in the engine's own SQL with "?" parameters (the writes generated for
    // updatable recordsets); returns the rows changed.
    virtual int64_t ejecutarNativo(const QString& sql, const std::vector<QVariant>& parametros) = 0;
    // The row just inserted into `tabla`, as the given columns (nullptr when it cannot be read).
    virtual std::unique_ptr<Resultado> releerInsertada(const QString& tabla, std::shared_ptr<const Columnas> columnas) = 0;
    virtual TablaBase describirTabla(const QString& tabla) = 0;

    virtual void iniciarTransaccion() = 0;
    virtual void confirmarTransaccion() = 0;
    virtual void deshacerTransaccion() = 0;
    virtual int nivelTransaccion() const = 0;

    // Schema rowsets with ADO's column names; an empty restriction matches everything.
    virtual std::unique_ptr<Resultado> esquemaTablas(const QString& tabla) = 0;
    virtual std::unique_ptr<Resultado> esquemaColumnas(const QString& tabla, const QString& columna) = 0;

    virtual void fijarTiempoEspera(int segundos) = 0;
};

}  // namespace ado
