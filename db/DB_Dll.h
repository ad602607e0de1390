// The database object: one connection, the settings it is built from, and every database service
// of the program (statement execution with lost-connection recovery, ready-made queries,
// literals, synonyms, the Oracle dialect, schema queries, its error box). The program shares one
// instance, SesionDB (installed as the main instance); the shell keeps a second one for statistics.
#pragma once

#include "Connection.h"
#include "ErrorEjecucion.h"
#include "Recordset.h"
#include "ScriptOracle.h"

#include <QString>
#include <QVariant>
#include <cstdint>
#include <memory>
#include <optional>

class DB_Dll {
public:
    DB_Dll();
    ~DB_Dll();
    DB_Dll(const DB_Dll&) = delete;
    DB_Dll& operator=(const DB_Dll&) = delete;

    // The main instance (SesionDB), which app/ installs at start-up. Several members read the
    // main instance's connection or settings rather than their own (the lost-connection box, the
    // administrator check, the network-error test); with none installed they read their own.
    static void InstalarPrincipal(DB_Dll* principal);
    static DB_Dll* Principal();

    // ---- Properties, in the order the suite's programs know them ----------------------------
    QString gUsuarioClave;          // offered in the password box of the connection dialog
    // CmdDlg: the open-file dialog of OpenLocalADODB is the file chooser that the window layer
    // installs (ElectorArchivo.h), since this library links no widgets.
    bool gOpenFlag = false;         // the last open or reconnection left a usable connection
    QVariant gIgnoraPassWord;       // true: a file database asking for a password gets gUserPassWord
    // The object's connection, created empty on first use.
    ado::Connection& gCnn();
    ado::Recordset glrcs;           // kept for the suite's programs; unused by the object
    QVariant gCursorLocation;       // unused by the object
    QString gProveedor;             // OLE DB provider name; "OraOLEDB.Oracle.1" marks Oracle
    QString gDsn;                   // unused by the object
    QString gServidor;              // server, maybe with "\instance"; a "#" marks an Oracle source
    QString gDBName;                // database, Oracle data source or file path
    QString gUsuario;               // database login
    bool gEsAdmin = false;          // the signed-in application user is an administrator
    QString gUserPassWord;          // database password
    QString gConnString;            // connection string last given or built
    QString gExtended;              // extra properties appended to a built connection string
    QString gLogErr;                // error log path; empty means CXERR.LOG in the program folder
    bool ParametrosSQL = false;     // unused by the object
    int16_t gCXTimeOut = 0;         // unused by the object

    // The company's confidentiality setting ("SS_CONFIDENCIALIDAD"), which decides whether
    // statements on MV_ASIENTOS read the synonyms. It belongs to the shell's configuration, and
    // this library must not reach up into the shell: the shell copies the value here after
    // loading the configuration (and again whenever it reloads it), for every instance it uses.
    bool gConfidencialidad = false;
    // The signed-in application user's name (the shell's gNombreUsuario), copied here by the
    // shell once the user is known, for the same reason: the administrator check of
    // OpenServerADODB looks it up in TA_USUARIOS and the connection dialog offers it.
    QString gNombreUsuarioSesion;

    // ---- Provider names ---------------------------------------------------------------------
    static QString pSQLOLEDB() { return QStringLiteral("SQLOLEDB"); }
    static QString pJETOLEDB40() { return QStringLiteral("Microsoft.Jet.OLEDB.4.0"); }
    static QString pJETOLEDB35() { return QStringLiteral("Microsoft.Jet.OLEDB.3.51"); }

    // ---- Connection (conexion.cpp) ------------------------------------------------------------
    // Opens gCnn on SQL Server or Oracle; the caller reads gOpenFlag afterwards. PideParametrosSQL
    // asks through the installed connection dialog (DialogoConexion.h) first; a non-blank
    // ConnString is used as it is; ValidaAdmin sets gEsAdmin from TA_USUARIOS; MuestraError shows
    // connection errors (Yes in the box asks for the parameters again).
    void OpenServerADODB(bool PideParametrosSQL = false, int lCursor = ado::adUseClient, const QString& ConnString = QString(),
                         bool ValidaAdmin = true, bool MuestraError = true);
    // Closes and reopens gCnn with its own connection string; gOpenFlag tells whether it is back.
    void ReintentaConectar();
    // Opens a file database (the Jet providers open a SQLite file here). With gDBName blank the
    // file is asked for through the installed file chooser; none installed counts as cancelled.
    // gOpenFlag is not touched.
    void OpenLocalADODB(const QString& ConnString = QString(), const QString& CadenaID = QStringLiteral("User Id"),
                        const QString& CadenaPWD = QStringLiteral("Password"));

    // ---- Statement execution (ejecucion.cpp) ---------------------------------------------------
    // Runs an action statement (a script on Oracle) on gCnn. The caller's variable receives the
    // prepared statement (on Oracle: the part not run yet). Nothing is raised: a dropped
    // connection is reopened and the statement repeated (the operator is asked when the server
    // stays away; "No" ends the program), any other failure is left in the main instance's
    // Errors for the caller to read. Statements naming TRANS are never repeated.
    void EjecutaConsultaSQL(QString& SentenciaSQL, int64_t* RecordsAffected = nullptr, ado::Recordset* Lrcs = nullptr);
    void EjecutaConsultaSQL(const QString& SentenciaSQL, int64_t* RecordsAffected = nullptr, ado::Recordset* Lrcs = nullptr);
    // The same without reconnection: failures other than the usual SQL ones are shown in a box.
    void EjecutaConsultaRSQL(QString& SentenciaSQL, int64_t* RecordsAffected = nullptr, ado::Recordset* Lrcs = nullptr);
    // Opens Lrcs (closed first) on the statement rewritten for synonyms (the caller's variable
    // receives it) and, on Oracle with ConvOracle, translated; Conexionactiva defaults to gCnn.
    // Errors go to TratamientoErrores; then pending paint and timer events run.
    void AbrirRecordset(QString& SentenciaSQL, ado::Recordset& Lrcs, ado::Connection* Conexionactiva = nullptr,
                        int CursorType = ado::adOpenForwardOnly, int LockType = ado::adLockReadOnly,
                        int Options = ado::adCmdUnspecified, bool ConvOracle = true);
    void AbrirRecordset(const QString& SentenciaSQL, ado::Recordset& Lrcs, ado::Connection* Conexionactiva = nullptr,
                        int CursorType = ado::adOpenForwardOnly, int LockType = ado::adLockReadOnly,
                        int Options = ado::adCmdUnspecified, bool ConvOracle = true);
    // Closes the recordset when open; a pending edit is cancelled first.
    void CierraRecordset(ado::Recordset& LrcsTemp);
    // Kept for the suite's programs; they do nothing.
    void QConsulta(const QString&, const QVariant&, const QVariant&, const QVariant&,
                   const QString& = QStringLiteral("Codigo"), const QString& = QString()) {}
    void QGridConsulta(const QString&, const QVariant&, const QString&, const QVariant& = QVariant(),
                       const QVariant& = QVariant()) {}

    // ---- Existence checks and aggregates (consultas.cpp) ----------------------------------------
    // Tipodato: 8 text (the value becomes a quoted literal, its quotes doubled), 7 date (already
    // in SQL form), 3/4/5 number, anything else written as given. A Condicion replaces the key test.
    // With Lrcs the rows stay there for the caller, on the first one.
    bool ExisteEnTabla(const QString& Tabla, const QVariant& ValorBuscado, const QString& Campo = QStringLiteral("Codigo"),
                       ado::Recordset* Lrcs = nullptr, const QVariant& Tipodato = 8, const QString& Condicion = QString(),
                       bool SoloLectura = true);
    // The same untrimmed, without synonyms or translation, on the main instance's connection.
    bool ExisteEnTablaST(const QString& Tabla, const QVariant& ValorBuscado, const QString& Campo = QStringLiteral("Codigo"),
                         ado::Recordset* Lrcs = nullptr, const QVariant& Tipodato = 8, const QString& Condicion = QString(),
                         bool SoloLectura = false);
    // The text of CampoDevuelto of the first matching row; "" when none (or Null); an invalid
    // QVariant when gOpenFlag is down. Tipodato "'" is text too.
    QVariant DatosTabla(const QString& Tabla, const QVariant& ValorBuscado, const QString& CampoDevuelto,
                        const QString& Campo = QStringLiteral("Codigo"), const QVariant& Tipodato = 8,
                        const QString& Condicion = QString(), bool UsaTrim = true, bool IgnoraError = false);
    // Largest value (Tipo 7: as read, else as a number); invalid when the table gives no row.
    // On V_MA_ARTICULOS codes starting with 0 are left out when the largest one does, and the
    // caller's Condicion receives the extended condition. Errors reach the caller.
    QVariant BuscaMaximo(const QString& QueTabla, const QString& QueCampo, const QVariant& Tipo = QVariant(),
                         QString* Condicion = nullptr);
    QVariant BuscaMinimo(const QString& QueTabla, const QString& QueCampo, const QVariant& Tipo = QVariant(),
                         const QString& Condicion = QString());
    QVariant BuscaUltimoCodigo(const QString& QueTabla, const QString& QueCampo, const QVariant& Tipo = 8,
                               const QString& Condicion = QString());

    // ---- Schema (esquema.cpp) ------------------------------------------------------------------
    bool ExisteTablaDB(const QString& Tabla);
    bool ExisteCampoDB(const QString& Tabla, const QString& Campo);  // always true on Oracle
    void AddField(const QString& Tabla, const QString& Campo, const QString& Tipo, bool PermiteNulos,
                  const QVariant& ValorDefault = QVariant());
    bool VerCampoDB(const QString& Tabla, const QString& Campo, bool Agregar = true, const QString& Tipo = QString(),
                    bool PermiteNulos = false, const QVariant& ValorDefault = QVariant());

    // ---- Error box (errores.cpp) ---------------------------------------------------------------
    // gLogErr as a property: any value is stored as its text.
    QString ArchivoErrores() const { return gLogErr; }
    void setArchivoErrores(const QVariant& valor) { gLogErr = valor.toString(); }
    // The operator's box for a runtime error (Abort/Retry/Ignore unless Botones says otherwise),
    // logged in gLogErr or CXERR.LOG beside the program; returns the answer, 0 for error 0.
    int16_t TratamientoErrores(const plataforma::ErrorEjecucion& CodErr, std::optional<int> Botones = std::nullopt,
                               const QString& Rutina = QString());

    // ---- Field types and literals (literales.cpp) ---------------------------------------------
    // Whether an ADO type code (a number or its text) is a date, text, number, money or boolean
    // type. Money and boolean are not numbers.
    static bool adodate(const QVariant& Qtype);
    static bool ADOText(const QVariant& Qtype);
    static bool ADONumeric(const QVariant& Qtype);
    static bool ADOCurrency(const QVariant& Qtype);
    static bool ADOBoolean(const QVariant& Qtype);
    // "'" for a date or text type, "" for any other.
    static QString ADOComilla(const QVariant& Qtype);

    // The SQL literal of a value. Tipo "'" (the default): the text between single quotes, its
    // own single quotes doubled, so that whatever was typed is stored as typed and cannot
    // change the statement; a Null value gives NULL. Tipo "@": a number with a decimal point
    // (Null and text that is no number give 0). Any other Tipo: the value's text as it is,
    // for SQL the program composes itself (never for typed text); Null gives NULL.
    // An Empty value (invalid QVariant) is the empty text, as in the original runtime.
    static QString SQLValue(const QVariant& Valor, const QString& Tipo = QStringLiteral("'"));
    static QString SQLValue2(const QVariant& Valor, const QString& Tipo = QStringLiteral("'"));

    // One side of a name with a single dot: the part after it when rnPart is non-zero, before it
    // when zero. A name with two or more dots loses its owner (StripOwner, also on rsName).
    static QString stSTF(QString& rsName, int rnPart);
    // [name] when the name holds a blank and is not bracketed yet.
    static QString AddBrackets(const QString& rObjName);
    // Without the first and last characters when the first is "["; "[" alone raises error 5.
    static QString StripBrackets(const QString& rsObjName);
    // Without everything up to the first dot; rsTblName is shortened too.
    static QString StripOwner(QString& rsTblName);
    // The text before " ->" (the character before the arrow is dropped); an arrow at the very
    // start raises error 5.
    static QString StripConnect(const QString& rsTblName);
    // The folder of a Windows path, without its closing backslash; "" when there is none.
    static QString StripFileName(const QString& rsFileName);

    // ---- Oracle dialect (dialecto_oracle.cpp) -------------------------------------------------
    // On an Oracle connection string, the statement translated from the SQL Server dialect
    // (TOP, LEN, brackets, quoted dates, CHARINDEX, CONVERT, = '', style 103, SUBSTRING,
    // ISNULL); a single word is only a function name ("LEN" gives "LENGTH"). Elsewhere the text
    // unchanged. Quoted texts are never rewritten, except that a quoted date becomes a TO_DATE.
    // A quote left open raises error 5.
    QString ORACLE_Dicc(const QString& Valor) const;
    // Empties S when it is a statement Oracle cannot run (SET NOCOUNT, an IF NOT EXISTS guard);
    // returns S.
    static QString FiltrarSentencia(QString& S);
    // A SQL Server script cut into the steps an Oracle connection runs one by one (see
    // ScriptOracle.h), each statement passed through ORACLE_Dicc and FiltrarSentencia (so it is
    // translated only when gConnString names Oracle). EjecutaScriptOracle executes the steps.
    basedatos::ScriptOracle PrepararScriptOracle(const QString& script) const;

    // ---- Admin prefix and synonyms (sinonimos.cpp) --------------------------------------------
    // The statement an ordinary user sends: the suite's confidential tables replaced by their
    // "SS_" synonyms; "@Admin_" prefixes removed (they ask for the real table). An
    // administrator's statement only loses the prefixes.
    QString SS_TSinonimos(const QString& sql) const;

private:
    // Runs a script on an Oracle connection, step by step (PrepararScriptOracle), adding each
    // statement's rows to RecordsAffected; `script` keeps the part not run yet, so a repeated
    // call resumes at the step that failed. Errors reach the caller.
    void EjecutaScriptOracle(QString& script, int64_t& RecordsAffected);
    // Sends a prepared statement on gCnn: a script step by step on Oracle, else one Execute.
    void EjecutarPreparada(QString& SentenciaSQL, int64_t* RecordsAffected, ado::Recordset* Lrcs);

    DB_Dll& principal();
    // Builds gConnString from the settings (SQL Server, or Oracle when gServidor holds "#").
    void ArmarCadenaConexion();
    // The connection dialog; false when cancelled (gOpenFlag is then false).
    bool PedirParametros();
    // After a network failure: reconnects, counting in `contador` (one call's retry counter),
    // asking the operator when the server stays away ("No" ends the program). True: repeat the
    // failed step; false: the connection came back too many times in this call.
    bool RecuperarConexion(int16_t& contador);

    std::unique_ptr<ado::Connection> cnn_;
};
