// Connections: provider resolution, batches and transactions, SQL Server's text rules and error
// numbers on the SQLite engine, schema rowsets and the lost-connection test seam.
#include "BaseDePrueba.h"

#include "Constantes.h"
#include "proveedor.h"

#include <QDateTime>
#include <QFile>

using namespace ado;
namespace pe = plataforma::errores;

using Conexiones = BaseDePrueba;

TEST_F(Conexiones, ResuelveElProveedorYNuncaCreaUnaBase) {
    // (localdb) in any case, with an instance, and the database name found without case.
    for (const char* cadena : {"Provider=sqloledb;Data Source=(LocalDB)\\MSSQLLocalDB;Initial Catalog=prueba;",
                               "PROVIDER=SQLOLEDB;Server=(localdb);Database =Prueba;UId=x;Pwd=y;"}) {
        Connection otra;
        otra.Open(QString::fromUtf8(cadena));
        EXPECT_EQ(otra.State(), adStateOpen) << cadena;
        EXPECT_EQ(otra.DefaultDatabase().toUpper(), QStringLiteral("PRUEBA"));
    }

    // The file is found whatever the case of its name.
    ado::CrearBaseDatos(carpeta.archivo(QStringLiteral("datos/OTRA.Db")));
    Connection mayusculas;
    mayusculas.Open(QStringLiteral("PROVIDER=SQLOLEDB;Server=(localdb);Database =otra;"));
    EXPECT_EQ(mayusculas.State(), adStateOpen);

    Connection falta;
    EXPECT_EQ(NumeroError([&] { falta.Open(QStringLiteral("PROVIDER=SQLOLEDB;Server=(localdb);Database =NOEXISTE;")); }), pe::ErrorNoEspecificado);
    ASSERT_EQ(falta.Errors().Count(), 1);
    EXPECT_EQ(falta.Errors()[0].NativeError, nativos::BaseNoAbre);
    EXPECT_EQ(falta.Errors()[0].Source, QStringLiteral("Microsoft OLE DB Provider for SQL Server"));
    EXPECT_EQ(falta.State(), adStateClosed);
    EXPECT_FALSE(QFile::exists(RutaBaseLocal(QStringLiteral("NOEXISTE"))));

    // A real server has no engine yet: a connection error, never a silent success.
    Connection servidor;
    EXPECT_EQ(NumeroError([&] { servidor.Open(QStringLiteral("PROVIDER=SQLOLEDB;Server=SRV01\\ZENTOPOL;Database =PRUEBA;UId=PRUEBA;Pwd=PRUEBA;")); }), pe::ErrorNoEspecificado);
    EXPECT_EQ(servidor.Errors()[0].SQLState, QStringLiteral("08001"));
    EXPECT_EQ(NumeroError([&] { servidor.Open(QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=ORCL;User Id=a;Password=b;")); }), pe::ErrorNoEspecificado);

    // Jet opens the file named as its data source; a missing file reports SQL state 3024.
    Connection jet;
    jet.Open(QStringLiteral("PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source =") + ruta + QStringLiteral(";User Id=admin;Password=;"));
    EXPECT_EQ(jet.State(), adStateOpen);
    Connection jetFalta;
    EXPECT_NE(NumeroError([&] { jetFalta.Open(QStringLiteral("PROVIDER=Microsoft.Jet.OLEDB.3.51;Data Source =nada.mdb;")); }), 0);
    EXPECT_EQ(jetFalta.Errors()[0].SQLState, QStringLiteral("3024"));
}

TEST_F(Conexiones, ErroresDeEstado) {
    EXPECT_EQ(NumeroError([&] { cn.Open(CadenaPrueba); }), pe::ObjetoAbierto);
    cn.Close();
    EXPECT_EQ(NumeroError([&] { cn.Close(); }), pe::ObjetoCerrado);
    EXPECT_EQ(NumeroError([&] { cn.Execute(QStringLiteral("SELECT 1")); }), pe::ConexionNoValida);
    Recordset rs;
    EXPECT_EQ(NumeroError([&] { rs.Open(QStringLiteral("SELECT 1"), cn); }), pe::ConexionNoValida);
    cn.Open();  // the string it already had
    EXPECT_EQ(cn.State(), adStateOpen);
    EXPECT_EQ(NumeroError([&] { cn.Errors().Item(5); }), pe::ElementoNoEncontrado);
}

TEST_F(Conexiones, LotesAfectadosEIdentidad) {
    int64_t afectados = -1;
    cn.Execute(QStringLiteral("INSERT INTO TA_QUENDAL VALUES ('   1', 'AUTO')\rINSERT INTO TA_QUENDAL VALUES ('   2', 'MOTO')\r"
                              "UPDATE TA_QUENDAL SET descripcion = 'X' WHERE codigo IN ('   1', '   2')"), &afectados);
    EXPECT_EQ(afectados, 4);
    Recordset vacio = cn.Execute(QStringLiteral("DELETE TA_QUENDAL WHERE codigo = '   9'"), &afectados);
    EXPECT_EQ(afectados, 0);
    EXPECT_EQ(vacio.State(), adStateClosed);

    cn.Execute(QStringLiteral("CREATE TABLE Control_Acceso (Id int IDENTITY(1,1) NOT NULL, Usuario varchar(30), Ingreso datetime)"));
    cn.Execute(QStringLiteral("INSERT INTO Control_Acceso (Usuario, Ingreso) VALUES ('ANA', getDate())"));
    cn.Execute(QStringLiteral("INSERT INTO Control_Acceso (Usuario, Ingreso) VALUES ('LUIS', getDate())"));
    EXPECT_EQ(Valor(QStringLiteral("SELECT @@IDENTITY")).toInt(), 2);
    const QVariant ingreso = Valor(QStringLiteral("SELECT Ingreso FROM Control_Acceso WHERE Id = 2"));
    EXPECT_EQ(ingreso.typeId(), QMetaType::QDateTime);
    EXPECT_LE(qAbs(ingreso.toDateTime().secsTo(QDateTime::currentDateTime())), 5);

    // getDate() without a declared column is still a date, in local time.
    Recordset fecha;
    fecha.Open(QStringLiteral("select  getDate() as fecha"), cn);
    EXPECT_EQ(fecha.Fields(QStringLiteral("FECHA")).Type(), adDBTimeStamp);
    EXPECT_LE(qAbs(fecha.Fields(0).Value().toDateTime().secsTo(QDateTime::currentDateTime())), 5);
}

TEST_F(Conexiones, TransaccionesEnLotesYPorMetodos) {
    // The script runner: BEGIN inside the batch, COMMIT or ROLLBACK in a call of its own.
    cn.Execute(QStringLiteral("BEGIN TRANSACTION \r\r\rINSERT INTO TA_QUENDAL VALUES ('   1', 'A')\r"));
    cn.Execute(QStringLiteral("ROLLBACK TRANSACTION"));
    EXPECT_EQ(Valor(QStringLiteral("SELECT COUNT(*) FROM TA_QUENDAL")).toInt(), 0);
    cn.Execute(QStringLiteral("BEGIN TRANSACTION \r\r\rINSERT INTO TA_QUENDAL VALUES ('   1', 'A')\r"));
    cn.Execute(QStringLiteral("COMMIT TRANSACTION"));
    EXPECT_EQ(Valor(QStringLiteral("SELECT COUNT(*) FROM TA_QUENDAL")).toInt(), 1);

    // A failing statement inside the batch leaves the transaction open for the caller's rollback.
    EXPECT_EQ(NumeroError([&] { cn.Execute(QStringLiteral("BEGIN TRANSACTION \r\rINSERT INTO TA_QUENDAL VALUES ('   2', 'B')\rINSERT INTO TA_QUENDAL VALUES ('   1', 'C')\r")); }),
              pe::ErrorIntegridad);
    cn.Execute(QStringLiteral("ROLLBACK TRANSACTION"));
    EXPECT_EQ(Valor(QStringLiteral("SELECT COUNT(*) FROM TA_QUENDAL")).toInt(), 1);

    // Nesting counts as on SQL Server: only the outermost commit writes.
    EXPECT_EQ(cn.BeginTrans(), 1);
    EXPECT_EQ(cn.BeginTrans(), 2);
    cn.Execute(QStringLiteral("DELETE FROM TA_QUENDAL"));
    cn.CommitTrans();
    cn.RollbackTrans();
    EXPECT_EQ(Valor(QStringLiteral("SELECT COUNT(*) FROM TA_QUENDAL")).toInt(), 1);
    EXPECT_EQ(NumeroError([&] { cn.CommitTrans(); }), pe::ErrorNoEspecificado);
    EXPECT_EQ(cn.Errors()[0].NativeError, nativos::CommitSinBegin);
}

TEST_F(Conexiones, TextoComoEnSqlServer) {
    cn.Execute(QStringLiteral("INSERT INTO TA_QUENDAL VALUES ('  12', 'MUÑOZ ÁLVAREZ')"));
    struct Caso { const char* consulta; int filas; };
    const Caso casos[] = {
        {"SELECT codigo FROM TA_QUENDAL with(nolock) WHERE descripcion = 'muñoz álvarez'", 1},
        {"SELECT codigo FROM TA_QUENDAL WHERE descripcion = 'Muñoz Álvarez   '", 1},   // trailing blanks ignored
        {"SELECT codigo FROM TA_QUENDAL WHERE descripcion = 'MUNOZ ALVAREZ'", 0},      // accents still count
        {"SELECT codigo FROM TA_QUENDAL WHERE LTRIM(RTRIM(codigo)) ='12'", 1},
        {"SELECT codigo FROM TA_QUENDAL WHERE UPPER(descripcion) = 'MUÑOZ ÁLVAREZ' AND LOWER(descripcion) = 'muñoz álvarez'", 1},
        {"SELECT codigo FROM TA_QUENDAL WHERE descripcion like '%ñoz%álv%'", 1},
        {"SELECT codigo FROM TA_QUENDAL WHERE descripcion LIKE '[l-n]UÑ_Z%'", 1},
        {"SELECT codigo FROM TA_QUENDAL WHERE descripcion LIKE 'MUÑOZ'", 0},
        {"SELECT codigo FROM TA_QUENDAL WHERE LEN(codigo) = 4 AND LEN('ab   ') = 2 AND LEN(descripcion) = 13 AND CHARINDEX('álvarez', descripcion) = 7", 1},
        {"SELECT codigo FROM TA_QUENDAL WHERE codigo = '  12 '", 1},
    };
    for (const Caso& c : casos) {
        Recordset rs;
        rs.Open(QString::fromUtf8(c.consulta), cn);
        EXPECT_EQ(rs.RecordCount(), c.filas) << c.consulta;
    }
    // Spanish order: an accented letter with its base letter, Ñ between N and O, case ignored.
    cn.Execute(QStringLiteral("DELETE FROM TA_QUENDAL"));
    const QStringList palabras = {QStringLiteral("Zeta"), QStringLiteral("Oso"), QStringLiteral("ñandú"), QStringLiteral("Álvarez"),
                                  QStringLiteral("nube"), QStringLiteral("alba"), QStringLiteral("Ánade")};
    for (int i = 0; i < palabras.size(); ++i) cn.Execute(QStringLiteral("INSERT INTO TA_QUENDAL VALUES ('%1', '%2')").arg(i).arg(palabras[i]));
    Recordset orden;
    orden.Open(QStringLiteral("SELECT descripcion FROM TA_QUENDAL ORDER BY descripcion"), cn);
    QStringList leidas;
    for (; !orden.Eof(); orden.MoveNext()) leidas << orden.Fields(0).Value().toString();
    EXPECT_EQ(leidas.join(QLatin1Char(',')), QStringLiteral("alba,Álvarez,Ánade,nube,ñandú,Oso,Zeta"));

    // The key ignores case and trailing blanks as well: 'ab' and 'AB ' are the same code.
    cn.Execute(QStringLiteral("INSERT INTO TA_QUENDAL VALUES ('ab', 'x')"));
    EXPECT_EQ(NumeroError([&] { cn.Execute(QStringLiteral("INSERT INTO TA_QUENDAL VALUES ('AB ', 'y')")); }), pe::ErrorIntegridad);
}

TEST_F(Conexiones, FallosConNumerosDeSqlServer) {
    cn.Execute(QStringLiteral("CREATE TABLE TA_PADRE (codigo char(4) PRIMARY KEY)\rCREATE TABLE MA_HIJO (id int PRIMARY KEY, padre char(4) NOT NULL REFERENCES TA_PADRE(codigo))"));
    cn.Execute(QStringLiteral("INSERT INTO TA_QUENDAL VALUES ('   1', 'A')"));
    struct Caso { const char* sql; int32_t numero; int32_t nativo; const char* estado; };
    const Caso casos[] = {
        {"INSERT INTO TA_QUENDAL VALUES ('   1', 'B')", pe::ErrorIntegridad, nativos::ClaveDuplicada, "23000"},
        {"INSERT INTO MA_HIJO VALUES (1, '   9')", pe::ErrorIntegridad, nativos::ConflictoRestriccion, "23000"},
        {"INSERT INTO MA_HIJO (id) VALUES (2)", pe::ErrorIntegridad, nativos::NuloNoPermitido, "23000"},
        {"UPDATE TA_QUENDAL SET descripcion = '123456789012345678901234567890123456789012345678901'", errores::DatosTruncados, nativos::Truncamiento, "22001"},
        {"INSERT INTO TA_QUENDAL VALUES ('12345', 'x')", errores::DatosTruncados, nativos::Truncamiento, "22001"},
        {"SELECT * FROM NO_EXISTE", pe::ObjetoNoEncontrado, nativos::ObjetoNoValido, "42S02"},
        {"SELECT nada FROM TA_QUENDAL", pe::ErrorSintaxisSql, nativos::ColumnaNoValida, "42S22"},
        {"SELEC * FROM TA_QUENDAL", pe::ErrorSintaxisSql, nativos::SintaxisIncorrecta, "42000"},
    };
    for (const Caso& c : casos) {
        cn.Errors().Clear();
        EXPECT_EQ(NumeroError([&] { cn.Execute(QString::fromUtf8(c.sql)); }), c.numero) << c.sql;
        ASSERT_GE(cn.Errors().Count(), 1) << c.sql;
        EXPECT_EQ(cn.Errors()[0].NativeError, c.nativo) << c.sql;
        EXPECT_EQ(cn.Errors()[0].SQLState, QString::fromLatin1(c.estado)) << c.sql;
        EXPECT_EQ(cn.Errors()[0].Source, QStringLiteral("Microsoft OLE DB Provider for SQL Server"));
    }
    // Constraint failures carry SQL Server's second record, as the script runner expects.
    EXPECT_NE(NumeroError([&] { cn.Execute(QStringLiteral("INSERT INTO TA_QUENDAL VALUES ('   1', 'B')")); }), 0);
    cn.Execute(QStringLiteral("SELECT 1"));
    EXPECT_EQ(cn.Errors().Count(), 2);   // a success leaves the last failure in place
    EXPECT_EQ(cn.Errors()[1].NativeError, nativos::InstruccionTerminada);
    EXPECT_EQ(Valor(QStringLiteral("SELECT descripcion FROM TA_QUENDAL")).toString(), QStringLiteral("A"));
}

TEST_F(Conexiones, EsquemaDeTablasYColumnas) {
    cn.Execute(QStringLiteral("CREATE VIEW V_QUENDAL AS SELECT codigo FROM TA_QUENDAL"));
    Recordset tablas = cn.OpenSchema(adSchemaTables);
    QStringList nombres;
    for (; !tablas.Eof(); tablas.MoveNext()) nombres << tablas.Fields(QStringLiteral("TABLE_NAME")).Value().toString() + QLatin1Char('/') + tablas.Fields(QStringLiteral("TABLE_TYPE")).Value().toString();
    EXPECT_EQ(nombres, QStringList({QStringLiteral("TA_QUENDAL/TABLE"), QStringLiteral("V_QUENDAL/VIEW")}));

    Recordset columnas = cn.OpenSchema(adSchemaColumns, {QStringLiteral("PRUEBA"), QVariant(), QStringLiteral("ta_quendal"), QVariant()});
    ASSERT_EQ(columnas.RecordCount(), 2);
    columnas.MoveLast();
    EXPECT_EQ(columnas.Fields(QStringLiteral("COLUMN_NAME")).Value().toString(), QStringLiteral("descripcion"));
    EXPECT_EQ(columnas.Fields(QStringLiteral("DATA_TYPE")).Value().toInt(), adVarChar);
    EXPECT_EQ(columnas.Fields(QStringLiteral("CHARACTER_MAXIMUM_LENGTH")).Value().toInt(), 50);
    EXPECT_EQ(cn.OpenSchema(adSchemaColumns, {QVariant(), QVariant(), QStringLiteral("NADA")}).RecordCount(), 0);

    // Columns added as the schema helpers write them.
    cn.Execute(QStringLiteral("ALTER TABLE dbo.TA_QUENDAL ADD ACTIVO bit Not Null  CONSTRAINT DF_TA_QUENDAL_ACTIVO DEFAULT (1)"));
    cn.Execute(QStringLiteral("ALTER TABLE dbo.TA_QUENDAL ADD OBS varchar(10) Null "));
    Recordset nuevas = cn.OpenSchema(adSchemaColumns, {QStringLiteral("PRUEBA"), QVariant(), QStringLiteral("TA_QUENDAL"), QStringLiteral("obs")});
    ASSERT_EQ(nuevas.RecordCount(), 1);
    EXPECT_EQ(nuevas.Fields(QStringLiteral("CHARACTER_MAXIMUM_LENGTH")).Value().toInt(), 10);
    cn.Execute(QStringLiteral("INSERT INTO TA_QUENDAL (codigo, descripcion) VALUES ('   5', 'X')"));
    EXPECT_EQ(Valor(QStringLiteral("SELECT ACTIVO FROM TA_QUENDAL WHERE codigo = '   5'")), QVariant(true));
    EXPECT_EQ(NumeroError([&] { cn.Execute(QStringLiteral("UPDATE TA_QUENDAL SET OBS = 'demasiado largo'")); }), errores::DatosTruncados);
}

TEST_F(Conexiones, ErrorDeRedSimulado) {
    cn.SimularErrorRed(Operacion::Ejecutar, 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(NumeroError([&] { cn.Execute(QStringLiteral("SELECT 1")); }), pe::ErrorNoEspecificado);
        EXPECT_EQ(cn.Errors()[0].NativeError, nativos::ErrorGeneralRed);
        EXPECT_TRUE(cn.Errors()[0].Description.contains(QLatin1String("Error general de red")));
    }
    EXPECT_EQ(NumeroError([&] { cn.Execute(QStringLiteral("SELECT 1")); }), 0);

    cn.SimularErrorRed(Operacion::AbrirRecordset);
    Recordset rs;
    EXPECT_EQ(NumeroError([&] { rs.Open(QStringLiteral("SELECT 1"), cn); }), pe::ErrorNoEspecificado);
    EXPECT_EQ(rs.State(), adStateClosed);

    // A server gone for good: reopening fails too, until it comes back.
    cn.SimularServidorCaido(true);
    cn.Close();
    EXPECT_EQ(NumeroError([&] { cn.Open(); }), pe::ErrorNoEspecificado);
    EXPECT_EQ(cn.Errors()[0].NativeError, nativos::ServidorNoExiste);
    cn.SimularServidorCaido(false);
    cn.Open();
    EXPECT_EQ(NumeroError([&] { rs.Open(QStringLiteral("SELECT 1"), cn); }), 0);
}
