// Connection-string parsing and provider resolution.
#include "proveedor.h"

#include "Carpetas.h"
#include "ErrorEjecucion.h"
#include "Motor.h"
#include "motor_sqlite.h"

#include <QDir>

namespace ado {

QMap<QString, QString> LeerCadenaConexion(const QString& cadena) {
    QMap<QString, QString> claves;
    qsizetype i = 0;
    const qsizetype n = cadena.size();
    while (i < n) {
        const qsizetype igual = cadena.indexOf(QLatin1Char('='), i);
        if (igual < 0) break;
        const QString clave = cadena.mid(i, igual - i).trimmed().toUpper();
        qsizetype j = igual + 1;
        while (j < n && cadena[j] == QLatin1Char(' ')) ++j;
        QString valor;
        if (j < n && (cadena[j] == QLatin1Char('"') || cadena[j] == QLatin1Char('\''))) {
            const QChar comilla = cadena[j];
            const qsizetype fin = cadena.indexOf(comilla, j + 1);
            valor = cadena.mid(j + 1, (fin < 0 ? n : fin) - j - 1);
            j = fin < 0 ? n : fin + 1;
            const qsizetype pyc = cadena.indexOf(QLatin1Char(';'), j);
            j = pyc < 0 ? n : pyc + 1;
        } else {
            const qsizetype pyc = cadena.indexOf(QLatin1Char(';'), j);
            valor = cadena.mid(j, (pyc < 0 ? n : pyc) - j).trimmed();
            j = pyc < 0 ? n : pyc + 1;
        }
        if (!clave.isEmpty()) claves.insert(clave, valor);
        i = j;
    }
    return claves;
}

namespace {

QString Primera(const QMap<QString, QString>& claves, std::initializer_list<const char*> nombres) {
    for (const char* nombre : nombres) {
        const auto it = claves.constFind(QLatin1String(nombre));
        if (it != claves.constEnd()) return *it;
    }
    return {};
}

}  // namespace

QString RutaBaseLocal(const QString& baseDatos) {
    return plataforma::RutaEnCarpeta(plataforma::CarpetaAplicacion(), QStringLiteral("datos/") + baseDatos.trimmed() + QStringLiteral(".db"));
}

Destino ResolverProveedor(const QString& cadena) {
    const QMap<QString, QString> claves = LeerCadenaConexion(cadena);
    Destino d;
    d.proveedor = Primera(claves, {"PROVIDER"});
    d.servidor = Primera(claves, {"SERVER", "DATA SOURCE", "ADDRESS", "ADDR", "NETWORK ADDRESS", "DSN"});
    d.baseDatos = Primera(claves, {"INITIAL CATALOG", "DATABASE"});
    const QString proveedor = d.proveedor.trimmed().toUpper();
    if (proveedor.startsWith(QLatin1String("MICROSOFT.JET.OLEDB"))) {
        d.motor = ClaseMotor::Sqlite;
        d.origenErrores = QStringLiteral("Microsoft JET Database Engine");
        QString ruta = Primera(claves, {"DATA SOURCE"});
        if (!ruta.isEmpty() && QDir::isRelativePath(ruta)) ruta = plataforma::RutaAplicacion(ruta);
        d.ruta = ruta;
        d.baseDatos = ruta;
        return d;
    }
    if (proveedor.startsWith(QLatin1String("SQLOLEDB")) || proveedor.startsWith(QLatin1String("SQLNCLI")) || proveedor.startsWith(QLatin1String("MSOLEDBSQL"))) {
        d.origenErrores = QStringLiteral("Microsoft OLE DB Provider for SQL Server");
        const QString servidor = d.servidor.trimmed();
        const QString marca = QStringLiteral("(localdb)");
        if (servidor.startsWith(marca, Qt::CaseInsensitive) &&
            (servidor.size() == marca.size() || servidor[marca.size()] == QLatin1Char('\\'))) {
            d.motor = ClaseMotor::Sqlite;
            if (!d.baseDatos.trimmed().isEmpty()) d.ruta = RutaBaseLocal(d.baseDatos);
        }
        return d;
    }
    d.origenErrores = proveedor.startsWith(QLatin1String("ORAOLEDB")) ? QStringLiteral("OraOLEDB") : QStringLiteral("Microsoft OLE DB Provider for ODBC Drivers");
    return d;
}

void CrearBaseDatos(const QString& ruta) {
    try {
        CrearArchivoSqlite(ruta);
    } catch (const FalloMotor& f) {
        plataforma::Lanzar(plataforma::errores::ErrorNoEspecificado, f.errores().front().Description, QStringLiteral("SQLite"));
    }
}

}  // namespace ado
