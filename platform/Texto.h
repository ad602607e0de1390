// Text helpers shared by every layer: case-insensitive search, replace and compare as the
// original platform's text compare does them, and the string functions whose failures the
// program relies on (a negative length raises the invalid-argument error 5).
#pragma once

#include <QString>

namespace plataforma {

bool IgualesSinMayusculas(const QString& a, const QString& b);
// 0-based position of `buscado` at or after `desde`, ignoring case; -1 when absent.
qsizetype BuscarSinMayusculas(const QString& texto, const QString& buscado, qsizetype desde = 0);
bool ContieneSinMayusculas(const QString& texto, const QString& buscado);
// Every occurrence of `que` replaced by `por`, found without case; the rest of the text keeps its case.
QString ReemplazarSinMayusculas(const QString& texto, const QString& que, const QString& por);

// The original's Mid/Left/Right, 1-based; a start below 1 or a negative length raises error 5.
QString Mid(const QString& texto, qsizetype inicio, qsizetype largo = -1);
QString Left(const QString& texto, qsizetype largo);
QString Right(const QString& texto, qsizetype largo);

// The original's Val: the number at the start of the text (blanks ignored, decimal point only),
// 0 when there is none. "12abc" is 12, " 1 5" is 15, "abc" is 0, "&H1F" is 31.
double Val(const QString& texto);

}  // namespace plataforma
