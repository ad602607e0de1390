// The ADO Recordset, always a client-side static cursor: Open reads every row into memory (so it
// never holds the engine busy) and moves, fields and GetRows work on that copy. A recordset
// opened with a lock type other than read-only on a query of one table is updatable: AddNew,
// field assignment, Update and Delete write through INSERT/UPDATE/DELETE generated on the
// table's primary key (all its columns when it has none). An UPDATE or DELETE whose row changed
// in the columns it compares, or disappeared, raises "row cannot be located" (0x80040E38)
// instead of writing. Text longer than its declared column raises the truncation error
// (native 8152) before anything is written.
#pragma once

#include "Constantes.h"
#include "Field.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <memory>

namespace ado {

class Connection;
class Resultado;
struct Nucleo;
struct EstadoRecordset;

// The Fields collection of a recordset.
class Campos {
public:
    explicit Campos(EstadoRecordset* estado) : estado_(estado) {}
    int Count() const;
    Field& Item(int indice);          // 0-based; 3265 when out of range
    Field& Item(const QString& nombre);  // found without case; 3265 when absent
    Field& operator[](int indice) { return Item(indice); }
    Field& operator[](const QString& nombre) { return Item(nombre); }

private:
    EstadoRecordset* estado_;
};

class Recordset {
public:
    Recordset();
    ~Recordset();
    Recordset(Recordset&&) noexcept;
    Recordset& operator=(Recordset&&) noexcept;

    // 3705 when open, 3709 when the connection is closed; options adCmdTable (2) takes the
    // source as a table name.
    void Open(const QString& source, Connection& connection, int cursorType = adOpenForwardOnly,
              int lockType = adLockReadOnly, int options = adCmdUnspecified);
    void Close();  // 3704 when closed, 3219 while an edit is pending
    int State() const;

    bool BOF() const;
    bool Eof() const;   // ADO's EOF, which the C library takes as a macro name
    void MoveFirst();
    void MoveNext();       // 3021 past the end
    void MovePrevious();   // 3021 before the start
    void MoveLast();
    int RecordCount() const;
    int AbsolutePosition() const;  // 1-based; -2 at BOF, -3 at EOF
    // The rows from the current one on, at most `filas` of them (-1: all), as [field][row];
    // the position ends after the last row read.
    QList<QVariantList> GetRows(int filas = -1);

    Campos& Fields();
    Field& Fields(int indice) { return Fields().Item(indice); }
    Field& Fields(const QString& nombre) { return Fields().Item(nombre); }

    void AddNew();
    void Update();
    void CancelUpdate();
    void Delete();   // the current row only; the position moves to the next row
    int EditMode() const;

    int CursorType() const;
    int LockType() const;
    QString Source() const;

    // Used by Connection::Execute and OpenSchema.
    void abrirConResultado(std::shared_ptr<Nucleo> nucleo, std::unique_ptr<Resultado> filas, const QString& source);

private:
    std::unique_ptr<EstadoRecordset> e_;
};

}  // namespace ado
