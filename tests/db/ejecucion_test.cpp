// Statement execution and recordsets: the prefix and synonyms, truncation warnings, closing with
// a pending edit, and lost-connection recovery through the connection's fault seam.
#include "DialogosGuionados.h"
#include "MotorGrabador.h"
#include "SesionDePrueba.h"

#include "FinProceso.h"

using ado::Operacion;
namespace respuesta = plataforma::respuesta;

namespace {

const QString Insertar = QStringLiteral("INSERT INTO TA_QUENDAL (codigo, descripcion) VALUES ('   1', 'AUTO')");
const QString TextoPerdida = QStringLiteral(
    "\r\n\r\n\r\nSe perdio la conexion con la base de datos EMPRESA\r\n Servidor (localdb)\r\n\r\n"
    "Elija SI para reintentar conectarse\r\nElija NO para cerrar la aplicacion\r\n\r\n\r\n");

}  // namespace

TEST_F(SesionDePrueba, PrefijoAdminYTextoTecleado) {
    QString sentencia = "INSERT INTO @Admin_TA_QUENDAL (codigo, descripcion) VALUES ('   2', 'x@Admin_y TRANS')";
    db.EjecutaConsultaSQL(sentencia);
    EXPECT_EQ(sentencia, "INSERT INTO TA_QUENDAL (codigo, descripcion) VALUES ('   2', 'x@Admin_y TRANS')");
    EXPECT_EQ(Valor("SELECT descripcion FROM TA_QUENDAL"), "x@Admin_y TRANS");

    QString consulta = "SELECT * FROM @admin_TA_QUENDAL WHERE codigo = '   2'";
    ado::Recordset rs;
    db.AbrirRecordset(consulta, rs);
    EXPECT_EQ(consulta, "SELECT * FROM TA_QUENDAL WHERE codigo = '   2'");
    ASSERT_EQ(rs.State(), ado::adStateOpen);
    EXPECT_FALSE(rs.Eof());
}

TEST_F(SesionDePrueba, AvisoDeTruncamiento) {
    int64_t afectadas = -1;
    db.EjecutaConsultaSQL("INSERT INTO TA_QUENDAL VALUES ('   3', '" + QString(60, 'A') + "')", &afectadas);
    EXPECT_EQ(db.gCnn().Errors().Count(), 0);  // the warning is cleared, the row not written
    EXPECT_FALSE(Valor("SELECT codigo FROM TA_QUENDAL").isValid());

    // Warnings left by an earlier call: one or two are cleared after a statement, three stay.
    for (const int cuantos : {2, 3}) {
        std::vector<ado::Error> avisos(cuantos, ado::Error{0, "truncado", "", "01000", ado::nativos::Truncamiento});
        db.gCnn().Errors().Reemplazar(avisos);
        db.EjecutaConsultaSQL("UPDATE TA_QUENDAL SET descripcion = 'B'");
        EXPECT_EQ(db.gCnn().Errors().Count(), cuantos == 2 ? 0 : 3);
    }
}

TEST_F(SesionDePrueba, CierraRecordset) {
    ado::Recordset rs;
    db.CierraRecordset(rs);  // closed: nothing happens
    db.AbrirRecordset("SELECT * FROM TA_QUENDAL", rs, nullptr, ado::adOpenDynamic, ado::adLockOptimistic);
    rs.AddNew();
    rs.Fields("codigo") = QStringLiteral("   4");
    db.CierraRecordset(rs);
    EXPECT_EQ(rs.State(), ado::adStateClosed);
    EXPECT_FALSE(Valor("SELECT codigo FROM TA_QUENDAL").isValid());
}

// Each case: how many executions and reconnections fail, the answers to the lost-connection box,
// and whether the row ends up written.
TEST_F(SesionDePrueba, RecuperacionEnEjecutaConsultaSQL) {
    const struct {
        const char* caso;
        QString sentencia;
        int fallosEjecutar, fallosAbrir;
        std::vector<int> respuestas;
        bool escrita;
    } casos[] = {
        {"reconecta y repite", Insertar, 1, 0, {}, true},
        {"repite por segunda vez", Insertar, 2, 0, {}, true},
        {"no repite una tercera", Insertar, 3, 0, {}, false},
        {"cuatro intentos antes de preguntar", Insertar, 1, 5, {respuesta::vbYes, respuesta::vbYes}, true},
        {"transaccion nunca se repite", "BEGIN TRANSACTION\r\n" + Insertar + "\r\nCOMMIT TRANSACTION", 1, 0, {}, false},
    };
    for (const auto& c : casos) {
        Ejecutar("DELETE FROM TA_QUENDAL");
        DialogosGuionados guion;
        for (const int r : c.respuestas) guion.espera("AVISO AL OPERADOR", TextoPerdida, 20, r);
        db.gCnn().SimularErrorRed(Operacion::Ejecutar, c.fallosEjecutar);
        db.gCnn().SimularErrorRed(Operacion::Abrir, c.fallosAbrir);
        db.EjecutaConsultaSQL(c.sentencia);
        EXPECT_EQ(Valor("SELECT codigo FROM TA_QUENDAL").isValid(), c.escrita) << c.caso;
        EXPECT_EQ(db.gCnn().State(), ado::adStateOpen) << c.caso;
        db.gCnn().SimularErrorRed(Operacion::Ejecutar, 0);
    }
}

TEST_F(SesionDePrueba, NoEnLaPerdidaDeConexionTerminaElPrograma) {
    DialogosGuionados guion;
    guion.espera("AVISO AL OPERADOR", TextoPerdida, 20, respuesta::vbYes).espera("AVISO AL OPERADOR", TextoPerdida, 20, respuesta::vbNo);
    db.gCnn().SimularServidorCaido(true);
    EXPECT_THROW(db.EjecutaConsultaSQL(Insertar), plataforma::ProcesoTerminado);
    db.gCnn().SimularServidorCaido(false);
}

TEST_F(SesionDePrueba, RecuperacionEnAbrirRecordset) {
    Ejecutar(Insertar);
    {   // Back at once: the open is not repeated on its own; the error box decides.
        DialogosGuionados guion;
        guion.esperaConTexto("Ha ocurrido el Siguiente Error (-2147467259) " + QString::fromUtf8(ado::TextoErrorRed), respuesta::vbRetry);
        db.gCnn().SimularErrorRed(Operacion::AbrirRecordset, 1);
        ado::Recordset rs;
        db.AbrirRecordset("SELECT * FROM TA_QUENDAL", rs);
        EXPECT_EQ(rs.State(), ado::adStateOpen);
        ASSERT_EQ(guion.vistos().size(), 1);
        EXPECT_TRUE(guion.vistos()[0].contains(" - AbrirRecordset Aviso al operador!!! - 5 |")) << guion.vistos()[0].toStdString();
    }
    {   // Server away: two attempts, then the operator is asked before each further one.
        DialogosGuionados guion;
        guion.espera("AVISO AL OPERADOR", TextoPerdida, 20, respuesta::vbYes).espera("AVISO AL OPERADOR", TextoPerdida, 20, respuesta::vbYes);
        db.gCnn().SimularErrorRed(Operacion::AbrirRecordset, 1);
        db.gCnn().SimularErrorRed(Operacion::Abrir, 3);
        ado::Recordset rs;
        db.AbrirRecordset("SELECT * FROM TA_QUENDAL", rs);
        EXPECT_EQ(rs.State(), ado::adStateOpen);
    }
}

TEST(PreparacionDeSentencias, SinonimosSoloEnScriptsDeCreacion) {
    CarpetaDePrueba carpeta;
    DB_Dll db;  // an ordinary user
    MotorGrabador& motor = MotorGrabador::Instalar(db.gCnn(), "PROVIDER=SQLOLEDB;Server=SRV;Database =X;UId=X;Pwd=X;");
    const struct {
        QString sentencia, enviada;
    } casos[] = {
        {"DROP VIEW V1 CREATE VIEW V1 AS SELECT * FROM MA_CUENTAS WHERE X = 1",
         "DROP VIEW V1 CREATE VIEW V1 AS SELECT * FROM SS_MA_CUENTAS WHERE X = 1"},
        {"DROP VIEW V1 CREATE VIEW V1 AS SELECT * FROM MA_CUENTAS WHERE X = 1 DELETE FROM T",
         "DROP VIEW V1 CREATE VIEW V1 AS SELECT * FROM MA_CUENTAS WHERE X = 1 DELETE FROM T"},
        {"DROP VIEW V1 CREATE VIEW V1 AS SELECT * FROM @admin_MA_CUENTAS WHERE X = 1",
         "DROP VIEW V1 CREATE VIEW V1 AS SELECT * FROM MA_CUENTAS WHERE X = 1"},
        {"UPDATE MA_CUENTAS SET A = 1 WHERE B = 2", "UPDATE MA_CUENTAS SET A = 1 WHERE B = 2"},
    };
    for (const auto& c : casos) {
        QString sentencia = c.sentencia;
        db.EjecutaConsultaSQL(sentencia);
        EXPECT_EQ(motor.enviado.takeLast(), "EXEC " + c.enviada);
        EXPECT_EQ(sentencia, c.enviada);
    }
}

TEST(EjecutaConsultaRSQL, SoloLosErroresInusualesSeMuestran) {
    CarpetaDePrueba carpeta;
    const struct {
        const char* caso;
        int32_t numero;
        QString sentencia;
        bool caja;
    } casos[] = {
        {"error inusual", static_cast<int32_t>(0x80040E10), "UPDATE T SET A = 1", true},
        {"error de sintaxis", plataforma::errores::ErrorSintaxisSql, "UPDATE T SET A = 1", false},
        {"proveedor", plataforma::errores::ErrorNoEspecificado, "UPDATE T SET A = 1", false},
        {"transaccion", static_cast<int32_t>(0x80040E10), "BEGIN TRANSACTION", false},
    };
    for (const auto& c : casos) {
        DB_Dll db;
        MotorGrabador& motor = MotorGrabador::Instalar(db.gCnn(), "PROVIDER=SQLOLEDB;Server=SRV;Database =X;UId=X;Pwd=X;");
        motor.fallaEnLlamada = 1;
        motor.numeroDelFallo = c.numero;
        DialogosGuionados guion;
        if (c.caja) guion.espera("Aviso al operador!!!", "ORA-00942: table or view does not exist", 16, respuesta::vbOK);
        QString sentencia = c.sentencia;
        db.EjecutaConsultaRSQL(sentencia);
        EXPECT_EQ(motor.enviado.size(), 1) << c.caso;  // never repeated
    }
}

TEST_F(SesionDePrueba, FilasDevueltasPorLaSentencia) {
    Ejecutar(Insertar);
    ado::Recordset rs;
    int64_t afectadas = -1;
    db.EjecutaConsultaSQL("SELECT codigo FROM TA_QUENDAL", &afectadas, &rs);
    ASSERT_EQ(rs.State(), ado::adStateOpen);
    EXPECT_EQ(rs.Fields(0).Value(), "   1");
}
