#include "Utilidades.h"

#include "Dialogos.h"
#include "Texto.h"

#include <cmath>

QVariant Utilidades::ValorCampo(const QVariant& valor) const {
    if (!valor.isValid() || valor.isNull()) return QString();
    return valor;
}

double Utilidades::ValorNumerico(const QString& texto) const {
    return std::round(plataforma::Val(texto) * 10000.0) / 10000.0;
}

qint64 Utilidades::ValorEntero(const QString& texto) const {
    return static_cast<qint64>(std::llround(plataforma::Val(texto)));
}

QString Utilidades::TextoLimitado(const QString& texto, int largo) const { return texto.left(qMax(0, largo)); }

QString Utilidades::FormatearCodigo(const QString& texto, int largo) const {
    const QString limpio = texto.trimmed();
    if (largo <= 0) return QString();
    if (limpio.size() >= largo) return limpio.left(largo);
    return QString(largo - limpio.size(), QLatin1Char(' ')) + limpio;
}

QString Utilidades::QuitarCaracteres(const QString& texto, const QString& primero, const QString& segundo, const QString& tercero) const {
    QString resultado = texto;
    for (const QString& c : {primero, segundo, tercero}) {
        if (!c.isEmpty()) resultado.remove(c.at(0));
    }
    return resultado;
}

QString Utilidades::Reemplazar(const QString& texto, const QString& que, const QString& por) const {
    return plataforma::ReemplazarSinMayusculas(texto, que, por);
}

QString Utilidades::ReemplazarTexto(const QString& texto, const QString& que, const QString& por) const {
    return Reemplazar(texto, que, por);
}

int Utilidades::ContarPalabras(const QString& texto) const {
    int palabras = 0;
    bool enPalabra = false;
    for (QChar c : texto) {
        const bool blanco = c.isSpace();
        if (!blanco && !enPalabra) ++palabras;
        enPalabra = !blanco;
    }
    return palabras;
}

QString Utilidades::CarpetaConBarra(const QString& carpeta) const {
    QString resultado = carpeta.trimmed();
    if (resultado.isEmpty()) return resultado;
    while (resultado.size() > 1 && (resultado.endsWith(QLatin1Char('/')) || resultado.endsWith(QLatin1Char('\\')))) resultado.chop(1);
    if (resultado == QLatin1String("/") || resultado == QLatin1String("\\")) return QStringLiteral("/");
    return resultado + QLatin1Char('/');
}

// The encoded form: "~" then, for each character, its UTF-16 code mixed with a rolling key and
// written as four upper-case hex digits. The leading "~" tells encoded text from clear text.
namespace {
const char16_t kClave[] = u"Velmora-Zento";
constexpr int kLargoClave = static_cast<int>(sizeof(kClave) / sizeof(kClave[0])) - 1;

char16_t mezcla(qsizetype posicion) {
    return static_cast<char16_t>(kClave[posicion % kLargoClave] * 31 + posicion * 7919);
}
}  // namespace

QString Utilidades::Codificar(const QString& texto) const {
    QString resultado = QStringLiteral("~");
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const char16_t codigo = texto.at(i).unicode() ^ mezcla(i);
        resultado += QStringLiteral("%1").arg(static_cast<uint>(codigo), 4, 16, QLatin1Char('0')).toUpper();
    }
    return resultado;
}

QString Utilidades::Decodificar(const QString& texto) const {
    if (!texto.startsWith(QLatin1Char('~')) || (texto.size() - 1) % 4 != 0) return texto;
    QString resultado;
    for (qsizetype i = 1, posicion = 0; i < texto.size(); i += 4, ++posicion) {
        bool ok = false;
        const uint codigo = QStringView(texto).mid(i, 4).toUInt(&ok, 16);
        if (!ok) return texto;
        resultado += QChar(static_cast<char16_t>(codigo ^ mezcla(posicion)));
    }
    return resultado;
}

int Utilidades::MostrarError(const plataforma::ErrorEjecucion& error, const QVariant& valor, const QString& rutina) const {
    QString texto = QStringLiteral("Error %1: %2").arg(error.Number).arg(error.Description);
    if (valor.isValid() && !valor.isNull()) texto += QStringLiteral("\nValor: %1").arg(valor.toString());
    if (!rutina.isEmpty()) texto += QStringLiteral("\nRutina: %1").arg(rutina);
    return plataforma::MsgBox(texto, plataforma::estilo::vbAbortRetryIgnore + plataforma::estilo::vbCritical);
}
