// Translation of the program's statements for an Oracle session, rule by rule.
#include "DB_Dll.h"

#include "ErrorEjecucion.h"

#include "ImprimirQt.h"

#include <gtest/gtest.h>

namespace {

// An object whose connection string names the Oracle provider, as OpenServerADODB builds it.
struct SesionOracle : DB_Dll {
    SesionOracle() {
        gConnString = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=VENTAS;User Id=VENTAS;Password=VENTAS;");
    }
};

struct Caso {
    const char* regla;
    const char* entrada;
    const char* salida;
};

}  // namespace

TEST(ORACLE_Dicc, SinOracleTodoQuedaIgual) {
    DB_Dll db;
    db.gConnString = QStringLiteral("PROVIDER=SQLOLEDB;Server=S;Database =D;UId=D;Pwd=D;");
    for (const char* texto : {"LEN", "len", "SELECT TOP 5 * FROM T", "SELECT [A B] FROM T WHERE F = '01/02/2023'",
                              "SELECT * FROM T WHERE A = 'abierto"})
        EXPECT_EQ(db.ORACLE_Dicc(QString::fromLatin1(texto)), QString::fromLatin1(texto));
}

TEST(ORACLE_Dicc, UnaPalabraSoloTraduceLEN) {
    const SesionOracle db;
    const Caso casos[] = {
        {"", "len", "LENGTH"},       {"", "LEN", "LENGTH"},        {"", " LEN", " LEN"},
        {"", "LEN ", "LEN "},        {"", "", ""},                 {"", "ISNULL(", "ISNULL("},
        {"", "SELECT", "SELECT"},    {"", "[A]", "[A]"},           {"", "'01/02/2023'", "'01/02/2023'"},
    };
    for (const auto& c : casos) EXPECT_EQ(db.ORACLE_Dicc(QString::fromLatin1(c.entrada)), c.salida) << c.entrada;
}

TEST(ORACLE_Dicc, ReglasUnaPorUna) {
    const SesionOracle db;
    const Caso casos[] = {
        {"top con where y order by", "SELECT TOP 1 CODIGO FROM TA_ESTADOS WHERE A = 1 ORDER BY B",
         "SELECT  CODIGO FROM TA_ESTADOS WHERE A = 1    AND ROWNUM <= 1  ORDER BY B"},
        {"top sin where", "SELECT TOP 5 * FROM T", "SELECT  * FROM T  WHERE ROWNUM <= 5  "},
        {"top en minusculas", "select top 2 a from t order by a", "select  a from t    WHERE ROWNUM <= 2  order by a"},
        {"top con group by y order by", "SELECT TOP 3 A, COUNT(*) FROM T WHERE B = 1 GROUP BY A ORDER BY A",
         "SELECT  A, COUNT(*) FROM T WHERE B = 1    AND ROWNUM <= 3  GROUP BY A ORDER BY A "},
        {"top sin nada detras", "SELECT TOP 5", "SELECT    WHERE ROWNUM <= 5  "},
        {"top dentro de un nombre", "SELECT A FROM LAPTOP WHERE B = 1", "SELECT A FROM LAPTOP WHERE B = 1"},
        {"len", "SELECT LEN(A), LEN (B), LEN    (C) FROM T", "SELECT LENGTH(A), LENGTH(B), LENGTH(C) FROM T"},
        {"len tras parentesis o coma", "SELECT MAX(LEN(A)),LEN(B) FROM T", "SELECT MAX(LEN(A)),LEN(B) FROM T"},
        {"len con cinco blancos", "SELECT LEN     (A) FROM T", "SELECT LEN     (A) FROM T"},
        {"corchetes", "SELECT [FECHA DESDE] FROM [MI TABLA]", "SELECT \"FECHA DESDE\" FROM \"MI TABLA\""},
        {"fecha", "SELECT * FROM T WHERE FECHA >= '01/02/2023'",
         "SELECT * FROM T WHERE FECHA >= TO_DATE('01/02/2023','DD/MM/YYYY')"},
        {"fecha corta", "SELECT * FROM T WHERE F = '1/2/23'",
         "SELECT * FROM T WHERE F = TO_DATE('01/02/2023','DD/MM/YYYY')"},
        {"fecha dos veces", "SELECT * FROM T WHERE F BETWEEN '01/02/2023' AND '01/02/2023'",
         "SELECT * FROM T WHERE F BETWEEN TO_DATE('01/02/2023','DD/MM/YYYY') AND TO_DATE('01/02/2023','DD/MM/YYYY')"},
        {"fecha ya envuelta", "SELECT * FROM T WHERE F = TO_DATE('01/02/2023','DD/MM/YYYY')",
         "SELECT * FROM T WHERE F = TO_DATE('01/02/2023','DD/MM/YYYY')"},
        {"fecha envuelta con otra mascara", "SELECT * FROM T WHERE F = to_date( '2023-02-01','YYYY-MM-DD')",
         "SELECT * FROM T WHERE F = to_date( '2023-02-01','YYYY-MM-DD')"},
        {"texto de letras", "SELECT * FROM T WHERE N = 'ABC'", "SELECT * FROM T WHERE N = 'ABC'"},
        {"charindex", "SELECT CHARINDEX('-', A) FROM T", "SELECT InStr('-', A) FROM T"},
        {"convert y estilo 103", "SELECT CONVERT(NVARCHAR, FECHA, 103) FROM T",
         "SELECT TO_CHAR( FECHA, 'DD/MM/YYYY') FROM T"},
        {"convert a entero", "SELECT CONVERT(INT, A) FROM T", "SELECT TO_NUMBER( A) FROM T"},
        {"103 de otra funcion", "SELECT ROUND(X, 103), TO_CHAR(A) + 1031 FROM T",
         "SELECT ROUND(X, 103), TO_CHAR(A) + 'DD/MM/YYYY'1 FROM T"},
        {"vacio con blanco", "SELECT * FROM T WHERE NOMBRE = ''", "SELECT * FROM T WHERE NOMBRE  IS NULL "},
        {"vacio sin blanco y antes del where", "UPDATE T SET A = '' WHERE B ='' AND C=''",
         "UPDATE T SET A = '' WHERE B  IS NULL  AND C IS NULL "},
        {"texto que empieza con comilla", "SELECT * FROM T WHERE A = '''x'", "SELECT * FROM T WHERE A = '''x'"},
        {"substring e isnull", "SELECT SUBSTRING(A,1,2), ISNULL(B,0) FROM T", "SELECT SUBSTR(A,1,2), NVL(B,0) FROM T"},
        {"with nolock pasa", "SELECT * FROM T with(nolock) WHERE A = 1", "SELECT * FROM T with(nolock) WHERE A = 1"},
    };
    for (const auto& c : casos) EXPECT_EQ(db.ORACLE_Dicc(QString::fromLatin1(c.entrada)), c.salida) << c.regla;
}

TEST(ORACLE_Dicc, ElTextoEntreComillasNoSeTraduce) {
    const SesionOracle db;
    const Caso casos[] = {
        {"top escrito", "SELECT * FROM T WHERE D LIKE '%desk top 1OR(1=1) x%' ORDER BY A",
         "SELECT * FROM T WHERE D LIKE '%desk top 1OR(1=1) x%' ORDER BY A"},
        {"order by escrito", "SELECT TOP 2 * FROM T WHERE D = 'x ORDER BY y'",
         "SELECT  * FROM T WHERE D = 'x ORDER BY y'  AND ROWNUM <= 2  "},
        {"funciones y corchetes escritos", "SELECT * FROM T WHERE D = ' len(x) [a] Charindex ISNULL( = '''",
         "SELECT * FROM T WHERE D = ' len(x) [a] Charindex ISNULL( = '''"},
        {"cantidad de filas entre comillas", "SELECT TOP '1 2' A FROM T", "SELECT  A FROM T  WHERE ROWNUM <= '1 2'  "},
        {"mascara junto a una comilla", "SELECT TO_CHAR(F, 103'x') FROM T", "SELECT TO_CHAR(F, 103'x') FROM T"},
        {"103 escrito", "SELECT TO_CHAR(F, 103) FROM T WHERE D = 'TO_CHAR(103'",
         "SELECT TO_CHAR(F, 'DD/MM/YYYY') FROM T WHERE D = 'TO_CHAR(103'"},
        {"fecha dentro de un texto", "SELECT * FROM T WHERE D = 'x''01/02/2023''y'",
         "SELECT * FROM T WHERE D = 'x''01/02/2023''y'"},
    };
    for (const auto& c : casos) EXPECT_EQ(db.ORACLE_Dicc(QString::fromLatin1(c.entrada)), c.salida) << c.regla;
}

TEST(ORACLE_Dicc, ComillaSinParejaEsArgumentoNoValido) {
    const SesionOracle db;
    // The second one would come out with its quotes paired once the TOP rule had moved text.
    for (const char* texto : {"SELECT * FROM T WHERE A = 'X", "TOP ORDER BY '", "SELECT 'a''b FROM T"}) {
        try {
            db.ORACLE_Dicc(QString::fromLatin1(texto));
            ADD_FAILURE() << "no lanzó: " << texto;
        } catch (const plataforma::ErrorRuntime& e) {
            EXPECT_EQ(e.numero(), plataforma::errores::ArgumentoNoValido) << texto;
        }
    }
    EXPECT_EQ(db.ORACLE_Dicc(QStringLiteral("'abierto")), "'abierto");
}
