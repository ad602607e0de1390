// Reading a text as a date the way the suite's regional settings write one: day first.
#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace basedatos {

// The date a text stands for, or nothing. Accepted, with blanks around them: day/month/year
// with "/", "-" or "." between the parts, a year of two digits (00-29 are 2000-2029, 30-99 are
// 1930-1999) or four; month first when the day-first reading is impossible (12/25/2023), as the
// original runtime does; a four-digit year first (2023-02-01); each optionally followed by a
// time h:mm or h:mm:ss. Texts without a year, times alone and month names are not dates here:
// the suite always writes its dates with a year, and a code such as '10/12' must stay a text.
std::optional<QDate> FechaRegional(const QString& texto);

}  // namespace basedatos
