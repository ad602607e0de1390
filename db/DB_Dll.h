// The database object: the settings a connection is built from, the statement preparation
// (literals, synonyms, the Oracle dialect) and, once written, the connection and its services.
// The program shares one instance, SesionDB; the shell keeps a second one for statistics.
#pragma once

#include "ScriptOracle.h"

#include <QString>
#include <QVariant>
#include <cstdint>

class DB_Dll {
public:
    // ---- Properties, in the order the suite's programs know them ----------------------------
    QString gUsuarioClave;          // offered in the password box of the connection dialog
    // CmdDlg: the open-file dialog of the file-database opening goes here, as an interface the
    // window layer installs (this library links no widgets).
    bool gOpenFlag = false;         // the last open or reconnection left a usable connection
    QVariant gIgnoraPassWord;       // true: a file database asking for a password gets gUserPassWord
    // gCnn: the connection goes here, created empty on first use.
    // glrcs: a recordset kept for compatibility, unused by the object.
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

    // ---- Provider names ---------------------------------------------------------------------
    static QString pSQLOLEDB() { return QStringLiteral("SQLOLEDB"); }
    static QString pJETOLEDB40() { return QStringLiteral("Microsoft.Jet.OLEDB.4.0"); }
    static QString pJETOLEDB35() { return QStringLiteral("Microsoft.Jet.OLEDB.3.51"); }

    // Connection management (OpenServerADODB, ReintentaConectar, OpenLocalADODB), statement
    // execution (EjecutaConsultaSQL, EjecutaConsultaRSQL, AbrirRecordset, CierraRecordset,
    // QConsulta, QGridConsulta), existence checks and aggregates, schema helpers, the error box
    // (TratamientoErrores, ArchivoErrores) and EjecutaScriptOracle go here.

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
};
