// Translation of the program's SQL Server statements into Oracle's dialect, and the cutting of
// SQL Server scripts into the statements an Oracle connection runs one at a time.
// The translation is textual, rule by rule, but it only ever looks at the SQL around quoted
// texts: what an operator typed is carried inside quotes and must reach the server unchanged
// (the one exception is a quoted date, which Oracle needs wrapped in TO_DATE).
#include "DB_Dll.h"
#include "Utilidades.h"

#include "ErrorEjecucion.h"
#include "FechaRegional.h"
#include "TextoSql.h"
#include "Texto.h"

#include <array>
#include <utility>

using namespace basedatos;

namespace {

bool EsBlanco(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

bool ParteDeNombre(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }


// The trimmed clause `parte`, which ends the statement, cut from the end of `cola` and replaced
// by one blank. The clause starts at the first GROUP BY / ORDER BY of the whole statement, so
// its only occurrence outside quoted texts is the end of the text.
QString QuitarClausulaFinal(const QString& cola, const QString& parte) {
    const QString recortada = parte.trimmed();
    if (recortada.isEmpty() || !cola.endsWith(recortada, Qt::CaseInsensitive)) return cola;
    return cola.left(cola.size() - recortada.size()) + QLatin1Char(' ');
}

// TOP n becomes a ROWNUM condition after the WHERE clause, before GROUP BY or ORDER BY.
// The TOP must start a word outside quoted texts: a column named LAPTOP or a typed "top 1"
// does not limit anything.
QString LimitarFilas(const QString& valor) {
    const std::vector<bool> mapa = MapaDeLiterales(valor);
    const QString top = QStringLiteral("top ");
    qsizetype posicion = BuscarFueraDeLiterales(valor, mapa, top);
    while (posicion > 0 && ParteDeNombre(valor.at(posicion - 1)))
        posicion = BuscarFueraDeLiterales(valor, mapa, top, posicion + 1);
    if (posicion < 0) return valor;

    const QString cabeza = valor.left(posicion);
    QString cola = valor.mid(posicion + 3).trimmed();
    const std::vector<bool> mapaCola = MapaDeLiterales(cola);
    qsizetype blanco = 0;
    while (blanco < cola.size() && (mapaCola[static_cast<size_t>(blanco)] || !EsBlanco(cola.at(blanco)))) ++blanco;
    const QString filas = cola.left(blanco);
    cola = cola.mid(blanco + 1);

    QString agrupacion, orden;
    const qsizetype grupo = BuscarFueraDeLiterales(valor, mapa, QStringLiteral(" GROUP BY "));
    if (grupo >= 0) {
        agrupacion = valor.mid(grupo);
    } else {
        const qsizetype ordenPor = BuscarFueraDeLiterales(valor, mapa, QStringLiteral("ORDER BY "));
        if (ordenPor >= 0) orden = valor.mid(ordenPor);
    }
    const QString limite = BuscarFueraDeLiterales(valor, mapa, QStringLiteral(" WHERE ")) >= 0
                               ? QStringLiteral(" AND ROWNUM <= ") + filas
                               : QStringLiteral(" WHERE ROWNUM <= ") + filas;
    cola = QuitarClausulaFinal(cola, agrupacion);
    cola = QuitarClausulaFinal(cola, orden);
    const QChar b = QLatin1Char(' ');
    return cabeza + b + cola + b + limite + b + agrupacion + b + orden;
}

// The quoted text starting at `inicio` is already the first argument of a TO_DATE.
bool DentroDeToDate(const QString& texto, qsizetype inicio) {
    qsizetype i = inicio;
    while (i > 0 && EsBlanco(texto.at(i - 1))) --i;
    return i >= 8 && texto.mid(i - 8, 8).compare(QLatin1String("TO_DATE("), Qt::CaseInsensitive) == 0;
}

// Every quoted date becomes TO_DATE('dd/mm/yyyy','DD/MM/YYYY'); one already given to TO_DATE
// stays as it is.
QString FechasConMascara(const QString& texto) {
    const std::vector<LiteralSql> literales = LiteralesDe(texto);
    QString resultado;
    qsizetype desde = 0;
    for (const LiteralSql& literal : literales) {
        resultado += texto.mid(desde, literal.inicio - desde);
        const std::optional<QDate> fecha = FechaRegional(ContenidoDe(texto, literal));
        if (fecha && !DentroDeToDate(texto, literal.inicio)) {
            resultado += QStringLiteral("TO_DATE('") + fecha->toString(QStringLiteral("dd/MM/yyyy")) +
                         QStringLiteral("','DD/MM/YYYY')");
        } else {
            resultado += texto.mid(literal.inicio, literal.largo);
        }
        desde = literal.inicio + literal.largo;
    }
    return resultado + texto.mid(desde);
}

// From the first WHERE on, a comparison with the empty text becomes IS NULL (Oracle stores ''
// as NULL). Only an empty quoted text counts, not a text that begins with a quote.
QString VaciosANulos(const QString& texto) {
    const qsizetype where = BuscarFueraDeLiterales(texto, QStringLiteral("WHERE "));
    if (where < 0) return texto;
    QString resultado = texto.left(where);
    qsizetype desde = where;
    for (const LiteralSql& literal : LiteralesDe(texto)) {
        if (literal.inicio < where || literal.largo != 2 || !literal.cerrado) continue;
        qsizetype igual = -1;
        if (literal.inicio - 2 >= desde && texto.mid(literal.inicio - 2, 2) == QLatin1String("= "))
            igual = literal.inicio - 2;
        else if (literal.inicio - 1 >= desde && texto.at(literal.inicio - 1) == QLatin1Char('='))
            igual = literal.inicio - 1;
        if (igual < 0) continue;
        resultado += texto.mid(desde, igual - desde) + QStringLiteral(" IS NULL ");
        desde = literal.inicio + 2;
    }
    return resultado + texto.mid(desde);
}

// Style 103 of a conversion to text (the "103" whose nearest "(" opens a TO_CHAR) becomes the
// mask 'DD/MM/YYYY'.
QString Estilo103(const QString& texto) {
    if (!texto.contains(QLatin1String("103"))) return texto;
    const std::vector<bool> mapa = MapaDeLiterales(texto);
    QString resultado;
    qsizetype parentesis = -1;
    qsizetype i = 0;
    while (i < texto.size()) {
        const bool fuera = !mapa[static_cast<size_t>(i)];
        if (fuera && texto.at(i) == QLatin1Char('(')) parentesis = i;
        // A mask written against a quote would merge with the quoted text beside it.
        const bool junto = (i > 0 && texto.at(i - 1) == QLatin1Char('\'')) ||
                           (i + 3 < texto.size() && texto.at(i + 3) == QLatin1Char('\''));
        if (fuera && !junto && texto.mid(i, 3) == QLatin1String("103") && parentesis >= 7 &&
            texto.mid(parentesis - 7, 8).compare(QLatin1String("TO_CHAR("), Qt::CaseInsensitive) == 0) {
            resultado += QStringLiteral("'DD/MM/YYYY'");
            i += 3;
            continue;
        }
        resultado += texto.at(i);
        ++i;
    }
    return resultado;
}

QString Reemplazos(QString texto, std::initializer_list<std::pair<const char*, const char*>> reemplazos) {
    for (const auto& [que, por] : reemplazos)
        texto = ReemplazarFueraDeLiterales(texto, QString::fromLatin1(que), QString::fromLatin1(por));
    return texto;
}

}  // namespace

QString DB_Dll::ORACLE_Dicc(const QString& Valor) const {
    if (!plataforma::ContieneSinMayusculas(gConnString, QStringLiteral("ORACLE"))) return Valor;
    if (Utilidades().ContarPalabras(Valor) <= 1)
        return plataforma::IgualesSinMayusculas(Valor, QStringLiteral("LEN")) ? QStringLiteral("LENGTH") : Valor;

    // A quote left open makes every rule below guess where the SQL is; refuse it before any of
    // them moves text around (the quoted dates would fail on it anyway).
    const std::vector<LiteralSql> literales = LiteralesDe(Valor);
    if (!literales.empty() && !literales.back().cerrado) plataforma::Lanzar(plataforma::errores::ArgumentoNoValido);

    QString resultado = LimitarFilas(Valor);
    resultado = Reemplazos(resultado, {{" LEN(", " LENGTH("}, {" LEN (", " LENGTH("}, {" LEN  (", " LENGTH("},
                                       {" LEN   (", " LENGTH("}, {" LEN    (", " LENGTH("},
                                       {"[", "\""}, {"]", "\""}});
    resultado = FechasConMascara(resultado);
    resultado = Reemplazos(resultado, {{"Charindex", "InStr"},
                                       {"CONVERT(NVARCHAR,", "TO_CHAR("}, {"CONVERT(INT,", "TO_NUMBER("}});
    resultado = VaciosANulos(resultado);
    resultado = Estilo103(resultado);
    return Reemplazos(resultado, {{"SUBSTRING(", "SUBSTR("}, {"ISNULL(", "NVL("}});
}

QString DB_Dll::FiltrarSentencia(QString& S) {
    if (ContieneFueraDeLiterales(S, QStringLiteral("SET NOCOUNT")) ||
        ContieneFueraDeLiterales(S, QStringLiteral("IF NOT EXIST")))
        S.clear();
    return S;
}

ScriptOracle DB_Dll::PrepararScriptOracle(const QString& script) const {
    ScriptOracle guion;
    guion.preparado = Reemplazos(script, {{"SET NOCOUNT ON", ""}, {"SET NOCOUNT OFF", ""},
                                          {" GO ", " "}, {"\r\nGO ", " "}, {"\r\nGO\r\n", " "},
                                          {"\r\n", " "}, {"\r", " "},
                                          {"BEGIN TRANSACTION", "SET TRANSACTION"}, {"BEGIN TRANS", "SET TRANSACTION"},
                                          {"COMMIT TRANSACTION", "COMMIT"}, {"COMMIT TRANS", "COMMIT"},
                                          {"ROLLBACK TRANSACTION", "ROLLBACK"}, {"ROLLBACK TRANS", "ROLLBACK"}});
    const QString& texto = guion.preparado;
    const std::vector<bool> mapa = MapaDeLiterales(texto);

    // Next position of each keyword at or after the last search point; -2 = not looked for yet,
    // -1 = none left. Keeps the cutting linear in the script's length.
    constexpr size_t cuantas = std::size(PalabrasSentencia);
    std::array<qsizetype, cuantas> proxima;
    proxima.fill(-2);
    auto siguiente = [&](qsizetype desde) {
        qsizetype menor = -1;
        for (size_t k = 0; k < cuantas; ++k) {
            if (proxima[k] == -2 || (proxima[k] >= 0 && proxima[k] < desde))
                proxima[k] = BuscarFueraDeLiterales(texto, mapa, QString::fromLatin1(PalabrasSentencia[k]), desde);
            if (proxima[k] >= 0 && (menor < 0 || proxima[k] < menor)) menor = proxima[k];
        }
        return menor;
    };

    qsizetype inicio = siguiente(0);
    while (inicio >= 0) {
        const qsizetype fin = siguiente(inicio + 1);
        PasoScriptOracle paso;
        paso.original = (fin < 0 ? texto.mid(inicio) : texto.mid(inicio, fin - inicio)).trimmed();
        paso.resto = fin < 0 ? QString() : texto.mid(fin);
        if (plataforma::IgualesSinMayusculas(paso.original, QStringLiteral("SET TRANSACTION"))) {
            paso.tipo = PasoScriptOracle::Tipo::BeginTrans;
        } else if (plataforma::IgualesSinMayusculas(paso.original, QStringLiteral("COMMIT"))) {
            paso.tipo = PasoScriptOracle::Tipo::CommitTrans;
        } else if (plataforma::IgualesSinMayusculas(paso.original, QStringLiteral("ROLLBACK"))) {
            paso.tipo = PasoScriptOracle::Tipo::RollbackTrans;
        } else {
            try {
                QString traducida = ORACLE_Dicc(paso.original);
                paso.sentencia = FiltrarSentencia(traducida);
            } catch (const plataforma::ErrorRuntime& error) {
                paso.error = error.error();
                guion.pasos.push_back(std::move(paso));
                break;
            }
        }
        guion.pasos.push_back(std::move(paso));
        inicio = fin;
    }
    return guion;
}
