// velmora-db traducir: the emulation's statements for SQLite, the prepared statement for Oracle.
#include "TraducirSql.h"

#include "DB_Dll.h"
#include "Sinonimos.h"
#include "tsql_sqlite.h"

#include <QStringList>

namespace velmoradb {

namespace {

QString TextoSqlite(const QString& sql) {
    QStringList sentencias;
    for (const ado::tsql::Sentencia& s : ado::tsql::TraducirLote(sql)) {
        switch (s.clase) {
        case ado::tsql::ClaseSentencia::Comun: sentencias << QString::fromUtf8(s.sql); break;
        // Only the outermost BEGIN and COMMIT reach the engine; nested ones are counted.
        case ado::tsql::ClaseSentencia::Iniciar: sentencias << QStringLiteral("BEGIN IMMEDIATE"); break;
        case ado::tsql::ClaseSentencia::Confirmar: sentencias << QStringLiteral("COMMIT"); break;
        case ado::tsql::ClaseSentencia::Deshacer: sentencias << QStringLiteral("ROLLBACK"); break;
        }
    }
    return sentencias.join(QStringLiteral(";\n"));
}

QString TextoOracle(const QString& sql, bool usuarioComun) {
    // The statement as Ta_Quendal prepares it on an Oracle connection: synonyms first (the
    // program's name decides a few of them), then the dialect, which only acts when the
    // connection string names the Oracle provider.
    const basedatos::ContextoSinonimos contexto{!usuarioComun, false, QStringLiteral("Ta_Quendal")};
    DB_Dll oracle;
    oracle.gConnString = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=VELMORA;User Id=VELMORA;Password=VELMORA;");
    return oracle.ORACLE_Dicc(basedatos::ReescribirSinonimos(sql, contexto));
}

}  // namespace

QString TraducirSql(const QString& sql, MotorDestino motor, bool usuarioComun) {
    return motor == MotorDestino::Sqlite ? TextoSqlite(sql) : TextoOracle(sql, usuarioComun);
}

}  // namespace velmoradb
