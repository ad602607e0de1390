#include "ArchivoIni.h"

#include "ArchivosAnsi.h"
#include "Carpetas.h"

#include <QFile>

QString ArchivoIni::LeerIni(const QString& archivo, const QString& seccion, const QString& clave, const QString& defecto) const {
    const bool esRuta = archivo.contains(QLatin1Char('/')) || archivo.contains(QLatin1Char('\\'));
    const QString ruta = esRuta ? QString(archivo).replace(QLatin1Char('\\'), QLatin1Char('/')) : plataforma::RutaAplicacion(archivo);
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) return defecto;
    return BuscarEnTexto(plataforma::DecodificarAnsi(f.readAll()), seccion, clave, defecto);
}

QString ArchivoIni::BuscarEnTexto(const QString& texto, const QString& seccion, const QString& clave, const QString& defecto) {
    const QString seccionBuscada = seccion.trimmed();
    const QString claveBuscada = clave.trimmed();
    bool enSeccion = false;
    for (QStringView linea : QStringView(texto).split(QLatin1Char('\n'))) {
        linea = linea.trimmed();  // also drops the CR of CR LF
        if (linea.isEmpty() || linea.startsWith(QLatin1Char(';'))) continue;
        if (linea.startsWith(QLatin1Char('['))) {
            const qsizetype cierre = linea.lastIndexOf(QLatin1Char(']'));
            if (cierre < 0) continue;
            enSeccion = linea.mid(1, cierre - 1).trimmed().compare(seccionBuscada, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!enSeccion) continue;
        const qsizetype igual = linea.indexOf(QLatin1Char('='));
        if (igual < 0 || linea.left(igual).trimmed().compare(claveBuscada, Qt::CaseInsensitive) != 0) continue;
        QStringView valor = linea.mid(igual + 1).trimmed();
        // A value wholly between double quotes loses them, as the Windows reader does.
        if (valor.size() >= 2 && valor.startsWith(QLatin1Char('"')) && valor.endsWith(QLatin1Char('"'))) valor = valor.mid(1, valor.size() - 2);
        return valor.toString();
    }
    return defecto;
}
