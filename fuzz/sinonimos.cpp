// Fuzzes the synonym rewriting: no crash or hang on any text, quoted texts untouched, no
// "@Admin_" prefix left in the SQL, and a typed value never changes which table is read.
// Input: SQL text, optionally followed by a 0x01 byte and a typed value.
#include "DB_Dll.h"
#include "Sinonimos.h"
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

const ContextoSinonimos Contextos[] = {
    {true, false, QStringLiteral("Ta_Quendal")},  {true, true, QStringLiteral("Ta_Quendal")},
    {false, false, QStringLiteral("Ta_Quendal")}, {false, true, QStringLiteral("Ta_Quendal")},
    {false, true, QStringLiteral("tolca")},       {false, true, QStringLiteral("BRISOLT")},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo) {
    const QByteArray bytes(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(largo));
    const qsizetype separador = bytes.indexOf('\x01');
    const QString sql = QString::fromUtf8(separador < 0 ? bytes : bytes.left(separador));
    const QStringList literales = Literales(sql);

    for (const ContextoSinonimos& contexto : Contextos) {
        const QString resultado = ReescribirSinonimos(sql, contexto);
        Exigir(Literales(resultado) == literales);
        Exigir(!ContieneFueraDeLiterales(resultado, QStringLiteral("@Admin_")));
        if (contexto.esAdministrador) Exigir(!ContieneFueraDeLiterales(resultado, QStringLiteral("SS_")) ||
                                             ContieneFueraDeLiterales(sql, QStringLiteral("SS_")));
    }

    if (separador >= 0) {
        const QString literal = DB_Dll::SQLValue(QString::fromUtf8(bytes.mid(separador + 1)));
        const QString consulta = QStringLiteral("SELECT * FROM MA_CUENTAS WHERE D = ") + literal + QStringLiteral(" AND E = 1");
        for (const ContextoSinonimos& contexto : Contextos) {
            const QString esperado = contexto.esAdministrador
                                         ? consulta
                                         : QStringLiteral("SELECT * FROM SS_MA_CUENTAS WHERE D = ") + literal +
                                               QStringLiteral(" AND E = 1");
            Exigir(ReescribirSinonimos(consulta, contexto) == esperado);
        }
    }
    return 0;
}
