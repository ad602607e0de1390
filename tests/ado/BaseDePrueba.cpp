// The shared fixture of the ado tests.
#include "BaseDePrueba.h"

#include "motor_sqlite.h"
#include "proveedor.h"

#include <sqlite3.h>

BaseDePrueba::BaseDePrueba() {
    ruta = ado::RutaBaseLocal(QStringLiteral("PRUEBA"));
    ado::CrearBaseDatos(ruta);
    cn.setCursorLocation(ado::adUseClient);
    cn.Open(CadenaPrueba);
    cn.Execute(QStringLiteral("CREATE TABLE TA_QUENDAL (codigo char(4) NOT NULL PRIMARY KEY, descripcion varchar(50) NULL)"));
}

QVariant BaseDePrueba::Valor(const QString& consulta) {
    ado::Recordset rs;
    rs.Open(consulta, cn);
    return rs.Eof() ? QVariant() : rs.Fields(0).Value();
}

QString BaseDePrueba::IntegridadArchivo() {
    sqlite3* db = nullptr;
    QString resultado;
    if (sqlite3_open_v2(ruta.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        ado::RegistrarEmulacion(db);
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW) {
            resultado = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        }
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return resultado;
}
