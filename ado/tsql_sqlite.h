// The T-SQL the program writes, turned into SQLite statements: the batch is split into
// statements and each statement is rewritten on tokens, so text inside string literals, quoted
// names and comments is never touched.
//
// What is emulated: table hints (with(nolock)...) dropped; TOP n (also inside sub-queries) as
// LIMIT n at the end of its SELECT, TOP 100 PERCENT dropped; [names] as "names"; dbo. dropped;
// N'..' as '..'; ISNULL( as IFNULL(; @@IDENTITY and SCOPE_IDENTITY() as last_insert_rowid();
// DELETE t as DELETE FROM t; every string literal outside CREATE/ALTER TABLE gets COLLATE TEXTO so a
// comparison with any expression (LTRIM(RTRIM(col)) = 'x') follows SQL Server's text rules; in
// CREATE TABLE and ALTER TABLE ... ADD, text columns get COLLATE TEXTO and, for char(n) and
// varchar(n), a CHECK named LARGO_<column> that the engine maps to the truncation error 8152;
// IDENTITY columns become INTEGER PRIMARY KEY AUTOINCREMENT (a table-level PRIMARY KEY on that
// column is left out; a table keyed on other columns cannot have one: its CREATE fails); CLUSTERED and
// ON [PRIMARY] are dropped; bracketed types ([varchar](50)) are read as types.
// getDate(), LEN, CHARINDEX, UPPER, LOWER and LIKE are functions the engine registers.
//
// Splitting: a statement ends at ";", at a GO line, or where a statement keyword starts a new
// one at parenthesis depth 0 (INSERT ... SELECT, UNION SELECT, ON DELETE, UPDATE ... SET and
// ALTER ... DROP continue their statement; a CREATE TRIGGER is kept whole up to its END).
// BEGIN/COMMIT/ROLLBACK TRAN[SACTION] become transaction requests for the engine; SET NOCOUNT
// and the other session options are dropped.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace ado::tsql {

enum class ClaseSentencia { Comun, Iniciar, Confirmar, Deshacer };

struct Sentencia {
    ClaseSentencia clase = ClaseSentencia::Comun;
    QByteArray sql;    // UTF-8, empty for the transaction requests
};

std::vector<Sentencia> TraducirLote(const QString& lote);

// The name of the text collation the engine registers and the translation assigns.
inline constexpr const char* Colacion = "TEXTO";
// Prefix of the CHECK constraints whose failure is reported as text longer than its column.
inline constexpr const char* PrefijoLargo = "LARGO_";

}  // namespace ado::tsql
