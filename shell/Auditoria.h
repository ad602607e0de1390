// The record action audit: one row of V_MV_CPTEACCIONES per action a user takes on a voucher or
// record (in this program, each rejected log-in).
#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

using ColumnasValores = std::vector<std::pair<QString, QString>>;  // column, finished literal

// Appends "(columns) VALUES (values)" to the statement; empties the list when `Liberar`.
void ArmarInsert(QString& Sentencia, ColumnasValores& lista, bool Liberar);

// Writes the audit row; continue-on-error, nothing is reported. Every value reaches the
// statement through the literal helper, so a quote typed anywhere is stored as typed.
void RegistrarAccion(const QString& TC, const QString& IdComprobante, QString& IdComplemento, bool Alta, bool Modificacion,
                     bool Baja, const QString& Observacion, const QString& Cuenta, bool EsError);
