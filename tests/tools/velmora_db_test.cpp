// velmora-db run as a process: the demo database it creates, seen through the ADO layer, its
// refusals, and the byte-exact text of "traducir".
#include "CarpetaDePrueba.h"
#include "Connection.h"
#include "ErrorEjecucion.h"
#include "Recordset.h"
#include "Utilidades.h"
#include "proveedor.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct Resultado {
    int codigo = -1;
    QByteArray salida;
    QByteArray errores;
};

Resultado Ejecutar(const QStringList& argumentos) {
    QProcess proceso;
    proceso.start(QStringLiteral(VELMORA_DB_PROGRAMA), argumentos);
    EXPECT_TRUE(proceso.waitForFinished(60000));
    return {proceso.exitStatus() == QProcess::NormalExit ? proceso.exitCode() : -1, proceso.readAllStandardOutput(),
            proceso.readAllStandardError()};
}

QVariant Escalar(ado::Connection& cn, const QString& sql) {
    ado::Recordset rs = cn.Execute(sql);
    return rs.Fields(0).Value();
}

class VelmoraDb : public ::testing::Test {
protected:
    CarpetaDePrueba carpeta;

    void CrearDemo() {
        const Resultado r = Ejecutar({QStringLiteral("crear"), QStringLiteral("--servidor"), QStringLiteral("(LocalDB)"),
                                      QStringLiteral("--base"), QStringLiteral("DEMO"), QStringLiteral("--demo")});
        ASSERT_EQ(r.codigo, 0) << r.errores.constData();
        cn.Open(QStringLiteral("PROVIDER=SQLOLEDB;Server=(localdb);Database=DEMO;UId=DEMO;Pwd=DEMO;"));
    }
    ado::Connection cn;
};

TEST_F(VelmoraDb, LaBaseDeDemostracionSigueLasReglasDeSqlServer) {
    CrearDemo();
    EXPECT_TRUE(QFile::exists(carpeta.archivo(QStringLiteral("datos/DEMO.db"))));
    EXPECT_EQ(Escalar(cn, QStringLiteral("SELECT COUNT(*) FROM TA_QUENDAL with(nolock)")).toInt(), 12);

    // Users: administrator and ordinary user, passwords stored encoded, names found without case.
    ado::Recordset rs = cn.Execute(QStringLiteral("SELECT * FROM TA_USUARIOS WHERE NOMBRE = 'admin' AND (SISTEMA = 'VELMORA')"));
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(rs.Fields(QStringLiteral("Administrador")).Value().toInt(), 1);
    EXPECT_EQ(Utilidades().Decodificar(rs.Fields(QStringLiteral("Password")).Value().toString()), QStringLiteral("admin"));
    EXPECT_NE(rs.Fields(QStringLiteral("Password")).Value().toString(), QStringLiteral("admin"));
    EXPECT_EQ(Escalar(cn, QStringLiteral("SELECT Administrador FROM TA_USUARIOS WHERE NOMBRE = 'OPERADOR'")).toInt(), 0);

    // The program's task query finds its menu entry (the user name is followed by a blank).
    EXPECT_EQ(Escalar(cn, QStringLiteral("SELECT TA_MENU.Nombre FROM TA_TAREAS  with(nolock) INNER JOIN TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave "
                                         " WHERE (TA_TAREAS.USUARIO = 'operador ') AND (TA_MENU.Proceso LIKE '%Ta_Quendal%')")).toString(),
              QStringLiteral("Tipos de Vehiculos"));
    EXPECT_EQ(Escalar(cn, QStringLiteral("SELECT VALOR, valoraux FROM ta_configuracion with(nolock)  WHERE CLAVE = 'Top_Default'")).toString(),
              QStringLiteral("1000"));
    EXPECT_EQ(Escalar(cn, QStringLiteral("SELECT razon_social FROM v_ta_unidadNegocio WHERE codigo = '   1'")).toString(),
              QStringLiteral("TRANSPORTES DEL SUR S.A."));
    EXPECT_EQ(Escalar(cn, QStringLiteral("SELECT COUNT(*) FROM VT_CLIENTES WHERE CONTACTO = 'ANA MUÑOZ'")).toInt(), 1);

    // The views the programs insert into keep the rows.
    cn.Execute(QStringLiteral(" INSERT INTO V_MV_CPTEACCIONES (TC,IdComprobante,IdComplemento,Tipo_accion,FECHAHORA,Usuario,PC,SYSTEMUSER,Proceso,ProcesoLote,Cuenta)"
                              " VALUES ('    ','',0,'A','11/12/2026 03:00:00','Muñoz','PC1','Intento de inicio de sesion fallido','Ta_Quendal ','','')"));
    EXPECT_EQ(Escalar(cn, QStringLiteral("SELECT Tipo_accion FROM MV_CPTEACCIONES WHERE Usuario = 'MUÑOZ'")).toString(), QStringLiteral("A"));
    cn.Execute(QStringLiteral("INSERT INTO V_MV_FALTANTES (FechaHora,IdArticulo,Descripcion,Usuario) values('11/12/2026','1001','FILTRO','DEMO')"));
    EXPECT_EQ(Escalar(cn, QStringLiteral("SELECT COUNT(*) FROM V_MV_FALTANTES")).toInt(), 1);

    // The access log gets its key from the database; the times are kept as written.
    for (int i = 0; i < 2; ++i)
        cn.Execute(QStringLiteral("INSERT INTO Control_Acceso (Maquina,Usuario,Formulario,Tarea,Ingreso,NombreUsuario) "
                                  "VALUES ('PC1','ADMIN','TA_QUENDAL','','11/12/26 03:00','Admin')"));
    EXPECT_EQ(Escalar(cn, QStringLiteral("SELECT @@IDENTITY")).toInt(), 2);
    cn.Execute(QStringLiteral("UPDATE CONTROL_ACCESO  SET EGRESO = '11/12/26 04:10' WHERE EGRESO IS NULL AND  ID = 2"));
    EXPECT_EQ(Escalar(cn, QStringLiteral("SELECT EGRESO FROM Control_Acceso WHERE Id = 2")).toString(), QStringLiteral("11/12/26 04:10"));

    // A description longer than its column is refused as SQL Server refuses it.
    EXPECT_THROW(cn.Execute(QStringLiteral("UPDATE TA_QUENDAL SET descripcion = '%1' WHERE codigo = '   1'").arg(QString(51, QLatin1Char('X')))),
                 plataforma::ErrorRuntime);
    ASSERT_GE(cn.Errors().Count(), 1);
    EXPECT_EQ(cn.Errors()[0].NativeError, 8152);

    // The statistics database beside it has its own settings table.
    ado::Connection estadisticas;
    estadisticas.Open(QStringLiteral("PROVIDER=SQLOLEDB;Server=(localdb);Database=CX_ESTADISTICAS;"));
    EXPECT_EQ(Escalar(estadisticas, QStringLiteral("SELECT COUNT(*) FROM TA_CONFIGURACION")).toInt(), 0);
}

TEST_F(VelmoraDb, UnaBaseExistenteSoloSeReemplazaCuandoSePide) {
    CrearDemo();
    cn.Execute(QStringLiteral("INSERT INTO TA_QUENDAL (codigo, descripcion) VALUES ('  99', 'PROPIA')"));
    cn.Close();
    const QStringList crear{QStringLiteral("crear"), QStringLiteral("--servidor"), QStringLiteral("(localdb)"),
                            QStringLiteral("--base"), QStringLiteral("demo"), QStringLiteral("--demo")};

    Resultado r = Ejecutar(crear);
    EXPECT_EQ(r.codigo, 0);
    EXPECT_TRUE(r.salida.contains("ya existe")) << r.salida.constData();
    cn.Open();
    EXPECT_EQ(Escalar(cn, QStringLiteral("SELECT COUNT(*) FROM TA_QUENDAL")).toInt(), 13);
    cn.Close();

    r = Ejecutar(crear + QStringList{QStringLiteral("--reemplazar")});
    EXPECT_EQ(r.codigo, 0) << r.errores.constData();
    cn.Open();
    EXPECT_EQ(Escalar(cn, QStringLiteral("SELECT COUNT(*) FROM TA_QUENDAL")).toInt(), 12);
}

TEST_F(VelmoraDb, UnServidorRealTodaviaNoSeAlcanza) {
    const Resultado r = Ejecutar({QStringLiteral("crear"), QStringLiteral("--servidor"), QStringLiteral("SRV01\\SQL2019"),
                                  QStringLiteral("--base"), QStringLiteral("DEMO")});
    EXPECT_NE(r.codigo, 0);
    EXPECT_TRUE(QString::fromUtf8(r.errores).contains(QStringLiteral("solo se crean bases en (localdb)"))) << r.errores.constData();
    EXPECT_FALSE(QFile::exists(ado::RutaBaseLocal(QStringLiteral("DEMO"))));
}

TEST_F(VelmoraDb, TraducirMuestraElTextoExactoDeCadaMotor) {
    struct Caso {
        const char* motor;
        const char* sql;
        const char* esperado;
    };
    const Caso casos[] = {
        {"sqlite", "SELECT * FROM TA_QUENDAL with(nolock)  WHERE codigo = '   7'", "SELECT * FROM TA_QUENDAL   WHERE codigo = '   7' COLLATE TEXTO\n"},
        {"sqlite", "SELECT TOP 1 codigo FROM TA_QUENDAL ORDER BY codigo DESC", "SELECT  codigo FROM TA_QUENDAL ORDER BY codigo DESC LIMIT 1\n"},
        {"sqlite", "BEGIN TRANSACTION UPDATE TA_QUENDAL SET descripcion = 'O''HIGGINS ' WHERE codigo = '   1' COMMIT", "BEGIN IMMEDIATE;\nUPDATE TA_QUENDAL SET descripcion = 'O''HIGGINS ' COLLATE TEXTO WHERE codigo = '   1' COLLATE TEXTO;\nCOMMIT\n"},
        {"oracle", "SELECT TOP 10 codigo, LEN(descripcion) FROM TA_QUENDAL with(nolock)  WHERE descripcion = ''", "SELECT  codigo, LENGTH(descripcion) FROM TA_QUENDAL with(nolock)  WHERE descripcion  IS NULL   AND ROWNUM <= 10  \n"},
        {"oracle", "SELECT * FROM @Admin_MV_ASIENTOS WHERE fecha = '11/12/2026' ", "SELECT * FROM MV_ASIENTOS WHERE fecha = TO_DATE('11/12/2026','DD/MM/YYYY') \n"},
    };
    for (const Caso& caso : casos) {
        const Resultado r = Ejecutar({QStringLiteral("traducir"), QStringLiteral("--motor"), QString::fromLatin1(caso.motor),
                                      QString::fromUtf8(caso.sql)});
        EXPECT_EQ(r.codigo, 0) << caso.sql;
        EXPECT_EQ(r.salida, QByteArray(caso.esperado)) << caso.sql;
        EXPECT_TRUE(r.errores.isEmpty());
    }

    const Resultado abierta = Ejecutar({QStringLiteral("traducir"), QStringLiteral("--motor"), QStringLiteral("oracle"),
                                        QStringLiteral("SELECT * FROM TA_QUENDAL WHERE codigo = '7")});
    EXPECT_NE(abierta.codigo, 0);
    EXPECT_TRUE(abierta.salida.isEmpty());
}

}  // namespace
