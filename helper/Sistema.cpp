#include "Sistema.h"

#include "Carpetas.h"
#include "Procesos.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

QString Sistema::NombreEquipo() const { return plataforma::NombreEquipo(); }

QString Sistema::NombreUsuarioSistema() const { return plataforma::NombreUsuarioSistema(); }

QString Sistema::CarpetaAuxiliar() const { return QDir::tempPath(); }

bool Sistema::AbrirDocumento(int, const QString&, const QString& archivo, const QString&, const QString&, int) const {
    QString destino = archivo.trimmed();
    // A path with blanks arrives between double quotes, as the original's shell wanted it.
    if (destino.size() >= 2 && destino.startsWith(QLatin1Char('"')) && destino.endsWith(QLatin1Char('"'))) destino = destino.mid(1, destino.size() - 2);
    if (destino.isEmpty()) return false;
    const bool esDireccion = destino.contains(QLatin1String("://")) || destino.startsWith(QLatin1String("www."), Qt::CaseInsensitive) ||
                             destino.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive);
    const QString objetivo = esDireccion ? QUrl::fromUserInput(destino).toString()
                                         : QFileInfo(QString(destino).replace(QLatin1Char('\\'), QLatin1Char('/'))).absoluteFilePath();
    return plataforma::IniciarPrograma(QStringLiteral("xdg-open"), {objetivo}) != 0;
}
