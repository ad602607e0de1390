// Recordsets: field types and sizes, moving, GetRows, and the updatable recordsets of the
// maintenance window, the configuration store and the error rows.
#include "BaseDePrueba.h"

#include "Constantes.h"

#include <QDateTime>

using namespace ado;
namespace pe = plataforma::errores;

class Recordsets : public BaseDePrueba {
protected:
    Recordsets() {
        cn.Execute(QStringLiteral("INSERT INTO TA_QUENDAL VALUES ('   1', 'AUTO')\rINSERT INTO TA_QUENDAL VALUES ('   2', 'MOTO')\r"
                                  "INSERT INTO TA_QUENDAL VALUES ('   3', NULL)"));
    }
};

TEST_F(Recordsets, TiposYTamanosDeLosCampos) {
    cn.Execute(QStringLiteral("CREATE TABLE TA_TIPOS (a char(4), b varchar(50), c int, d money, e decimal(18,2), f bit, g datetime, h smallint, i nvarchar(20), j text)"));
    cn.Execute(QStringLiteral("INSERT INTO TA_TIPOS VALUES ('x', 'y', 7, 1.5, 2.25, 1, '2026-03-04 05:06:07', 3, 'ñ', 'largo')"));
    Recordset rs;
    rs.Open(QStringLiteral("SELECT *, c * 2 AS doble, 'lit' AS texto FROM TA_TIPOS"), cn);
    struct Caso { const char* campo; int tipo; int64_t tamano; QVariant valor; };
    const Caso casos[] = {
        {"a", adChar, 4, QStringLiteral("x")}, {"b", adVarChar, 50, QStringLiteral("y")}, {"c", adInteger, 4, 7},
        {"d", adCurrency, 8, 1.5}, {"e", adNumeric, 19, 2.25}, {"f", adBoolean, 2, true},
        {"g", adDBTimeStamp, 16, QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7))}, {"h", adSmallInt, 2, 3},
        {"i", adVarWChar, 20, QStringLiteral("ñ")}, {"j", adLongVarChar, 2147483647, QStringLiteral("largo")},
        {"DOBLE", adInteger, 4, 14}, {"texto", adVarChar, 255, QStringLiteral("lit")},
    };
    for (const Caso& c : casos) {
        Field& f = rs.Fields(QString::fromUtf8(c.campo));
        EXPECT_EQ(f.Type(), c.tipo) << c.campo;
        EXPECT_EQ(f.DefinedSize(), c.tamano) << c.campo;
        EXPECT_EQ(f.Value(), c.valor) << c.campo;
    }
    EXPECT_EQ(rs.Fields().Count(), 12);
    EXPECT_EQ(NumeroError([&] { rs.Fields(QStringLiteral("nada")); }), pe::ElementoNoEncontrado);
    EXPECT_EQ(NumeroError([&] { rs.Fields(12); }), pe::ElementoNoEncontrado);
}

TEST_F(Recordsets, MovimientosYFinDeArchivo) {
    Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM TA_QUENDAL ORDER BY codigo"), cn, adOpenForwardOnly, adLockReadOnly);
    EXPECT_EQ(rs.RecordCount(), 3);
    EXPECT_FALSE(rs.BOF());
    EXPECT_EQ(rs.Fields(QStringLiteral("codigo")).Value().toString(), QStringLiteral("   1"));
    rs.MoveLast();
    EXPECT_TRUE(EsNulo(rs.Fields(1).Value()));
    EXPECT_TRUE(rs.Fields(1).Value().isValid());  // Null, not Empty
    rs.MoveNext();
    EXPECT_TRUE(rs.Eof());
    EXPECT_EQ(NumeroError([&] { rs.Fields(0).Value(); }), errores::SinRegistroActual);
    EXPECT_EQ(NumeroError([&] { rs.MoveNext(); }), errores::SinRegistroActual);
    rs.MoveFirst();
    rs.MovePrevious();
    EXPECT_TRUE(rs.BOF());
    rs.MoveFirst();
    const QList<QVariantList> filas = rs.GetRows(2);
    ASSERT_EQ(filas.size(), 2);
    EXPECT_EQ(filas[1], QVariantList({QStringLiteral("AUTO"), QStringLiteral("MOTO")}));
    EXPECT_EQ(rs.Fields(0).Value().toString(), QStringLiteral("   3"));
    rs.Close();
    EXPECT_EQ(rs.State(), adStateClosed);
    EXPECT_EQ(NumeroError([&] { rs.Close(); }), pe::ObjetoCerrado);

    Recordset vacio;
    vacio.Open(QStringLiteral("SELECT * FROM TA_QUENDAL WHERE 1 = 0"), cn);
    EXPECT_TRUE(vacio.BOF() && vacio.Eof());
    EXPECT_EQ(NumeroError([&] { vacio.Open(QStringLiteral("SELECT 1"), cn); }), pe::ObjetoAbierto);
}

TEST_F(Recordsets, GrabarAltaModificacionYBaja) {
    Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM TA_QUENDAL"), cn, adOpenDynamic, adLockOptimistic, -1);
    rs.AddNew();
    rs.Fields(QStringLiteral("codigo")) = QStringLiteral("   7");
    rs.Fields(QStringLiteral("descripcion")) = QStringLiteral("CAMION");
    EXPECT_EQ(rs.EditMode(), adEditAdd);
    rs.Update();
    EXPECT_EQ(rs.RecordCount(), 4);
    EXPECT_EQ(Valor(QStringLiteral("SELECT descripcion FROM TA_QUENDAL WHERE codigo = '   7'")).toString(), QStringLiteral("CAMION"));

    rs.MoveFirst();
    while (rs.Fields(0).Value().toString() != QStringLiteral("   2")) rs.MoveNext();
    rs.Fields(1) = QStringLiteral("MOTOCICLETA");
    rs.Update();
    EXPECT_EQ(Valor(QStringLiteral("SELECT descripcion FROM TA_QUENDAL WHERE codigo = '   2'")).toString(), QStringLiteral("MOTOCICLETA"));
    EXPECT_EQ(Valor(QStringLiteral("SELECT descripcion FROM TA_QUENDAL WHERE codigo = '   1'")).toString(), QStringLiteral("AUTO"));

    rs.Delete();
    EXPECT_EQ(Valor(QStringLiteral("SELECT COUNT(*) FROM TA_QUENDAL")).toInt(), 3);
    EXPECT_EQ(Valor(QStringLiteral("SELECT COUNT(*) FROM TA_QUENDAL WHERE codigo = '   2'")).toInt(), 0);

    // A duplicate key is the engine's 2627; the pending row stays until it is cancelled.
    rs.AddNew();
    rs.Fields(0) = QStringLiteral("   1");
    rs.Fields(1) = QStringLiteral("OTRO");
    EXPECT_EQ(NumeroError([&] { rs.Update(); }), pe::ErrorIntegridad);
    EXPECT_EQ(cn.Errors()[0].NativeError, nativos::ClaveDuplicada);
    EXPECT_EQ(NumeroError([&] { rs.Close(); }), pe::ContextoNoValido);
    rs.CancelUpdate();
    EXPECT_EQ(rs.RecordCount(), 3);
    rs.Close();
}

TEST_F(Recordsets, ValoresQueNoCabenEnLaColumna) {
    Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM TA_QUENDAL"), cn, adOpenDynamic, adLockOptimistic);
    rs.Fields(1) = QString(51, QLatin1Char('x'));
    EXPECT_EQ(NumeroError([&] { rs.Update(); }), errores::DatosTruncados);
    EXPECT_EQ(cn.Errors()[0].NativeError, nativos::Truncamiento);
    rs.CancelUpdate();

    cn.Execute(QStringLiteral("CREATE TABLE TA_NUM (id int PRIMARY KEY, n int, f datetime)"));
    cn.Execute(QStringLiteral("INSERT INTO TA_NUM VALUES (1, 1, NULL)"));
    Recordset num;
    num.Open(QStringLiteral("SELECT * FROM TA_NUM"), cn, adOpenDynamic, adLockOptimistic);
    EXPECT_EQ(NumeroError([&] { num.Fields(QStringLiteral("n")) = QStringLiteral("abc"); }), pe::ConversionNoValida);
    EXPECT_EQ(NumeroError([&] { num.Fields(QStringLiteral("f")) = QStringLiteral("31/02/2026"); }), pe::ConversionNoValida);
    num.Fields(QStringLiteral("n")) = QStringLiteral("12");
    num.Fields(QStringLiteral("f")) = QStringLiteral("25/12/2026");
    num.Update();
    EXPECT_EQ(Valor(QStringLiteral("SELECT n FROM TA_NUM")).toInt(), 12);
    EXPECT_EQ(Valor(QStringLiteral("SELECT f FROM TA_NUM")).toDateTime(), QDateTime(QDate(2026, 12, 25), QTime(0, 0)));
    // A date written by a statement as the suite's text still reads as a date.
    cn.Execute(QStringLiteral("UPDATE TA_NUM SET f = '11/12/26 10:05'"));
    EXPECT_EQ(Valor(QStringLiteral("SELECT f FROM TA_NUM")).toDateTime(), QDateTime(QDate(2026, 12, 11), QTime(10, 5)));

    Recordset lectura;
    lectura.Open(QStringLiteral("SELECT * FROM TA_QUENDAL"), cn);
    EXPECT_EQ(NumeroError([&] { lectura.Fields(1) = QStringLiteral("x"); }), errores::NoActualizable);
    EXPECT_EQ(NumeroError([&] { lectura.AddNew(); }), errores::NoActualizable);
}

TEST_F(Recordsets, FilaCambiadaOBorradaPorOtro) {
    Connection otro;
    otro.Open(CadenaPrueba);
    Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM TA_QUENDAL with(nolock)  WHERE codigo = '   1'"), cn, adOpenDynamic, adLockOptimistic);
    otro.Execute(QStringLiteral("UPDATE TA_QUENDAL SET descripcion = 'CAMBIADA' WHERE codigo = '   1'"));
    rs.Fields(1) = QStringLiteral("MIA");
    EXPECT_EQ(NumeroError([&] { rs.Update(); }), errores::FilaNoEncontrada);
    EXPECT_EQ(Valor(QStringLiteral("SELECT descripcion FROM TA_QUENDAL WHERE codigo = '   1'")).toString(), QStringLiteral("CAMBIADA"));
    rs.CancelUpdate();
    otro.Execute(QStringLiteral("DELETE FROM TA_QUENDAL WHERE codigo = '   1'"));
    EXPECT_EQ(NumeroError([&] { rs.Delete(); }), errores::FilaNoEncontrada);
}

TEST_F(Recordsets, FilasDeConfiguracionYDeErrores) {
    // The configuration store: one key, added when missing, updated in place otherwise.
    cn.Execute(QStringLiteral("CREATE TABLE TA_CONFIGURACION (CLAVE varchar(50) NOT NULL PRIMARY KEY, VALOR varchar(255), ValorAux varchar(255), Grupo varchar(50))"));
    for (const char* valor : {"1", "2"}) {
        Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'theme'"), cn, adOpenDynamic, adLockOptimistic);
        if (rs.BOF()) rs.AddNew();
        else rs.MoveFirst();
        rs.Fields(QStringLiteral("Clave")) = QStringLiteral("THEME");
        rs.Fields(QStringLiteral("Valor")) = QString::fromUtf8(valor);
        rs.Update();
        rs.Close();
    }
    EXPECT_EQ(Valor(QStringLiteral("SELECT COUNT(*) FROM TA_CONFIGURACION")).toInt(), 1);
    EXPECT_EQ(Valor(QStringLiteral("SELECT VALOR FROM TA_CONFIGURACION")).toString(), QStringLiteral("2"));

    // The error rows: a table without a key written through "top 1", identity read back.
    cn.Execute(QStringLiteral("CREATE TABLE AUX_ERR (Id int IDENTITY(1,1), Proceso varchar(50), Descripcion varchar(250), Fecha datetime DEFAULT CURRENT_TIMESTAMP)"));
    for (int i = 0; i < 2; ++i) {
        Recordset rs;
        rs.Open(QStringLiteral("select  top 1 * from AUX_ERR  with(nolock) "), cn, adOpenDynamic, adLockOptimistic, -1);
        rs.AddNew();
        rs.Fields(QStringLiteral("Proceso")) = QStringLiteral("Ta_Quendal");
        rs.Fields(QStringLiteral("Descripcion")) = QStringLiteral("fallo %1").arg(i);
        rs.Update();
        EXPECT_EQ(rs.Fields(QStringLiteral("Id")).Value().toInt(), i + 1);
        EXPECT_EQ(rs.Fields(QStringLiteral("Fecha")).Value().typeId(), QMetaType::QDateTime);
        rs.Close();
    }
    EXPECT_EQ(Valor(QStringLiteral("SELECT COUNT(*) FROM AUX_ERR")).toInt(), 2);
}

TEST_F(Recordsets, ErrorDeRedAlGrabar) {
    Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM TA_QUENDAL"), cn, adOpenDynamic, adLockOptimistic);
    rs.Fields(1) = QStringLiteral("NUEVA");
    cn.SimularErrorRed(Operacion::Actualizar);
    EXPECT_EQ(NumeroError([&] { rs.Update(); }), pe::ErrorNoEspecificado);
    EXPECT_EQ(cn.Errors()[0].NativeError, nativos::ErrorGeneralRed);
    rs.Update();  // the edit is still pending and goes through once the network is back
    EXPECT_EQ(Valor(QStringLiteral("SELECT COUNT(*) FROM TA_QUENDAL WHERE descripcion = 'NUEVA'")).toInt(), 1);
}
