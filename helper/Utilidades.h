// The helper component's general utilities: values of fields, numbers from text, codes and
// limited texts, character removal and replacement, folders, the password encoding, the error box.
#pragma once

#include "ErrorEjecucion.h"

#include <QString>
#include <QVariant>

class QWidget;

class Utilidades {
public:
    // The value, with Null (and Empty) turned into empty text.
    QVariant ValorCampo(const QVariant& valor) const;
    // The number at the start of the text (decimal point), rounded to four decimals; 0 when none.
    double ValorNumerico(const QString& texto) const;
    // The same number rounded to the nearest whole number (halves away from zero).
    qint64 ValorEntero(const QString& texto) const;
    // At most `largo` characters, cut at the right end. Quotes are left alone: whoever puts the
    // text into SQL passes it through the literal helper, which doubles them.
    QString TextoLimitado(const QString& texto, int largo) const;
    // The trimmed text right-aligned in `largo` characters, padded with blanks; a longer text
    // keeps its first `largo` characters.
    QString FormatearCodigo(const QString& texto, int largo) const;
    // The text without any of the given characters (each argument is one character; empty ones are ignored).
    QString QuitarCaracteres(const QString& texto, const QString& primero, const QString& segundo = QString(),
                             const QString& tercero = QString()) const;
    // Every occurrence replaced, found without case.
    QString Reemplazar(const QString& texto, const QString& que, const QString& por) const;
    QString ReemplazarTexto(const QString& texto, const QString& que, const QString& por) const;
    // Number of words; blanks, tabs and line breaks separate them (a statement written on
    // several lines is several words).
    int ContarPalabras(const QString& texto) const;
    // The folder ending in exactly one "/" ("\" accepted as a separator on input); an empty
    // folder stays empty (the current folder).
    QString CarpetaConBarra(const QString& carpeta) const;
    // A reversible encoding for stored passwords and INI values. It is NOT encryption: it only
    // keeps the clear text out of sight. Decodificar(Codificar(x)) == x for every text; a text
    // that is not in the encoded form decodes to itself.
    QString Codificar(const QString& texto) const;
    QString Decodificar(const QString& texto) const;
    // Asks the operator about a runtime error (Abort/Retry/Ignore box through the dialog service):
    // 4 retry the failed statement, 5 go on with the next one, anything else leave the routine.
    int MostrarError(const plataforma::ErrorEjecucion& error, const QVariant& valor, const QString& rutina) const;

    // Window operations (defined in the helper's window library).
    void UbicarVentana(QWidget* ventana, bool centrar = false) const;  // centres it on the screen when asked
    void RestaurarPuntero(int puntero = 0) const;                      // back to the normal mouse pointer
};
