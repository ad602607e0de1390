// The T-SQL emulation on its own: what each construct becomes and where a batch is split.
#include "tsql_sqlite.h"

#include <gtest/gtest.h>

using ado::tsql::ClaseSentencia;
using ado::tsql::TraducirLote;

namespace {

std::string Uno(const QString& tsql) {
    const auto s = TraducirLote(tsql);
    return s.size() == 1 ? s[0].sql.toStdString() : std::to_string(s.size()) + " sentencias";
}

}  // namespace

TEST(TraduccionTsql, CadaConstruccion) {
    struct Caso { const char* tsql; const char* sqlite; };
    const Caso casos[] = {
        {"SELECT TOP 1  * FROM TA_QUENDAL with(nolock)  WHERE LTRIM(RTRIM(codigo)) ='7'",
         "SELECT   * FROM TA_QUENDAL   WHERE LTRIM(RTRIM(codigo)) ='7' COLLATE TEXTO LIMIT 1"},
        {"select  top 1 * from AUX_ERR  with(nolock) ", "select   * from AUX_ERR    LIMIT 1"},
        {"SELECT * FROM T WITH (NOLOCK, ROWLOCK) WHERE a IN (SELECT TOP 5 b FROM U (nolock) ORDER BY b) ORDER BY a",
         "SELECT * FROM T  WHERE a IN (SELECT  b FROM U  ORDER BY b LIMIT 5 ) ORDER BY a"},
        {"SELECT TOP 100 PERCENT a FROM T ORDER BY a", "SELECT  a FROM T ORDER BY a"},
        {"SELECT TOP (3) a FROM T", "SELECT  a FROM T LIMIT 3"},
        {"SELECT DISTINCT TOP 2 a FROM T", "SELECT DISTINCT  a FROM T LIMIT 2"},
        {"SELECT [codigo], [mi columna] FROM dbo.[TA_QUENDAL]", "SELECT \"codigo\", \"mi columna\" FROM \"TA_QUENDAL\""},
        {"SELECT ISNULL(a, 0), LEN(b), CHARINDEX('x', b), SUBSTRING(b, 1, 2) FROM T",
         "SELECT IFNULL(a, 0), LEN(b), CHARINDEX('x' COLLATE TEXTO, b), SUBSTRING(b, 1, 2) FROM T"},
        {"select  getDate() as fecha", "select  getDate() as fecha"},
        {"SELECT @@IDENTITY", "SELECT last_insert_rowid()"},
        {"SELECT SCOPE_IDENTITY()", "SELECT last_insert_rowid()"},
        {"DELETE TA_QUENDAL WHERE codigo = N'  12'", "DELETE FROM TA_QUENDAL WHERE codigo = '  12' COLLATE TEXTO"},
        // Text inside literals, quoted names and comments stays as written.
        {"SELECT 'with(nolock) TOP 5 [x] dbo.y ISNULL(' AS \"TOP\" FROM T -- TOP 3",
         "SELECT 'with(nolock) TOP 5 [x] dbo.y ISNULL(' COLLATE TEXTO AS \"TOP\" FROM T"},
        {"SELECT 'O''Brien' FROM T", "SELECT 'O''Brien' COLLATE TEXTO FROM T"},
        {"SELECT 'sin cerrar", "SELECT 'sin cerrar' COLLATE TEXTO"},
        {"SELECT a FROM T WHERE b = 'x' COLLATE Modern_Spanish_CI_AS", "SELECT a FROM T WHERE b = 'x' COLLATE TEXTO"},
    };
    for (const Caso& c : casos) EXPECT_EQ(Uno(QString::fromUtf8(c.tsql)), c.sqlite) << c.tsql;
}

TEST(TraduccionTsql, TablasConTextoLargoEIdentidad) {
    EXPECT_EQ(Uno(QStringLiteral("CREATE TABLE dbo.TA_X ([codigo] char(4) NOT NULL, obs text, n int DEFAULT 'a')")),
              std::string("CREATE TABLE TA_X (\"codigo\" char(4) COLLATE TEXTO CONSTRAINT \"LARGO_codigo\" CHECK (length(\"codigo\") <= 4) NOT NULL, "
                             "obs text COLLATE TEXTO, n int DEFAULT 'a')"));
    EXPECT_EQ(Uno(QStringLiteral("ALTER TABLE dbo.TA_X ADD OBS varchar(50) Null ")),
              std::string("ALTER TABLE TA_X ADD OBS varchar(50) COLLATE TEXTO CONSTRAINT \"LARGO_OBS\" CHECK (length(\"OBS\") <= 50) Null"));
    EXPECT_EQ(Uno(QStringLiteral("CREATE TABLE C (Id int IDENTITY(1,1) NOT NULL, Maquina varchar(30) COLLATE TEXTO) ON [PRIMARY]")),
              std::string("CREATE TABLE C (Id INTEGER  PRIMARY KEY AUTOINCREMENT NOT NULL, Maquina varchar(30) CONSTRAINT \"LARGO_Maquina\" CHECK (length(\"Maquina\") <= 30) COLLATE TEXTO)"));
    EXPECT_EQ(Uno(QStringLiteral("CREATE TABLE [dbo].[C] ([Id] [int] IDENTITY(1,1) NOT NULL, [x] [varchar](8) NULL, CONSTRAINT [PK_C] PRIMARY KEY CLUSTERED ([Id] ASC)) ON [PRIMARY]")),
              std::string("CREATE TABLE \"C\" (\"Id\" INTEGER  PRIMARY KEY AUTOINCREMENT NOT NULL, \"x\" varchar(8) COLLATE TEXTO CONSTRAINT \"LARGO_x\" CHECK (length(\"x\") <= 8) NULL)"));
    EXPECT_EQ(Uno(QStringLiteral("CREATE TABLE C (Id int IDENTITY PRIMARY KEY CLUSTERED)")),
              std::string("CREATE TABLE C (Id INTEGER  PRIMARY KEY AUTOINCREMENT )"));
}

TEST(TraduccionTsql, LotesSeDividenEnSentencias) {
    // The script runner's batch: a bare carriage return between statements and no ";".
    const auto s = TraducirLote(QStringLiteral("BEGIN TRANSACTION \r\r\rINSERT INTO T (a) VALUES ('x;y')\rUPDATE T SET a = 'z' WHERE a = 'x'\r"));
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[0].clase, ClaseSentencia::Iniciar);
    EXPECT_EQ(s[1].sql, QByteArray("INSERT INTO T (a) VALUES ('x;y' COLLATE TEXTO)"));
    EXPECT_EQ(s[2].sql, QByteArray("UPDATE T SET a = 'z' COLLATE TEXTO WHERE a = 'x' COLLATE TEXTO"));

    struct Caso { const char* lote; size_t sentencias; };
    const Caso casos[] = {
        {"INSERT INTO T (a) SELECT b FROM U\r\nSELECT 1", 2},
        {"SELECT a FROM T UNION SELECT b FROM U", 1},
        {"SELECT a FROM T\nUNION ALL\nSELECT b FROM U", 1},
        {"CREATE TABLE H (a int REFERENCES P(a) ON DELETE CASCADE ON UPDATE SET NULL)\nINSERT INTO H VALUES (1)", 2},
        {"ALTER TABLE T DROP COLUMN a\nDROP TABLE U", 2},
        {"SET NOCOUNT ON\nUPDATE T SET a = 1\nGO\nDELETE FROM T;SELECT 2", 3},
        {"CREATE VIEW V AS SELECT a FROM T\nSELECT * FROM V", 2},
        {"COMMIT TRANSACTION", 1},
        {"  \r\n -- nada\r\n", 0},
        {"SELECT (SELECT 1\nSELECT 2)", 1},
        {"WITH n(i) AS (SELECT 1)\nINSERT INTO T SELECT i FROM n\nSELECT 3", 2},
    };
    for (const Caso& c : casos) EXPECT_EQ(TraducirLote(QString::fromUtf8(c.lote)).size(), c.sentencias) << c.lote;
}
