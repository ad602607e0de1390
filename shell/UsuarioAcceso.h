// The application user: the check against TA_USUARIOS, the log-in attempts through the access
// dialog, and the access log (one Control_Acceso row per run, stamped at the exit).
#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

// Accepts the user: the database's own name without a password, or a TA_USUARIOS row of an
// accepted system whose decoded password equals `Clave` ignoring case. Sets gNombreUsuario when
// accepted. Errors reach the caller.
bool ValidarUsuario(const QString& Nombre, const QString& Clave);

// The system codes a user row must carry ("LOMBAR" alone for that program, else the suite's).
QStringList SistemasAceptados();

enum class ResultadoIngreso { Aceptado, OtraConexion };
// The attempts after a failed check: up to three through the access dialog. Returns Aceptado, or
// OtraConexion when the operator named another server or database (its values are left in
// `servidor` and `base` for the start-up to reconnect); ends the program on cancel or after the
// third failure.
ResultadoIngreso IntentosIngreso(QString& servidor, QString& base);

// The pending column list of AgregarCampo: column and finished literal.
using CamposPendientes = std::vector<std::pair<QString, QString>>;
// Adds a column and its literal: single quotes are removed from the value, "NULL" in any case is
// the bare Null, anything else goes through the literal helper with kind `Tipo`.
void AgregarCampo(CamposPendientes& lista, const QString& Campo, QString& Valor, const QString& Tipo, bool Reiniciar);
// INSERT (or UPDATE ... SET ... WHERE) of the pending columns, appended to `Sentencias` with an
// empty entry after it; the list is emptied unless `Conservar`.
void ArmarSentencia(CamposPendientes& ListaCampos, QStringList& Sentencias, const QString& Tabla, bool EsUpdate,
                    const QString& Where, bool Conservar);

// Writes this run's Control_Acceso row and keeps its Id in gIdControlAcceso.
void EscribirFilaAcceso(const QString& formulario, const QString& tarea);
// Stamps the exit time on this run's row.
void RegistrarEgreso();
