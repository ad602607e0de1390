// Regional settings fixed as on a Spanish-speaking machine set up for the suite, whatever LANG
// says: dates day first with "/", 24-hour clock, a decimal point in every number that reaches SQL.
#pragma once

#include <QDateTime>
#include <QString>

namespace plataforma {

// Makes the C locale the default for number conversions, so "1.5" is read and written alike.
void FijarConfiguracionRegional();

// The original's date format ("dd/mm/yy hh:mm") as a Qt format ("dd/MM/yy HH:mm"): "mm" after
// "h" or before ":ss" means minutes, otherwise month; "hh" is the 24-hour clock.
QString FormatoQt(const QString& formatoOriginal);
// A date and time written with the original's format.
QString FormatearFecha(const QDateTime& momento, const QString& formatoOriginal);
// A number written with a decimal point and no group separators, as SQL wants it.
QString NumeroConPunto(double valor);

}  // namespace plataforma
