// Cutting SQL Server scripts into the steps an Oracle connection runs.
#include "DB_Dll.h"
#include "ErrorEjecucion.h"

#include "ImprimirQt.h"

#include <gtest/gtest.h>

using basedatos::ScriptOracle;
using Tipo = basedatos::PasoScriptOracle::Tipo;

namespace {

// An object whose connection string names the Oracle provider, as OpenServerADODB builds it.
struct SesionOracle : DB_Dll {
    SesionOracle() {
        gConnString = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=VENTAS;User Id=VENTAS;Password=VENTAS;");
    }
};

// A step as "tipo:texto": B, C and R for the transaction calls, S:text for a statement
// (S: alone when there is nothing to execute), E:number for a translation error.
QStringList Pasos(const ScriptOracle& guion) {
    QStringList pasos;
    for (const auto& paso : guion.pasos) {
        switch (paso.tipo) {
            case Tipo::BeginTrans: pasos << QStringLiteral("B"); break;
            case Tipo::CommitTrans: pasos << QStringLiteral("C"); break;
            case Tipo::RollbackTrans: pasos << QStringLiteral("R"); break;
            case Tipo::Sentencia:
                pasos << (paso.error ? QStringLiteral("E:%1").arg(paso.error->Number)
                                     : QStringLiteral("S:") + paso.sentencia);
        }
    }
    return pasos;
}

}  // namespace

TEST(ScriptOracle, PasosDeCadaScript) {
    const SesionOracle db;
    const struct {
        const char* caso;
        QString script;
        QStringList pasos;
    } casos[] = {
        {"transaccion con GO", "BEGIN TRANSACTION\r\nUPDATE T SET A = 1 WHERE B = 2\r\nGO\r\nCOMMIT TRANSACTION",
         {"B", "S:UPDATE T SET A = 1 WHERE B = 2", "C"}},
        {"blancos al principio", "   BEGIN TRANSACTION\r\nUPDATE T SET A = 1 WHERE B = 2\r\nGO\r\nCOMMIT TRANSACTION",
         {"B", "S:UPDATE T SET A = 1 WHERE B = 2", "C"}},
        {"formas cortas y rollback", "begin trans DELETE FROM T GO rollback trans", {"B", "S:DELETE FROM T", "R"}},
        {"commit trans", "BEGIN TRAN INSERT INTO T VALUES (1)\r\nCOMMIT TRANS",
         {"S:INSERT INTO T VALUES (1)", "C"}},
        {"solo un select", "SELECT * FROM T", {}},
        {"texto antes de la primera sentencia", "SELECT 1 DELETE FROM T SELECT 2",
         {"S:DELETE FROM T SELECT 2"}},
        {"set nocount", "SET NOCOUNT ON\r\nUPDATE T SET A = 1\r\nSET NOCOUNT OFF", {"S:UPDATE T SET A = 1"}},
        {"guardia if not exists", "IF NOT EXISTS (SELECT 1 FROM T WHERE A = 1) INSERT INTO T VALUES (1)",
         {"S:", "S:INSERT INTO T VALUES (1)"}},
        {"if exists no se filtra", "IF EXISTS (SELECT 1 FROM T) DROP TABLE T",
         {"S:IF EXISTS (SELECT 1 FROM T)", "S:DROP TABLE T"}},
        {"palabras de sentencia", "CREATE TABLE X (A INT) ALTER TABLE X ADD B INT GRANT SELECT ON X TO P\nDROP TABLE X",
         {"S:CREATE TABLE X (A INT)", "S:ALTER TABLE X ADD B INT", "S:GRANT SELECT ON X TO P", "S:DROP TABLE X"}},
        {"un salto de linea solo queda", "UPDATE T SET A = 1\nWHERE B = 2", {"S:UPDATE T SET A = 1\nWHERE B = 2"}},
        {"traduce cada sentencia", "UPDATE [MI TABLA] SET F = '01/02/2023' WHERE N = ''",
         {"S:UPDATE \"MI TABLA\" SET F = TO_DATE('01/02/2023','DD/MM/YYYY') WHERE N  IS NULL "}},
        {"comilla sin pareja", "UPDATE T SET A = 1 UPDATE T SET B = 'x DELETE FROM T", {"S:UPDATE T SET A = 1", "E:5"}},
    };
    for (const auto& c : casos) EXPECT_EQ(Pasos(db.PrepararScriptOracle(c.script)), c.pasos) << c.caso;
}

TEST(ScriptOracle, ElRestoPermiteRetomarEnLaSentenciaQueFallo) {
    const SesionOracle db;
    const ScriptOracle guion = db.PrepararScriptOracle(QStringLiteral(
        "INSERT INTO T VALUES (1)\r\nINSERT INTO T VALUES (2)\r\nUPDATE T SET A = 3\r\nDELETE FROM T WHERE A = 4\r\n"
        "INSERT INTO T VALUES (5)"));
    ASSERT_EQ(guion.pasos.size(), 5u);
    EXPECT_EQ(guion.preparado, "INSERT INTO T VALUES (1) INSERT INTO T VALUES (2) UPDATE T SET A = 3 "
                               "DELETE FROM T WHERE A = 4 INSERT INTO T VALUES (5)");
    // The runner stores each step's rest after running it: when the third fails, the variable
    // holds the second step's rest, which starts with the third statement.
    EXPECT_TRUE(guion.pasos[1].resto.startsWith(QLatin1String("UPDATE T SET A = 3")));
    EXPECT_EQ(guion.pasos[4].resto, "");
    const ScriptOracle retomado = db.PrepararScriptOracle(guion.pasos[1].resto);
    ASSERT_EQ(retomado.pasos.size(), 3u);
    EXPECT_EQ(retomado.pasos[0].sentencia, "UPDATE T SET A = 3");
}

TEST(ScriptOracle, ElTextoEscritoNoPartelaSentencia) {
    const SesionOracle db;
    for (const char* escrito : {"SET NOCOUNT DROP TABLE TA_USUARIOS GRANT ", "LET IT GO \r\nGO\r\n NOW",
                                "IF NOT EXISTS BEGIN TRANSACTION COMMIT", "O'Higgins; DELETE FROM T"}) {
        const QString literal = DB_Dll::SQLValue(QString::fromLatin1(escrito));
        const QString sentencia = QStringLiteral("UPDATE T SET D = ") + literal + QStringLiteral(" WHERE C = 1");
        const ScriptOracle guion = db.PrepararScriptOracle(QStringLiteral("BEGIN TRANSACTION\r\n") + sentencia +
                                                          QStringLiteral("\r\nCOMMIT TRANSACTION"));
        EXPECT_EQ(Pasos(guion), QStringList({"B", "S:" + sentencia, "C"})) << escrito;
    }
}
