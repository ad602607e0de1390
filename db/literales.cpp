// Field-type classification, SQL literals and the name helpers of the database object.
#include "DB_Dll.h"

#include "ErrorEjecucion.h"
#include "Regional.h"
#include "Texto.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

// The type argument is compared as text with each code, so 7 and "7" are the same type.
bool TipoEn(const QVariant& tipo, std::initializer_list<int> codigos) {
    const QString texto = tipo.toString();
    return std::any_of(codigos.begin(), codigos.end(),
                       [&](int codigo) { return texto == QString::number(codigo); });
}

bool EsNulo(const QVariant& valor) { return valor.isValid() && valor.isNull(); }

bool EsNumero(const QVariant& valor) {
    switch (valor.typeId()) {
        case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::ULongLong:
        case QMetaType::Double: case QMetaType::Float: case QMetaType::Short: case QMetaType::UShort:
        case QMetaType::Long: case QMetaType::ULong: case QMetaType::Char: case QMetaType::SChar:
        case QMetaType::UChar:
            return true;
        default:
            return false;
    }
}

// A value written as the original runtime writes it under the suite's regional settings: dates
// day first, numbers with a decimal point, booleans as True/False.
QString TextoDeValor(const QVariant& valor) {
    switch (valor.typeId()) {
        case QMetaType::QDate:
            return valor.toDate().toString(QStringLiteral("dd/MM/yyyy"));
        case QMetaType::QTime:
            return valor.toTime().toString(QStringLiteral("HH:mm:ss"));
        case QMetaType::QDateTime: {
            const QDateTime momento = valor.toDateTime();
            if (momento.time() == QTime(0, 0)) return momento.toString(QStringLiteral("dd/MM/yyyy"));
            return momento.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
        }
        case QMetaType::Bool:
            return valor.toBool() ? QStringLiteral("True") : QStringLiteral("False");
        case QMetaType::Double:
        case QMetaType::Float:
            return plataforma::NumeroConPunto(valor.toDouble());
        default:
            return valor.toString();
    }
}

// The number a value stands for, to four decimals; text that is no number counts as 0.
double ValorNumerico(const QVariant& valor) {
    const double numero = EsNumero(valor) ? valor.toDouble()
                          : valor.typeId() == QMetaType::Bool ? (valor.toBool() ? 1.0 : 0.0)
                                                              : plataforma::Val(TextoDeValor(valor));
    if (!std::isfinite(numero)) return 0;
    return std::fabs(numero) < 1e14 ? std::round(numero * 10000.0) / 10000.0 : numero;
}

}  // namespace

bool DB_Dll::adodate(const QVariant& Qtype) { return TipoEn(Qtype, {7, 133, 134, 135, 137, 64}); }

bool DB_Dll::ADOText(const QVariant& Qtype) { return TipoEn(Qtype, {8, 129, 130, 200, 201, 202, 203}); }

bool DB_Dll::ADONumeric(const QVariant& Qtype) {
    return TipoEn(Qtype, {2, 3, 4, 5, 14, 16, 17, 18, 19, 20, 21, 131});
}

bool DB_Dll::ADOCurrency(const QVariant& Qtype) { return TipoEn(Qtype, {6}); }

bool DB_Dll::ADOBoolean(const QVariant& Qtype) { return TipoEn(Qtype, {11}); }

QString DB_Dll::ADOComilla(const QVariant& Qtype) {
    return adodate(Qtype) || ADOText(Qtype) ? QStringLiteral("'") : QString();
}

QString DB_Dll::SQLValue(const QVariant& Valor, const QString& Tipo) {
    if (Tipo == QLatin1String("@")) return plataforma::NumeroConPunto(EsNulo(Valor) ? 0.0 : ValorNumerico(Valor));
    if (EsNulo(Valor)) return QStringLiteral("NULL");
    if (Tipo == QLatin1String("'")) {
        QString texto = TextoDeValor(Valor);
        return QLatin1Char('\'') + texto.replace(QLatin1Char('\''), QLatin1String("''")) + QLatin1Char('\'');
    }
    return TextoDeValor(Valor);
}

QString DB_Dll::SQLValue2(const QVariant& Valor, const QString& Tipo) { return SQLValue(Valor, Tipo); }

QString DB_Dll::stSTF(QString& rsName, int rnPart) {
    const qsizetype puntos = rsName.count(QLatin1Char('.'));
    if (puntos == 0) return rsName;
    if (puntos == 1) {
        const qsizetype punto = rsName.indexOf(QLatin1Char('.'));
        return rnPart != 0 ? rsName.mid(punto + 1) : rsName.left(punto);
    }
    return StripOwner(rsName);
}

QString DB_Dll::AddBrackets(const QString& rObjName) {
    if (rObjName.contains(QLatin1Char(' ')) && !rObjName.startsWith(QLatin1Char('[')))
        return QLatin1Char('[') + rObjName + QLatin1Char(']');
    return rObjName;
}

QString DB_Dll::StripBrackets(const QString& rsObjName) {
    if (!rsObjName.startsWith(QLatin1Char('['))) return rsObjName;
    // The closing character is dropped untested; a lone "[" has none to drop.
    if (rsObjName.size() < 2) plataforma::Lanzar(plataforma::errores::ArgumentoNoValido);
    return rsObjName.mid(1, rsObjName.size() - 2);
}

QString DB_Dll::StripOwner(QString& rsTblName) {
    const qsizetype punto = rsTblName.indexOf(QLatin1Char('.'));
    if (punto >= 0) rsTblName = rsTblName.mid(punto + 1);
    return rsTblName;
}

QString DB_Dll::StripConnect(const QString& rsTblName) {
    const qsizetype flecha = rsTblName.indexOf(QLatin1String("->"));
    if (flecha < 0) return rsTblName;
    return plataforma::Left(rsTblName, flecha - 1);
}

QString DB_Dll::StripFileName(const QString& rsFileName) {
    const qsizetype barra = rsFileName.lastIndexOf(QLatin1Char('\\'));
    return barra < 0 ? QString() : rsFileName.left(barra);
}
