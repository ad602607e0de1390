#include "Carpetas.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>

#include <pwd.h>
#include <unistd.h>

extern char** environ;

namespace plataforma {

namespace {

QString rutaDelEjecutable() {
    static const QString ruta = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return ruta;
}

}  // namespace

QString CarpetaEjecutable() { return QFileInfo(rutaDelEjecutable()).absolutePath(); }

QString NombreEjecutable() { return QFileInfo(rutaDelEjecutable()).completeBaseName(); }

QString CarpetaAplicacion() {
    const QString forzada = VariableEntorno(QStringLiteral("VELMORA_HOME"));
    if (!forzada.isEmpty()) return QDir::cleanPath(QDir(forzada).absolutePath());
    const QString ejecutable = CarpetaEjecutable();
    if (QFileInfo(ejecutable).isWritable()) return ejecutable;
    QString datos = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (datos.isEmpty()) datos = QDir::homePath() + QStringLiteral("/.local/share");
    const QString carpeta = datos + QStringLiteral("/velmora");
    QDir().mkpath(carpeta);
    return carpeta;
}

QString RutaEnCarpeta(const QString& carpeta, const QString& nombre) {
    QString actual = carpeta;
    const QStringList partes = QString(nombre).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& parte : partes) {
        QString encontrado;
        if (QFileInfo::exists(actual + QLatin1Char('/') + parte)) {
            encontrado = parte;
        } else {
            const QStringList entradas = QDir(actual).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            for (const QString& e : entradas) {
                if (e.compare(parte, Qt::CaseInsensitive) == 0) {
                    encontrado = e;
                    break;
                }
            }
        }
        actual += QLatin1Char('/') + (encontrado.isEmpty() ? parte : encontrado);
    }
    return actual;
}

QString RutaAplicacion(const QString& nombre) { return RutaEnCarpeta(CarpetaAplicacion(), nombre); }

QString VariableEntorno(const QString& nombre) {
    const QByteArray exacto = qgetenv(nombre.toLocal8Bit().constData());
    if (!exacto.isEmpty()) return QString::fromLocal8Bit(exacto);
    for (char** e = environ; e && *e; ++e) {
        const QString entrada = QString::fromLocal8Bit(*e);
        const qsizetype igual = entrada.indexOf(QLatin1Char('='));
        if (igual > 0 && entrada.left(igual).compare(nombre, Qt::CaseInsensitive) == 0) return entrada.mid(igual + 1);
    }
    return QString();
}

QString NombreEquipo() {
    QString nombre = QSysInfo::machineHostName();
    const qsizetype punto = nombre.indexOf(QLatin1Char('.'));
    if (punto > 0) nombre.truncate(punto);  // the short name, as a Windows computer name
    return nombre;
}

QString NombreUsuarioSistema() {
    if (const passwd* pw = getpwuid(geteuid()); pw && pw->pw_name) return QString::fromLocal8Bit(pw->pw_name);
    return VariableEntorno(QStringLiteral("USER"));
}

}  // namespace plataforma
