// A column of an open recordset, read on the current row. Null reads as a null QVariant holding
// nullptr (ado::Nulo()); an invalid QVariant (Empty) written to a field stores Null as well.
#pragma once

#include <QString>
#include <QVariant>
#include <cstdint>

namespace ado {

struct EstadoRecordset;

inline QVariant Nulo() { return QVariant::fromValue(nullptr); }
inline bool EsNulo(const QVariant& v) { return !v.isValid() || v.isNull(); }

class Field {
public:
    Field(EstadoRecordset* estado, int indice) : estado_(estado), indice_(indice) {}

    QString Name() const;
    int Type() const;               // ADO DataTypeEnum (adVarChar 200, adInteger 3...)
    int64_t DefinedSize() const;    // characters for text columns
    // The value on the current row (3021 at BOF or EOF); text converted only when read.
    QVariant Value() const;
    // Starts or continues an edit of the current row; 3421 when the value does not fit the type,
    // 3251 on a read-only recordset.
    void setValue(const QVariant& valor);
    Field& operator=(const QVariant& valor) { setValue(valor); return *this; }
    QVariant OriginalValue() const;
    int Index() const { return indice_; }

private:
    EstadoRecordset* estado_;
    int indice_;
};

}  // namespace ado
