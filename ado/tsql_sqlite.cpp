// T-SQL batches rewritten for SQLite on tokens (see tsql_sqlite.h for the list of rules).
#include "tsql_sqlite.h"

#include <QStringList>

namespace ado::tsql {

namespace {

enum class TipoToken { Espacio, Comentario, Palabra, Nombre, Cadena, Numero, Variable, Simbolo };

struct Token {
    TipoToken tipo;
    QString texto;     // as it will be written (a [name] already as "name", N'x' as 'x')
    bool salto = false; // whitespace holding a line break
};

bool EsLetra(QChar c) { return c.isLetter() || c == QLatin1Char('_') || c == QLatin1Char('#'); }
bool EsParteNombre(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('#') || c == QLatin1Char('$') || c == QLatin1Char('@'); }

std::vector<Token> Tokenizar(const QString& s) {
    std::vector<Token> tokens;
    const qsizetype n = s.size();
    qsizetype i = 0;
    auto hasta = [&](qsizetype fin) { return s.mid(i, fin - i); };
    while (i < n) {
        const QChar c = s[i];
        qsizetype j = i + 1;
        if (c.isSpace()) {
            bool salto = false;
            j = i;
            while (j < n && s[j].isSpace()) { salto |= s[j] == QLatin1Char('\n') || s[j] == QLatin1Char('\r'); ++j; }
            tokens.push_back({TipoToken::Espacio, hasta(j), salto});
        } else if (c == QLatin1Char('-') && j < n && s[j] == QLatin1Char('-')) {
            while (j < n && s[j] != QLatin1Char('\n') && s[j] != QLatin1Char('\r')) ++j;
            tokens.push_back({TipoToken::Comentario, QString()});
        } else if (c == QLatin1Char('/') && j < n && s[j] == QLatin1Char('*')) {
            const qsizetype fin = s.indexOf(QLatin1String("*/"), j + 1);
            j = fin < 0 ? n : fin + 2;
            tokens.push_back({TipoToken::Comentario, QString()});
        } else if (c == QLatin1Char('\'') || ((c == QLatin1Char('N') || c == QLatin1Char('n')) && j < n && s[j] == QLatin1Char('\''))) {
            const qsizetype inicio = c == QLatin1Char('\'') ? i : i + 1;
            j = inicio + 1;
            bool cerrada = false;
            while (j < n) {
                if (s[j] == QLatin1Char('\'')) {
                    if (j + 1 < n && s[j + 1] == QLatin1Char('\'')) { j += 2; continue; }
                    ++j;
                    cerrada = true;
                    break;
                }
                ++j;
            }
            QString texto = s.mid(inicio, j - inicio);
            // An unterminated literal is closed, so the engine reports the statement, not a token.
            if (!cerrada) texto += QLatin1Char('\'');
            tokens.push_back({TipoToken::Cadena, texto});
        } else if (c == QLatin1Char('[')) {
            QString nombre;
            j = i + 1;
            while (j < n) {
                if (s[j] == QLatin1Char(']')) {
                    if (j + 1 < n && s[j + 1] == QLatin1Char(']')) { nombre += QLatin1Char(']'); j += 2; continue; }
                    ++j;
                    break;
                }
                nombre += s[j] == QLatin1Char('"') ? QStringLiteral("\"\"") : QString(s[j]);
                ++j;
            }
            tokens.push_back({TipoToken::Nombre, QLatin1Char('"') + nombre + QLatin1Char('"')});
        } else if (c == QLatin1Char('"') || c == QLatin1Char('`')) {
            QString nombre;
            j = i + 1;
            while (j < n) {
                if (s[j] == c) {
                    if (j + 1 < n && s[j + 1] == c) { nombre += c; j += 2; continue; }
                    ++j;
                    break;
                }
                nombre += s[j] == QLatin1Char('"') ? QStringLiteral("\"\"") : QString(s[j]);
                ++j;
            }
            if (c == QLatin1Char('"')) nombre.replace(QLatin1String("\"\"\"\""), QLatin1String("\"\""));
            tokens.push_back({TipoToken::Nombre, QLatin1Char('"') + nombre + QLatin1Char('"')});
        } else if (EsLetra(c)) {
            while (j < n && EsParteNombre(s[j])) ++j;
            tokens.push_back({TipoToken::Palabra, hasta(j)});
        } else if (c == QLatin1Char('@')) {
            while (j < n && (EsParteNombre(s[j]))) ++j;
            tokens.push_back({TipoToken::Variable, hasta(j)});
        } else if (c.isDigit() || (c == QLatin1Char('.') && j < n && s[j].isDigit())) {
            while (j < n && (s[j].isDigit() || s[j] == QLatin1Char('.'))) ++j;
            if (j < n && (s[j] == QLatin1Char('e') || s[j] == QLatin1Char('E'))) {
                qsizetype k = j + 1;
                if (k < n && (s[k] == QLatin1Char('+') || s[k] == QLatin1Char('-'))) ++k;
                if (k < n && s[k].isDigit()) { j = k; while (j < n && s[j].isDigit()) ++j; }
            }
            tokens.push_back({TipoToken::Numero, hasta(j)});
        } else {
            static const char* const dobles[] = {"<>", "!=", "<=", ">=", "||", "==", "!<", "!>"};
            for (const char* d : dobles) {
                if (j < n && c == QLatin1Char(d[0]) && s[j] == QLatin1Char(d[1])) { ++j; break; }
            }
            tokens.push_back({TipoToken::Simbolo, hasta(j)});
        }
        i = j;
    }
    return tokens;
}

bool Es(const Token& t, const char* palabra) {
    return t.tipo == TipoToken::Palabra && t.texto.compare(QLatin1String(palabra), Qt::CaseInsensitive) == 0;
}
bool EsUno(const Token& t, std::initializer_list<const char*> palabras) {
    for (const char* p : palabras) if (Es(t, p)) return true;
    return false;
}
bool EsSimbolo(const Token& t, const char* s) { return t.tipo == TipoToken::Simbolo && t.texto == QLatin1String(s); }
bool Significativo(const Token& t) { return t.tipo != TipoToken::Espacio && t.tipo != TipoToken::Comentario; }
bool EsNombre(const Token& t) { return t.tipo == TipoToken::Palabra || t.tipo == TipoToken::Nombre; }

// Index of the next significant token after i (tokens.size() when none).
size_t Siguiente(const std::vector<Token>& t, size_t i) {
    for (++i; i < t.size(); ++i) if (Significativo(t[i])) return i;
    return t.size();
}

const std::initializer_list<const char*> OpcionesSesion = {
    "NOCOUNT", "ANSI_NULLS", "ANSI_WARNINGS", "ANSI_PADDING", "QUOTED_IDENTIFIER", "XACT_ABORT", "DATEFORMAT",
    "LANGUAGE", "TRANSACTION", "ARITHABORT", "CONCAT_NULL_YIELDS_NULL", "LOCK_TIMEOUT", "IMPLICIT_TRANSACTIONS",
    "ROWCOUNT", "DATEFIRST", "NUMERIC_ROUNDABORT", "DEADLOCK_PRIORITY"};
const std::initializer_list<const char*> Sugerencias = {
    "NOLOCK", "ROWLOCK", "UPDLOCK", "HOLDLOCK", "READPAST", "TABLOCK", "TABLOCKX", "PAGLOCK", "XLOCK",
    "READUNCOMMITTED", "READCOMMITTED", "REPEATABLEREAD", "SERIALIZABLE", "NOWAIT", "NOEXPAND", "FASTFIRSTROW"};

// ---- Splitting ---------------------------------------------------------------------------------

std::vector<std::vector<Token>> Dividir(const std::vector<Token>& tokens) {
    std::vector<std::vector<Token>> sentencias;
    std::vector<Token> actual;
    int profundidad = 0;
    QString primera;          // first keyword of the statement, upper case
    bool hayContenido = false;
    QString verbo;            // the statement's verb (after a WITH, the keyword that follows the CTE)
    bool vioConsulta = false; // a SELECT or VALUES at depth 0 after the verb
    bool enDisparador = false;
    const Token* anterior = nullptr;
    const Token* anterior2 = nullptr;

    auto cerrar = [&] {
        if (hayContenido) sentencias.push_back(std::move(actual));
        actual.clear();
        primera.clear();
        verbo.clear();
        hayContenido = vioConsulta = enDisparador = false;
        profundidad = 0;
        anterior = anterior2 = nullptr;
    };
    auto empieza = [&](size_t i) {
        const Token& t = tokens[i];
        if (t.tipo != TipoToken::Palabra) return false;
        const size_t k = Siguiente(tokens, i);
        const Token* sig = k < tokens.size() ? &tokens[k] : nullptr;
        // After a session option (SET NOCOUNT ON) any statement keyword starts a new statement.
        if (primera == QLatin1String("SET")) return EsUno(t, {"SELECT", "INSERT", "DELETE", "UPDATE", "DROP", "CREATE", "ALTER", "TRUNCATE",
                                                             "DECLARE", "EXEC", "EXECUTE", "PRINT", "COMMIT", "ROLLBACK", "IF", "BEGIN", "SET", "WITH"});
        const bool trasOn = anterior && EsUno(*anterior, {"ON", "OF", "FOR", "AFTER", "INSTEAD"});
        if (Es(t, "SELECT")) {
            if (anterior && (EsUno(*anterior, {"UNION", "ALL", "EXCEPT", "INTERSECT", "AS"}) || EsSimbolo(*anterior, "("))) return false;
            if (primera == QLatin1String("WITH") && verbo.isEmpty()) return false;
            if ((verbo == QLatin1String("INSERT") || verbo == QLatin1String("CREATE")) && !vioConsulta) return false;
            return true;
        }
        if (EsUno(t, {"INSERT", "DELETE", "UPDATE"}) && primera == QLatin1String("WITH") && verbo.isEmpty()) return false;
        if (EsUno(t, {"INSERT", "DELETE", "UPDATE"})) return !trasOn && !(anterior && EsSimbolo(*anterior, ","));
        if (Es(t, "DROP")) {
            // ALTER TABLE name DROP ... and ALTER TABLE name DROP a, DROP b continue the ALTER.
            const bool trasNombreDeTabla = anterior && EsNombre(*anterior) && anterior2 && (Es(*anterior2, "TABLE") || EsSimbolo(*anterior2, "."));
            return !(primera == QLatin1String("ALTER") && (trasNombreDeTabla || (anterior && EsSimbolo(*anterior, ","))));
        }
        if (EsUno(t, {"CREATE", "ALTER", "TRUNCATE", "DECLARE", "EXEC", "EXECUTE", "PRINT", "COMMIT", "ROLLBACK", "IF"})) return true;
        if (Es(t, "BEGIN")) return !sig || EsUno(*sig, {"TRAN", "TRANSACTION", "DISTRIBUTED"}) || EsSimbolo(*sig, ";");
        if (Es(t, "SET")) return sig && EsUno(*sig, OpcionesSesion);
        if (Es(t, "WITH")) return sig && EsNombre(*sig) && !EsUno(*sig, Sugerencias);
        return false;
    };

    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (!Significativo(t)) { actual.push_back(t); continue; }
        if (profundidad == 0 && !enDisparador) {
            if (EsSimbolo(t, ";")) { cerrar(); continue; }
            if (Es(t, "GO")) {
                const bool inicioLinea = i == 0 || tokens[i - 1].salto;
                const bool finLinea = i + 1 >= tokens.size() || tokens[i + 1].salto;
                if (inicioLinea && finLinea) { cerrar(); continue; }
            }
            if (hayContenido && empieza(i)) cerrar();
        }
        if (!hayContenido) {
            primera = t.texto.toUpper();
            if (primera != QLatin1String("WITH")) verbo = primera;
            hayContenido = true;
        } else if (primera == QLatin1String("CREATE") && Es(t, "TRIGGER")) {
            enDisparador = true;
        } else if (enDisparador && Es(t, "END") && profundidad == 0) {
            enDisparador = false;
        }
        if (EsSimbolo(t, "(")) ++profundidad;
        else if (EsSimbolo(t, ")") && profundidad > 0) --profundidad;
        else if (profundidad == 0 && verbo.isEmpty() && EsUno(t, {"SELECT", "INSERT", "UPDATE", "DELETE"})) {
            verbo = t.texto.toUpper();
            vioConsulta = verbo == QLatin1String("SELECT");
        } else if (profundidad == 0 && EsUno(t, {"SELECT", "VALUES"}) && anterior) vioConsulta = true;
        actual.push_back(t);
        anterior2 = anterior;
        anterior = &tokens[i];
    }
    cerrar();
    return sentencias;
}

// ---- Rewriting one statement -------------------------------------------------------------------

class Reescritor {
public:
    explicit Reescritor(const std::vector<Token>& t) : t_(t) {}

    QString reescribir() {
        size_t p = Siguiente(t_, static_cast<size_t>(-1));
        const size_t s = p < t_.size() ? Siguiente(t_, p) : t_.size();
        esTabla_ = p < t_.size() && EsUno(t_[p], {"CREATE", "ALTER"}) && s < t_.size() && Es(t_[s], "TABLE");
        esAlter_ = esTabla_ && Es(t_[p], "ALTER");
        if (esTabla_ && !esAlter_) buscarClaveDeIdentidad();
        for (size_t i = 0; i < t_.size(); ++i) {
            if (i >= omitirDesde_ && i <= omitirHasta_) continue;
            i = token(i);
        }
        for (int d = static_cast<int>(limites_.size()) - 1; d >= 0; --d) {
            if (!limites_[static_cast<size_t>(d)].isEmpty()) out_ += QLatin1String(" LIMIT ") + limites_[static_cast<size_t>(d)];
        }
        return out_;
    }

private:
    // Writes token i (or a construct starting there); returns the last index consumed.
    size_t token(size_t i) {
        const Token& t = t_[i];
        const size_t k = Siguiente(t_, i);
        switch (t.tipo) {
            case TipoToken::Espacio: out_ += t.texto; return i;
            case TipoToken::Comentario: out_ += QLatin1Char(' '); return i;
            case TipoToken::Cadena:
                out_ += t.texto;
                if (!esTabla_ && !(k < t_.size() && Es(t_[k], "COLLATE"))) out_ += QLatin1String(" COLLATE TEXTO");
                escribio(t);
                return i;
            case TipoToken::Variable:
                if (t.texto.compare(QLatin1String("@@IDENTITY"), Qt::CaseInsensitive) == 0) out_ += QLatin1String("last_insert_rowid()");
                else if (t.texto.compare(QLatin1String("@@ROWCOUNT"), Qt::CaseInsensitive) == 0) out_ += QLatin1String("changes()");
                else out_ += t.texto;
                escribio(t);
                return i;
            case TipoToken::Simbolo: return simbolo(i, k);
            case TipoToken::Palabra: return palabra(i, k);
            case TipoToken::Nombre:
                // [dbo].[T] and [int] as SQL Server's scripts write them.
                if (t.texto.compare(QLatin1String("\"dbo\""), Qt::CaseInsensitive) == 0 && k < t_.size() && EsSimbolo(t_[k], ".")) return k;
                if (esTabla_ && definicionColumna()) return tipoColumna(i, k);
                out_ += t.texto;
                escribio(t);
                return i;
            default: out_ += t.texto; escribio(t); return i;
        }
    }

    void escribio(const Token& t) { anterior2_ = anterior_; anterior_ = &t; }
    int profundidad() const { return profundidad_; }

    size_t simbolo(size_t i, size_t k) {
        const Token& t = t_[i];
        if (EsSimbolo(t, "(")) {
            // A bare hint after a table name: t (NOLOCK)
            if (anterior_ && EsNombre(*anterior_) && k < t_.size() && Es(t_[k], "NOLOCK")) {
                const size_t c = Siguiente(t_, k);
                if (c < t_.size() && EsSimbolo(t_[c], ")")) return c;
            }
            ++profundidad_;
        } else if (EsSimbolo(t, ")")) {
            const size_t d = static_cast<size_t>(profundidad_);
            if (d < limites_.size() && !limites_[d].isEmpty()) {
                out_ += QLatin1String(" LIMIT ") + limites_[d] + QLatin1Char(' ');
                limites_[d].clear();
            }
            if (profundidad_ > 0) --profundidad_;
        }
        out_ += t.texto;
        escribio(t);
        return i;
    }

    size_t palabra(size_t i, size_t k) {
        const Token& t = t_[i];
        const Token* sig = k < t_.size() ? &t_[k] : nullptr;
        if (Es(t, "dbo") && sig && EsSimbolo(*sig, ".")) return k;
        if (Es(t, "WITH") && sig && EsSimbolo(*sig, "(")) {
            size_t j = Siguiente(t_, k);
            bool soloSugerencias = j < t_.size() && !EsSimbolo(t_[j], ")");
            while (j < t_.size() && !EsSimbolo(t_[j], ")")) {
                if (!EsUno(t_[j], Sugerencias) && !EsSimbolo(t_[j], ",")) { soloSugerencias = false; break; }
                j = Siguiente(t_, j);
            }
            if (soloSugerencias && j < t_.size()) return j;
        }
        if (Es(t, "TOP") && anterior_ && EsUno(*anterior_, {"SELECT", "DISTINCT", "ALL", "UPDATE", "DELETE"})) {
            size_t j = k;
            QString n;
            if (j < t_.size() && EsSimbolo(t_[j], "(")) {
                j = Siguiente(t_, j);
                if (j < t_.size()) n = t_[j].texto;
                j = Siguiente(t_, j);
                if (j >= t_.size() || !EsSimbolo(t_[j], ")")) { n.clear(); }
            } else if (j < t_.size()) {
                n = t_[j].texto;
            }
            if (j < t_.size() && (t_[j].tipo == TipoToken::Numero || EsSimbolo(t_[j], ")")) && !n.isEmpty() &&
                (n[0].isDigit() || n[0] == QLatin1Char('@'))) {
                const size_t p = Siguiente(t_, j);
                if (p < t_.size() && Es(t_[p], "PERCENT")) return p;  // TOP 100 PERCENT: every row
                const size_t d = static_cast<size_t>(profundidad_);
                if (limites_.size() <= d) limites_.resize(d + 1);
                limites_[d] = n;
                return j;
            }
        }
        if (Es(t, "ISNULL") && sig && EsSimbolo(*sig, "(")) { out_ += QLatin1String("IFNULL"); escribio(t); return i; }
        if (Es(t, "SCOPE_IDENTITY")) { out_ += QLatin1String("last_insert_rowid"); escribio(t); return i; }
        if (Es(t, "DELETE") && sig && EsNombre(*sig) && !Es(*sig, "FROM") && !Es(*sig, "TOP")) {
            out_ += t.texto + QLatin1String(" FROM");
            escribio(t);
            return i;
        }
        if (Es(t, "COLLATE") && sig && EsNombre(*sig)) {
            out_ += t.texto;
            out_ += EsUno(*sig, {"BINARY", "NOCASE", "RTRIM", "TEXTO"}) ? QString(QLatin1Char(' ') + sig->texto) : QStringLiteral(" TEXTO");
            escribio(*sig);
            return k;
        }
        if (esTabla_) {
            if (EsUno(t, {"CLUSTERED", "NONCLUSTERED"})) return i;
            if (EsUno(t, {"ON", "TEXTIMAGE_ON"}) && profundidad_ == 0 && sig && sig->texto.compare(QLatin1String("\"PRIMARY\""), Qt::CaseInsensitive) == 0) return k;
            if (Es(t, "IDENTITY")) return identidad(i, k);
            if (Es(t, "KEY") && autoincremento_) {
                autoincremento_ = false;
                out_ += t.texto + QLatin1String(" AUTOINCREMENT");
                escribio(t);
                return i;
            }
            if (definicionColumna()) return tipoColumna(i, k);
        }
        out_ += t.texto;
        escribio(t);
        return i;
    }

    static QString SinComillas(const Token& t) {
        return t.tipo == TipoToken::Nombre ? t.texto.mid(1, t.texto.size() - 2) : t.texto;
    }

    // An IDENTITY column becomes SQLite's INTEGER PRIMARY KEY, so a table-level PRIMARY KEY on
    // that same column (as SQL Server scripts write it) is left out instead of declaring two keys.
    void buscarClaveDeIdentidad() {
        int d = 0;
        size_t inicioDefinicion = t_.size();
        QString columnaIdentidad;
        std::vector<size_t> separadores;  // the commas at depth 1
        for (size_t i = Siguiente(t_, static_cast<size_t>(-1)); i < t_.size(); i = Siguiente(t_, i)) {
            if (EsSimbolo(t_[i], "(")) { if (++d == 1) inicioDefinicion = Siguiente(t_, i); continue; }
            if (EsSimbolo(t_[i], ")")) { --d; continue; }
            if (d != 1) continue;
            if (EsSimbolo(t_[i], ",")) { separadores.push_back(i); inicioDefinicion = Siguiente(t_, i); continue; }
            if (Es(t_[i], "IDENTITY") && inicioDefinicion < t_.size()) columnaIdentidad = SinComillas(t_[inicioDefinicion]);
        }
        if (columnaIdentidad.isEmpty()) return;
        for (size_t coma : separadores) {
            size_t j = Siguiente(t_, coma);
            if (j < t_.size() && Es(t_[j], "CONSTRAINT")) j = Siguiente(t_, Siguiente(t_, j));
            if (!(j < t_.size() && Es(t_[j], "PRIMARY"))) continue;
            j = Siguiente(t_, Siguiente(t_, j));  // past KEY
            if (j < t_.size() && EsUno(t_[j], {"CLUSTERED", "NONCLUSTERED"})) j = Siguiente(t_, j);
            if (!(j < t_.size() && EsSimbolo(t_[j], "("))) continue;
            j = Siguiente(t_, j);
            if (!(j < t_.size() && SinComillas(t_[j]).compare(columnaIdentidad, Qt::CaseInsensitive) == 0)) continue;
            j = Siguiente(t_, j);
            if (j < t_.size() && EsUno(t_[j], {"ASC", "DESC"})) j = Siguiente(t_, j);
            if (!(j < t_.size() && EsSimbolo(t_[j], ")"))) continue;
            omitirDesde_ = coma;
            omitirHasta_ = j;
            return;
        }
    }

    // A type word right after a column name that opens a column definition.
    bool definicionColumna() const {
        if (!anterior_ || !EsNombre(*anterior_) || !anterior2_) return false;
        if (EsUno(*anterior_, {"CONSTRAINT", "PRIMARY", "UNIQUE", "CHECK", "FOREIGN", "KEY", "INDEX"})) return false;
        if (esAlter_) return profundidad_ == 0 && EsUno(*anterior2_, {"ADD", "COLUMN"});
        return profundidad_ == 1 && (EsSimbolo(*anterior2_, "(") || EsSimbolo(*anterior2_, ","));
    }

    size_t tipoColumna(size_t i, size_t k) {
        const Token& t = t_[i];
        const QString columna = anterior_->texto;
        // Does an IDENTITY follow within this column's definition?
        bool identidad = false;
        size_t j = k;
        if (j < t_.size() && EsSimbolo(t_[j], "(")) {
            while (j < t_.size() && !EsSimbolo(t_[j], ")")) j = Siguiente(t_, j);
            j = Siguiente(t_, j);
        }
        for (; j < t_.size() && !EsSimbolo(t_[j], ",") && !EsSimbolo(t_[j], ")"); j = Siguiente(t_, j)) {
            if (Es(t_[j], "IDENTITY")) { identidad = true; break; }
        }
        escribio(t);
        const QString tipo = SinComillas(t);
        if (identidad) {
            out_ += QLatin1String("INTEGER");
            if (k < t_.size() && EsSimbolo(t_[k], "(")) {
                size_t j = k;
                while (j < t_.size() && !EsSimbolo(t_[j], ")")) j = Siguiente(t_, j);
                return j;
            }
            return i;
        }
        out_ += tipo;
        static const QStringList tiposTexto = {QStringLiteral("char"), QStringLiteral("varchar"), QStringLiteral("nchar"),
                                               QStringLiteral("nvarchar"), QStringLiteral("text"), QStringLiteral("ntext"), QStringLiteral("sysname")};
        if (!tiposTexto.contains(tipo, Qt::CaseInsensitive)) return i;
        size_t fin = i;
        QString largo;
        if (k < t_.size() && EsSimbolo(t_[k], "(")) {
            size_t j = k;
            while (j < t_.size() && !EsSimbolo(t_[j], ")")) {
                if (t_[j].tipo == TipoToken::Numero) largo = t_[j].texto;
                out_ += t_[j].texto;
                j = Siguiente(t_, j);
            }
            if (j < t_.size()) { out_ += t_[j].texto; fin = j; }
            else fin = t_.size() - 1;
        }
        const size_t despues = Siguiente(t_, fin);
        if (!(despues < t_.size() && Es(t_[despues], "COLLATE"))) out_ += QLatin1String(" COLLATE TEXTO");
        if (!largo.isEmpty()) {
            QString nombre = columna;
            if (nombre.startsWith(QLatin1Char('"'))) nombre = nombre.mid(1, nombre.size() - 2).replace(QLatin1String("\"\""), QLatin1String("\""));
            const QString citado = QLatin1Char('"') + QString(nombre).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
            const QString restriccion = QLatin1Char('"') + QLatin1String(PrefijoLargo) + QString(nombre).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
            out_ += QLatin1String(" CONSTRAINT ") + restriccion + QLatin1String(" CHECK (length(") + citado + QLatin1String(") <= ") + largo + QLatin1Char(')');
        }
        return fin;
    }

    size_t identidad(size_t i, size_t k) {
        size_t fin = i;
        if (k < t_.size() && EsSimbolo(t_[k], "(")) {
            size_t j = k;
            while (j < t_.size() && !EsSimbolo(t_[j], ")")) j = Siguiente(t_, j);
            fin = j < t_.size() ? j : t_.size() - 1;
        }
        // PRIMARY KEY later in the same column definition gets AUTOINCREMENT; otherwise add both here.
        bool clave = false;
        for (size_t j = Siguiente(t_, fin); j < t_.size() && !EsSimbolo(t_[j], ",") && !EsSimbolo(t_[j], ")"); j = Siguiente(t_, j)) {
            if (Es(t_[j], "PRIMARY")) { clave = true; break; }
        }
        if (clave) autoincremento_ = true;
        else out_ += QLatin1String(" PRIMARY KEY AUTOINCREMENT");
        return fin;
    }

    const std::vector<Token>& t_;
    QString out_;
    const Token* anterior_ = nullptr;
    const Token* anterior2_ = nullptr;
    int profundidad_ = 0;
    std::vector<QString> limites_;   // pending LIMIT per parenthesis depth
    bool esTabla_ = false;
    bool esAlter_ = false;
    bool autoincremento_ = false;
    size_t omitirDesde_ = static_cast<size_t>(-1);   // a table-level key left out
    size_t omitirHasta_ = 0;
};

}  // namespace

std::vector<Sentencia> TraducirLote(const QString& lote) {
    const std::vector<Token> tokens = Tokenizar(lote);
    std::vector<Sentencia> resultado;
    for (const std::vector<Token>& s : Dividir(tokens)) {
        const size_t p = Siguiente(s, static_cast<size_t>(-1));
        if (p >= s.size()) continue;
        const size_t q = Siguiente(s, p);
        const Token* segundo = q < s.size() ? &s[q] : nullptr;
        if (Es(s[p], "BEGIN") && (!segundo || EsUno(*segundo, {"TRAN", "TRANSACTION", "DISTRIBUTED"}))) {
            resultado.push_back({ClaseSentencia::Iniciar, {}});
        } else if (Es(s[p], "COMMIT")) {
            resultado.push_back({ClaseSentencia::Confirmar, {}});
        } else if (Es(s[p], "ROLLBACK")) {
            resultado.push_back({ClaseSentencia::Deshacer, {}});
        } else if (Es(s[p], "SET") && segundo && EsUno(*segundo, OpcionesSesion)) {
            continue;  // session options have no meaning for the engine
        } else {
            resultado.push_back({ClaseSentencia::Comun, Reescritor(s).reescribir().trimmed().toUtf8()});
        }
    }
    return resultado;
}

}  // namespace ado::tsql
