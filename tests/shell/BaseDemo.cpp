#include "BaseDemo.h"

#include "Connection.h"
#include "CrearBase.h"
#include "EstadoAplicacion.h"
#include "Recordset.h"
#include "Sesiones.h"

namespace {
const QString kCadena = QStringLiteral("PROVIDER=SQLOLEDB;Server=(localdb);Database =DEMO;UId=DEMO;Pwd=DEMO;");
}

BaseDemo::BaseDemo() {
    velmoradb::OpcionesCrear opciones;
    opciones.servidor = QStringLiteral("(localdb)");
    opciones.base = QStringLiteral("DEMO");
    opciones.demo = true;
    EXPECT_EQ(velmoradb::CrearBase(opciones), 0);
    DB_Dll::InstalarPrincipal(&sesion);
    InstalarSesionEstadisticas(&estadisticas);
    Estado() = EstadoAplicacion{};
}

BaseDemo::~BaseDemo() {
    DB_Dll::InstalarPrincipal(nullptr);
    InstalarSesionEstadisticas(nullptr);
    Estado() = EstadoAplicacion{};
}

QVariant BaseDemo::Valor(const QString& consulta) {
    ado::Connection cn;
    cn.Open(kCadena);
    ado::Recordset rs;
    rs.Open(consulta, cn);
    return rs.Eof() ? QVariant() : rs.Fields(0).Value();
}

void BaseDemo::Ejecutar(const QString& sql) {
    ado::Connection cn;
    cn.Open(kCadena);
    cn.Execute(sql);
}

void BaseDemo::Conectar() {
    sesion.gServidor = QStringLiteral("(localdb)");
    sesion.gDBName = sesion.gUsuario = sesion.gUserPassWord = QStringLiteral("DEMO");
    sesion.OpenServerADODB(false, 3, QString(), false, false);
    ASSERT_TRUE(sesion.gOpenFlag);
}
