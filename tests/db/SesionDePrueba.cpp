// The shared database fixture of the database and shell tests, and the scripted connection dialog.
#include "SesionDePrueba.h"

#include "proveedor.h"

SesionDePrueba::SesionDePrueba() {
    ado::CrearBaseDatos(ado::RutaBaseLocal(QStringLiteral("EMPRESA")));
    db.gServidor = QStringLiteral("(localdb)");
    db.gDBName = db.gUsuario = db.gUserPassWord = QStringLiteral("EMPRESA");
    DB_Dll::InstalarPrincipal(&db);
    db.OpenServerADODB(false, ado::adUseClient, QString(), false, false);
    Ejecutar(QStringLiteral("CREATE TABLE TA_USUARIOS (nombre varchar(50) NOT NULL PRIMARY KEY, Administrador varchar(5) NULL)"));
    Ejecutar(QStringLiteral("CREATE TABLE TA_QUENDAL (codigo char(4) NOT NULL PRIMARY KEY, descripcion varchar(50) NULL)"));
    Ejecutar(QStringLiteral("CREATE TABLE AUX_ERR (Id int IDENTITY(1,1) NOT NULL, Proceso varchar(50) NULL, FECHA varchar(20) NULL, "
                            "Error int NULL, Descripcion varchar(250) NULL, sql varchar(4000) NULL, PC varchar(50) NULL, "
                            "Usuario varchar(50) NULL)"));
}

SesionDePrueba::~SesionDePrueba() { DB_Dll::InstalarPrincipal(nullptr); }

QVariant SesionDePrueba::Valor(const QString& consulta) {
    ado::Connection cn;
    cn.Open(QStringLiteral("PROVIDER=SQLOLEDB;Server=(localdb);Database =EMPRESA;UId=EMPRESA;Pwd=EMPRESA;"));
    ado::Recordset rs;
    rs.Open(consulta, cn);
    return rs.Eof() ? QVariant() : rs.Fields(0).Value();
}

DialogoConexionGuionado::~DialogoConexionGuionado() {
    basedatos::InstalarDialogoConexion(nullptr);
    EXPECT_TRUE(respuestas.empty()) << "the connection dialog was asked for fewer times than scripted";
}

bool DialogoConexionGuionado::PedirConexion(basedatos::ParametrosConexion& valores) {
    mostrados.push_back(valores);
    if (respuestas.empty()) {
        ADD_FAILURE() << "unexpected connection dialog";
        return false;
    }
    const auto respuesta = respuestas.front();
    respuestas.pop_front();
    if (!respuesta) return false;
    valores = *respuesta;
    return true;
}
