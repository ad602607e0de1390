// Fuzzes the Oracle translation and the script splitter: no crash or hang on any text, quoted
// texts survive the translation, the steps' rests shrink to nothing, and a typed value inside
// a statement can neither be rewritten nor split the statement.
// Input: SQL text, optionally followed by a 0x01 byte and a typed value.
#include "DB_Dll.h"
#include "ErrorEjecucion.h"
#include "FechaRegional.h"
#include "TextoSql.h"

#include <cstdint>
#include <cstdlib>

using namespace basedatos;

namespace {

void Exigir(bool condicion) {
    if (!condicion) std::abort();
}

QStringList Literales(const QString& sql) {
    QStringList textos;
    for (const LiteralSql& literal : LiteralesDe(sql)) textos << sql.mid(literal.inicio, literal.largo);
    return textos;
}

bool HayComillaAbierta(const QString& sql) {
    const auto literales = LiteralesDe(sql);
    return !literales.empty() && !literales.back().cerrado;
}

// The input's quoted texts that the translation must keep (dates become TO_DATE, an empty text
// compared in a WHERE becomes IS NULL) appear whole in the output. The row count of a TOP
// moves behind the rest, so the order may change.
void TextosConservados(const QString& entrada, const QString& salida) {
    QStringList despues = Literales(salida);
    for (const LiteralSql& literal : LiteralesDe(entrada)) {
        if (literal.largo == 2 || FechaRegional(ContenidoDe(entrada, literal))) continue;
        const qsizetype j = despues.indexOf(entrada.mid(literal.inicio, literal.largo));
        Exigir(j >= 0);
        despues.removeAt(j);
    }
}

void Traduccion(const DB_Dll& oracle, const QString& sql) {
    try {
        const QString traducida = oracle.ORACLE_Dicc(sql);
        // Only a single word is returned untranslated, open quote and all.
        Exigir(!HayComillaAbierta(traducida) || HayComillaAbierta(sql));
        TextosConservados(sql, traducida);
    } catch (const plataforma::ErrorRuntime& error) {
        Exigir(error.numero() == plataforma::errores::ArgumentoNoValido && HayComillaAbierta(sql));
    }
}

void Guion(const DB_Dll& oracle, const QString& script) {
    const ScriptOracle guion = oracle.PrepararScriptOracle(script);
    qsizetype anterior = guion.preparado.size();
    for (size_t i = 0; i < guion.pasos.size(); ++i) {
        const PasoScriptOracle& paso = guion.pasos[i];
        Exigir(paso.resto.size() < anterior && guion.preparado.endsWith(paso.resto));
        anterior = paso.resto.size();
        if (paso.error) Exigir(i + 1 == guion.pasos.size() && paso.error->Number == plataforma::errores::ArgumentoNoValido);
        if (i + 1 == guion.pasos.size() && !paso.error) Exigir(paso.resto.isEmpty());
    }
}

void ValorEscrito(const DB_Dll& oracle, const QString& escrito) {
    const QString literal = DB_Dll::SQLValue(escrito);
    const QString sentencia = QStringLiteral("UPDATE T SET D = ") + literal + QStringLiteral(" WHERE C = 1");
    if (!FechaRegional(escrito)) Exigir(oracle.ORACLE_Dicc(sentencia).contains(literal));
    const ScriptOracle guion = oracle.PrepararScriptOracle(QStringLiteral("BEGIN TRANSACTION\r\n") + sentencia +
                                                          QStringLiteral("\r\nCOMMIT TRANSACTION"));
    Exigir(guion.pasos.size() == 3);
    Exigir(guion.pasos[1].tipo == PasoScriptOracle::Tipo::Sentencia && guion.pasos[1].original == sentencia);
    Exigir(!guion.pasos[1].sentencia.isEmpty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo) {
    const QByteArray bytes(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(largo));
    const qsizetype separador = bytes.indexOf('\x01');
    const QString sql = QString::fromUtf8(separador < 0 ? bytes : bytes.left(separador));

    DB_Dll servidor;
    servidor.gConnString = QStringLiteral("PROVIDER=SQLOLEDB;Server=S;Database =D;UId=D;Pwd=D;");
    Exigir(servidor.ORACLE_Dicc(sql) == sql);

    DB_Dll oracle;
    oracle.gConnString = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=D;User Id=D;Password=D;");
    Traduccion(oracle, sql);
    Guion(oracle, sql);
    if (separador >= 0) ValorEscrito(oracle, QString::fromUtf8(bytes.mid(separador + 1)));
    return 0;
}
