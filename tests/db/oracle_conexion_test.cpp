// What an Oracle connection is sent: scripts run step by step, recordsets translated. The
// connection records its calls instead of reaching a server.
#include "MotorGrabador.h"

#include "CarpetaDePrueba.h"
#include "DB_Dll.h"

#include <gtest/gtest.h>

namespace {

const QString CadenaOracle = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=VENTAS;User Id=VENTAS;Password=VENTAS;");

struct SesionOracle {
    SesionOracle() : motor(MotorGrabador::Instalar(db.gCnn(), CadenaOracle)) { db.gConnString = CadenaOracle; }
    CarpetaDePrueba carpeta;
    DB_Dll db;
    MotorGrabador& motor;
};

}  // namespace

TEST(ConexionOracle, ScriptConTransaccion) {
    SesionOracle s;
    QString script = "BEGIN TRANSACTION\r\nUPDATE T SET A = 1 WHERE ISNULL(B, 0) = 0\r\nGO\r\nCOMMIT TRANSACTION";
    int64_t afectadas = 5;  // added to, never reset
    s.db.EjecutaConsultaSQL(script, &afectadas);
    EXPECT_EQ(s.motor.enviado, QStringList({"BEGIN", "EXEC UPDATE T SET A = 1 WHERE NVL(B, 0) = 0", "COMMIT"}));
    EXPECT_EQ(afectadas, 7);
    EXPECT_EQ(script, "");

    QString soloSelect = "SELECT * FROM T";
    s.db.EjecutaConsultaSQL(soloSelect, &afectadas);
    EXPECT_EQ(s.motor.enviado.size(), 3);
    EXPECT_EQ(afectadas, 7);
}

TEST(ConexionOracle, FalloEnLaTerceraSentenciaDejaElResto) {
    SesionOracle s;
    s.motor.fallaEnLlamada = 3;
    QString script = "INSERT INTO A VALUES (1)\r\nINSERT INTO B VALUES (2)\r\nUPDATE C SET X = 'it''s'\r\nDELETE FROM D\r\nDROP TABLE E";
    int64_t afectadas = 0;
    s.db.EjecutaConsultaSQL(script, &afectadas);  // a non-network failure ends quietly
    EXPECT_EQ(s.motor.enviado.size(), 3);
    EXPECT_TRUE(script.startsWith("UPDATE C SET X = 'it''s'")) << script.toStdString();
    EXPECT_EQ(afectadas, 4);
    EXPECT_EQ(s.db.gCnn().Errors().Item(0).NativeError, ado::nativos::ObjetoNoValido);

    s.motor.fallaEnLlamada = 0;
    s.db.EjecutaConsultaSQL(script, &afectadas);  // the caller's repetition resumes there
    EXPECT_EQ(s.motor.enviado.mid(3), QStringList({"EXEC UPDATE C SET X = 'it''s'", "EXEC DELETE FROM D", "EXEC DROP TABLE E"}));
}

TEST(ConexionOracle, RecordsetTraducidoSalvoQueSePidaLoContrario) {
    SesionOracle s;
    ado::Recordset rs;
    s.db.AbrirRecordset("SELECT TOP 5 * FROM T", rs);
    s.db.AbrirRecordset("SELECT TOP 5 * FROM T", rs, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly, ado::adCmdUnspecified, false);
    EXPECT_EQ(s.motor.enviado, QStringList({"EXEC SELECT  * FROM T  WHERE ROWNUM <= 5  ", "EXEC SELECT TOP 5 * FROM T"}));
}
