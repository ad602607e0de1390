// velmora-db crear: the suite's schema (and, on request, demo rows) in a new database of the
// embedded engine, plus the statistics database when it is missing.
#include "CrearBase.h"

#include "Connection.h"
#include "DB_Dll.h"
#include "ErrorEjecucion.h"
#include "Errors.h"
#include "Recordset.h"
#include "Texto.h"
#include "Utilidades.h"
#include "proveedor.h"

#include <QFile>
#include <QRegularExpression>
#include <cstdio>

namespace velmoradb {

namespace {

void Informar(const QString& texto) {
    std::fputs((texto + QLatin1Char('\n')).toUtf8().constData(), stdout);
}

void Fallar(const QString& texto) {
    std::fputs((texto + QLatin1Char('\n')).toUtf8().constData(), stderr);
}

bool EsServidorLocal(const QString& servidor) {
    static const QRegularExpression local(QStringLiteral("^\\(localdb\\)(\\\\.*)?$"),
                                          QRegularExpression::CaseInsensitiveOption);
    return local.match(servidor.trimmed()).hasMatch();
}

QString LeerScript(const QString& nombre) {
    QFile archivo(QStringLiteral(":/sql/sqlite/") + nombre);
    if (!archivo.open(QIODevice::ReadOnly)) plataforma::Lanzar(53, QStringLiteral("No se encuentra el script ") + nombre);
    return QString::fromUtf8(archivo.readAll());
}

void BorrarArchivos(const QString& ruta) {
    for (const char* sufijo : {"", "-wal", "-shm", "-journal"}) QFile::remove(ruta + QLatin1String(sufijo));
}

QString CadenaConexion(const QString& base) {
    return QStringLiteral("PROVIDER=SQLOLEDB;Server=(localdb);Database=%1;UId=%1;Pwd=%1;").arg(base);
}

// The demo users: an administrator and an ordinary user of the suite's own system code.
QString UsuariosDemo() {
    const Utilidades util;
    const auto fila = [&](const char* nombre, const char* clave, int administrador) {
        return QStringLiteral("INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA, Password, Administrador, UNegocio) VALUES (%1, 'velmora', %2, %3, '   1')\n")
            .arg(DB_Dll::SQLValue(QString::fromLatin1(nombre)), DB_Dll::SQLValue(util.Codificar(QString::fromLatin1(clave))))
            .arg(administrador);
    };
    return fila("ADMIN", "admin", 1) + fila("OPERADOR", "operador", 0) +
           QStringLiteral("INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('ADMIN', '0101')\n"
                          "INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('ADMIN', '0207')\n"
                          "INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('OPERADOR', '0207')\n");
}

// Creates the file and runs the scripts in one transaction; a failure leaves no file behind.
void CrearConScripts(const QString& base, const QStringList& lotes) {
    const QString ruta = ado::RutaBaseLocal(base);
    ado::CrearBaseDatos(ruta);
    try {
        ado::Connection cn;
        cn.Open(CadenaConexion(base));
        cn.BeginTrans();
        for (const QString& lote : lotes) cn.Execute(lote);
        cn.CommitTrans();
        cn.Close();
    } catch (...) {
        BorrarArchivos(ruta);
        throw;
    }
}

}  // namespace

int CrearBase(const OpcionesCrear& opciones) {
    if (!EsServidorLocal(opciones.servidor)) {
        Fallar(QStringLiteral("No se puede crear la base en el servidor \"%1\": por ahora solo se crean bases en (localdb).")
                   .arg(opciones.servidor));
        return 2;
    }
    static const QRegularExpression nombreValido(QStringLiteral("^[A-Za-z0-9_][A-Za-z0-9_ .-]*$"));
    if (!nombreValido.match(opciones.base).hasMatch()) {
        Fallar(QStringLiteral("El nombre de base \"%1\" no es válido.").arg(opciones.base));
        return 2;
    }
    const QString ruta = ado::RutaBaseLocal(opciones.base);
    try {
        if (QFile::exists(ruta)) {
            if (!opciones.reemplazar) {
                Informar(QStringLiteral("La base %1 ya existe (%2); no se cambió nada. Use --reemplazar para crearla de nuevo.")
                             .arg(opciones.base, ruta));
                return 0;
            }
            BorrarArchivos(ruta);
            Informar(QStringLiteral("Se borró la base %1 anterior.").arg(opciones.base));
        }
        QStringList lotes{LeerScript(QStringLiteral("esquema.sql")), LeerScript(QStringLiteral("vistas_insertables_sqlite.sql"))};
        if (opciones.demo) lotes << LeerScript(QStringLiteral("demo.sql")) << UsuariosDemo();
        CrearConScripts(opciones.base, lotes);
        Informar(QStringLiteral("Base %1 creada en %2%3.")
                     .arg(opciones.base, ruta, opciones.demo ? QStringLiteral(" con datos de demostración") : QString()));

        if (!plataforma::IgualesSinMayusculas(opciones.base, QLatin1String(BaseEstadisticas))) {
            const QString rutaEstadisticas = ado::RutaBaseLocal(QLatin1String(BaseEstadisticas));
            if (!QFile::exists(rutaEstadisticas)) {
                CrearConScripts(QLatin1String(BaseEstadisticas), {LeerScript(QStringLiteral("estadisticas.sql"))});
                Informar(QStringLiteral("Base %1 creada en %2.").arg(QLatin1String(BaseEstadisticas), rutaEstadisticas));
            }
        }
    } catch (const plataforma::ErrorRuntime& error) {
        Fallar(QStringLiteral("No se pudo crear la base %1: %2").arg(opciones.base, error.error().Description));
        return 1;
    }
    return 0;
}

}  // namespace velmoradb
