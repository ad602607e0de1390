// Readable Qt texts in the test failure messages.
#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& texto, std::ostream* salida) { *salida << '"' << texto.toStdString() << '"'; }
inline void PrintTo(const QStringList& lista, std::ostream* salida) {
    *salida << '[' << lista.join(QStringLiteral("] [")).toStdString() << ']';
}
