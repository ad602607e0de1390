#include "Regional.h"

#include <QLocale>

namespace plataforma {

void FijarConfiguracionRegional() {
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(c);
}

QString FormatoQt(const QString& formatoOriginal) {
    QString resultado;
    bool despuesDeHora = false;
    for (qsizetype i = 0; i < formatoOriginal.size();) {
        const QChar c = formatoOriginal.at(i);
        qsizetype n = 1;
        while (i + n < formatoOriginal.size() && formatoOriginal.at(i + n).toLower() == c.toLower()) ++n;
        const QString grupo = formatoOriginal.mid(i, n);
        const QChar l = c.toLower();
        if (l == QLatin1Char('h')) {
            resultado += QString(n, QLatin1Char('H'));
            despuesDeHora = true;
        } else if (l == QLatin1Char('m')) {
            const bool minutos = despuesDeHora || formatoOriginal.mid(i + n).trimmed().startsWith(QLatin1Char(':'));
            resultado += minutos ? QString(n, QLatin1Char('m')) : QString(n, QLatin1Char('M'));
            despuesDeHora = false;
        } else if (l == QLatin1Char('n')) {
            resultado += QString(n, QLatin1Char('m'));  // the original's unambiguous minutes
        } else if (l == QLatin1Char('d') || l == QLatin1Char('y') || l == QLatin1Char('s')) {
            resultado += grupo.toLower();
            if (l != QLatin1Char('s')) despuesDeHora = false;
        } else {
            resultado += grupo;
        }
        i += n;
    }
    return resultado;
}

QString FormatearFecha(const QDateTime& momento, const QString& formatoOriginal) {
    return QLocale::c().toString(momento, FormatoQt(formatoOriginal));
}

QString NumeroConPunto(double valor) {
    QString texto = QString::number(valor, 'f', 10);
    if (texto.contains(QLatin1Char('.'))) {
        while (texto.endsWith(QLatin1Char('0'))) texto.chop(1);
        if (texto.endsWith(QLatin1Char('.'))) texto.chop(1);
    }
    if (texto == QLatin1String("-0")) texto = QStringLiteral("0");
    return texto;
}

}  // namespace plataforma
