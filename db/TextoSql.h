// Where the quoted texts of a statement lie. Statement rewriting looks only at the SQL around
// them, so that text typed by an operator (always inside quotes, its own quotes doubled) can
// neither split, reshape nor redirect the statement that carries it.
#pragma once

#include <QString>
#include <vector>

namespace basedatos {

// A quoted text: the position of its opening quote and its length, both quotes included.
// `cerrado` is false for a text still open at the end of the statement (an unpaired quote).
struct LiteralSql {
    qsizetype inicio = 0;
    qsizetype largo = 0;
    bool cerrado = true;
};

// The quoted texts of `sql`, left to right; a doubled quote inside one is part of it.
std::vector<LiteralSql> LiteralesDe(const QString& sql);

// The text of a quoted text without its quotes and with doubled quotes made single.
QString ContenidoDe(const QString& sql, const LiteralSql& literal);

// For every character of `sql`, whether it lies inside a quoted text (its quotes included).
std::vector<bool> MapaDeLiterales(const QString& sql);

// 0-based position of `buscado` at or after `desde`, ignoring case and skipping matches that
// start inside a quoted text; -1 when absent. `buscado` must not hold a quote.
qsizetype BuscarFueraDeLiterales(const QString& sql, const QString& buscado, qsizetype desde = 0);
// The same with the map of `sql` already built.
qsizetype BuscarFueraDeLiterales(const QString& sql, const std::vector<bool>& mapa,
                                 const QString& buscado, qsizetype desde = 0);
bool ContieneFueraDeLiterales(const QString& sql, const QString& buscado);

// Every occurrence of `que` outside the quoted texts replaced by `por`, found without case;
// the quoted texts are copied as they are. `que` must not hold a quote.
QString ReemplazarFueraDeLiterales(const QString& sql, const QString& que, const QString& por);

}  // namespace basedatos
