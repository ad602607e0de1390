#include "Texto.h"

#include "ErrorEjecucion.h"

#include <cmath>

namespace plataforma {

bool IgualesSinMayusculas(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

qsizetype BuscarSinMayusculas(const QString& texto, const QString& buscado, qsizetype desde) {
    if (desde < 0) desde = 0;
    if (desde > texto.size()) return -1;
    return texto.indexOf(buscado, desde, Qt::CaseInsensitive);
}

bool ContieneSinMayusculas(const QString& texto, const QString& buscado) { return texto.contains(buscado, Qt::CaseInsensitive); }

QString ReemplazarSinMayusculas(const QString& texto, const QString& que, const QString& por) {
    if (que.isEmpty()) return texto;
    QString resultado = texto;
    return resultado.replace(que, por, Qt::CaseInsensitive);
}

QString Mid(const QString& texto, qsizetype inicio, qsizetype largo) {
    if (inicio < 1) Lanzar(errores::ArgumentoNoValido);
    if (largo < -1) Lanzar(errores::ArgumentoNoValido);
    if (inicio > texto.size()) return QString();
    return largo == -1 ? texto.mid(inicio - 1) : texto.mid(inicio - 1, largo);
}

QString Left(const QString& texto, qsizetype largo) {
    if (largo < 0) Lanzar(errores::ArgumentoNoValido);
    return texto.left(largo);
}

QString Right(const QString& texto, qsizetype largo) {
    if (largo < 0) Lanzar(errores::ArgumentoNoValido);
    return texto.right(largo);
}

double Val(const QString& texto) {
    QString limpio;
    for (QChar c : texto) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n') && c != QLatin1Char('\r')) limpio += c;
    }
    if (limpio.startsWith(QLatin1String("&H"), Qt::CaseInsensitive) || limpio.startsWith(QLatin1String("&O"), Qt::CaseInsensitive)) {
        const int base = limpio.at(1).toUpper() == QLatin1Char('H') ? 16 : 8;
        qsizetype i = 2;
        double valor = 0;
        for (; i < limpio.size(); ++i) {
            const int digito = QString(limpio.at(i)).toInt(nullptr, base);
            if (digito == 0 && limpio.at(i) != QLatin1Char('0')) break;
            valor = valor * base + digito;
        }
        return valor;
    }
    qsizetype i = 0;
    QString numero;
    if (i < limpio.size() && (limpio.at(i) == QLatin1Char('-') || limpio.at(i) == QLatin1Char('+'))) numero += limpio.at(i++);
    bool punto = false, digitos = false;
    for (; i < limpio.size(); ++i) {
        const QChar c = limpio.at(i);
        if (c.isDigit() && c.unicode() < 128) { numero += c; digitos = true; }
        else if (c == QLatin1Char('.') && !punto) { numero += c; punto = true; }
        else break;
    }
    if (!digitos) return 0;
    if (i < limpio.size() && (limpio.at(i) == QLatin1Char('e') || limpio.at(i) == QLatin1Char('E') ||
                              limpio.at(i) == QLatin1Char('d') || limpio.at(i) == QLatin1Char('D'))) {
        QString exponente = QStringLiteral("e");
        qsizetype j = i + 1;
        if (j < limpio.size() && (limpio.at(j) == QLatin1Char('-') || limpio.at(j) == QLatin1Char('+'))) exponente += limpio.at(j++);
        qsizetype inicioDigitos = j;
        while (j < limpio.size() && limpio.at(j).isDigit() && limpio.at(j).unicode() < 128) exponente += limpio.at(j++);
        if (j > inicioDigitos) numero += exponente;
    }
    bool ok = false;
    const double valor = numero.toDouble(&ok);
    return ok && std::isfinite(valor) ? valor : 0;
}

}  // namespace plataforma
