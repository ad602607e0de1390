#include "UtilidadesShell.h"

#include <QFile>
#include <QFileInfo>

QString FormatoFechaHora() { return QStringLiteral("dd/mm/yy hh:mm"); }
QString FormatoFecha() { return QStringLiteral("dd/mm/yy"); }
QString FormatoHora() { return QStringLiteral("hh:mm"); }

bool ExisteArchivo(const QString& archivo) {
    const QString ruta = QString(archivo).remove(QLatin1Char('"'));
    if (ruta.isEmpty() || QFileInfo(ruta).isDir()) return false;
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly);
}
