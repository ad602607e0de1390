// A SQL Server script as an Oracle connection runs it: one statement at a time, with the
// transaction statements turned into the connection's transaction calls.
#pragma once

#include "ErrorEjecucion.h"

#include <QString>
#include <optional>
#include <vector>

namespace basedatos {

struct PasoScriptOracle {
    enum class Tipo { Sentencia, BeginTrans, CommitTrans, RollbackTrans };
    Tipo tipo = Tipo::Sentencia;
    // The statement as cut from the prepared script, trimmed.
    QString original;
    // For a statement: the text to execute, translated and filtered. Blank means that there is
    // nothing to execute (a SET NOCOUNT or IF NOT EXISTS fragment), but the step still counts.
    QString sentencia;
    // The translation failed (an unpaired quote): the runner raises this error when it reaches
    // the step, after executing the ones before it. No step follows one with an error.
    std::optional<plataforma::ErrorEjecucion> error;
    // The prepared script that remains once this step has run; the runner stores it in the
    // caller's variable after each successful step, so a repeated call resumes at the step that
    // failed. Empty after the last step.
    QString resto;
};

struct ScriptOracle {
    // The script after removing SET NOCOUNT and GO separators, turning line breaks into blanks
    // and renaming the transaction statements; what the caller's variable holds before the
    // first step. Quoted texts are left as they are.
    QString preparado;
    std::vector<PasoScriptOracle> pasos;
};

// The statement keywords that start a statement of a script, in the order they are looked for.
// Anything else (SELECT, DECLARE, EXEC, ...) stays attached to the statement before it, and text
// before the first keyword is dropped.
inline constexpr const char* PalabrasSentencia[] = {
    "INSERT ", "DELETE ", "UPDATE ", "CREATE ", "DROP ", "ALTER ",
    "SET TRANSACTION", "COMMIT", "ROLLBACK", "IF NOT EXIST", "IF EXIST", "GRANT "};

}  // namespace basedatos
