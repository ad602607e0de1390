// Day-first date reading for the dialect translation (and for anyone needing the runtime's date test).
#include "FechaRegional.h"

#include <QRegularExpression>

namespace basedatos {

namespace {

int AnioCompleto(const QString& anio) {
    const int valor = anio.toInt();
    if (anio.size() == 4) return valor;
    return valor < 30 ? 2000 + valor : 1900 + valor;
}

bool HoraValida(const QRegularExpressionMatch& m) {
    if (!m.hasCaptured(QStringLiteral("hora"))) return true;
    const int h = m.captured(QStringLiteral("hora")).toInt();
    const int min = m.captured(QStringLiteral("minuto")).toInt();
    const QString seg = m.captured(QStringLiteral("segundo"));
    return h < 24 && min < 60 && (seg.isEmpty() || seg.toInt() < 60);
}

std::optional<QDate> Fecha(int anio, int mes, int dia) {
    if (anio < 100 || anio > 9999) return std::nullopt;
    const QDate fecha(anio, mes, dia);
    if (!fecha.isValid()) return std::nullopt;
    return fecha;
}

}  // namespace

std::optional<QDate> FechaRegional(const QString& texto) {
    static const QString hora = QStringLiteral(R"((?:\s+(?<hora>\d{1,2}):(?<minuto>\d{2})(?::(?<segundo>\d{2}))?)?)");
    static const QRegularExpression diaPrimero(
        QStringLiteral(R"(^\s*(?<a>\d{1,2})(?<sep>[/.\-])(?<b>\d{1,2})\k<sep>(?<anio>\d{4}|\d{2}))") + hora +
        QStringLiteral(R"(\s*$)"));
    static const QRegularExpression anioPrimero(
        QStringLiteral(R"(^\s*(?<anio>\d{4})(?<sep>[/.\-])(?<mes>\d{1,2})\k<sep>(?<dia>\d{1,2}))") + hora +
        QStringLiteral(R"(\s*$)"));

    QRegularExpressionMatch m = diaPrimero.match(texto);
    if (m.hasMatch()) {
        if (!HoraValida(m)) return std::nullopt;
        const int anio = AnioCompleto(m.captured(QStringLiteral("anio")));
        const int a = m.captured(QStringLiteral("a")).toInt();
        const int b = m.captured(QStringLiteral("b")).toInt();
        if (auto fecha = Fecha(anio, b, a)) return fecha;
        return Fecha(anio, a, b);
    }
    m = anioPrimero.match(texto);
    if (m.hasMatch() && HoraValida(m)) {
        return Fecha(m.captured(QStringLiteral("anio")).toInt(), m.captured(QStringLiteral("mes")).toInt(),
                     m.captured(QStringLiteral("dia")).toInt());
    }
    return std::nullopt;
}

}  // namespace basedatos
