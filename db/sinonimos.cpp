// The "@Admin_" prefix and the "SS_" synonyms that ordinary users read instead of the suite's
// confidential tables.
#include "DB_Dll.h"

#include "Carpetas.h"
#include "Sinonimos.h"
#include "TextoSql.h"
#include "Texto.h"

using namespace basedatos;

namespace {

const QString Prefijo = QStringLiteral("@Admin_");

// The table replaced by its synonym where it stands as a name: after a blank or "(" and before
// a blank, or qualifying a column after a blank, "(" or "," (and "{" for the chart of accounts).
// Column names and longer names that merely contain the table's name are left alone.
QString Sinonimo(const QString& sql, const QString& tabla, const QString& objeto, bool tambienTrasLlave = false) {
    QString resultado = sql;
    QStringList contextos = {QStringLiteral(" %1 "), QStringLiteral("(%1 "), QStringLiteral(" %1."),
                             QStringLiteral("(%1."), QStringLiteral(",%1.")};
    if (tambienTrasLlave) contextos << QStringLiteral("{%1.");
    for (const QString& contexto : contextos)
        resultado = ReemplazarFueraDeLiterales(resultado, contexto.arg(tabla), contexto.arg(objeto));
    return resultado;
}

// Every prefix removed, also one that a first removal would leave behind ("@Adm@Admin_in_").
QString SinPrefijo(QString sql) {
    while (ContieneFueraDeLiterales(sql, Prefijo)) sql = ReemplazarFueraDeLiterales(sql, Prefijo, QString());
    return sql;
}

bool EsPrograma(const QString& programa, std::initializer_list<const char*> nombres) {
    for (const char* nombre : nombres)
        if (plataforma::IgualesSinMayusculas(programa, QString::fromLatin1(nombre))) return true;
    return false;
}

}  // namespace

QString basedatos::ReescribirSinonimos(const QString& sql, const ContextoSinonimos& contexto) {
    if (contexto.esAdministrador) return SinPrefijo(sql);
    // Without the confidentiality setting the accounting entries are read as they are, and so
    // is everything else the same statement names.
    if (!contexto.confidencialidad && ContieneFueraDeLiterales(sql, QStringLiteral("MV_ASIENTOS")))
        return SinPrefijo(sql);

    QString resultado = Sinonimo(sql, QStringLiteral("MA_CUENTAS"), QStringLiteral("SS_MA_CUENTAS"), true);
    // A statement that asks for any real table reads the real chart of accounts throughout.
    if (ContieneFueraDeLiterales(resultado, Prefijo)) {
        resultado = ReemplazarFueraDeLiterales(resultado, QStringLiteral("@Admin_MA_CUENTAS"), QStringLiteral("MA_CUENTAS"));
        resultado = ReemplazarFueraDeLiterales(resultado, QStringLiteral("SS_MA_CUENTAS"), QStringLiteral("MA_CUENTAS"));
    }
    // These sibling programs of the suite read deposits and families unrestricted.
    if (!EsPrograma(contexto.programa, {"BRISOLT", "TARVENA"}))
        resultado = Sinonimo(resultado, QStringLiteral("V_TA_DEPOSITO"), QStringLiteral("SS_V_TA_DEPOSITO"));
    resultado = Sinonimo(resultado, QStringLiteral("MV_ASIENTOS"), QStringLiteral("SS_MV_ASIENTOS"));
    if (!EsPrograma(contexto.programa, {"DUDORUV", "tolca"}))
        resultado = Sinonimo(resultado, QStringLiteral("V_TA_FAMILIAS"), QStringLiteral("SS_V_TA_FAMILIAS"));
    resultado = Sinonimo(resultado, QStringLiteral("V_TA_CAJAS"), QStringLiteral("SS_V_TA_CAJAS"));
    resultado = Sinonimo(resultado, QStringLiteral("AC_CUENTASDIARIO"), QStringLiteral("SS_AC_CUENTASDIARIO"));
    resultado = Sinonimo(resultado, QStringLiteral("AC_CUENTASDIARIO_CCOSTO"),
                         QStringLiteral("SS_AC_CUENTAS_DIARIO_CCOSTO"));
    return SinPrefijo(resultado);
}

QString basedatos::QuitarPrefijoAdmin(const QString& sql) { return SinPrefijo(sql); }

QString DB_Dll::SS_TSinonimos(const QString& sql) const {
    return ReescribirSinonimos(sql, {gEsAdmin, gConfidencialidad, plataforma::NombreEjecutable()});
}
