// Existence checks, one column of a row, and aggregates, on a real database; typed text with
// quotes is found and never changes the statement.
#include "DialogosGuionados.h"
#include "SesionDePrueba.h"

using ado::Operacion;

namespace {

class Consultas : public SesionDePrueba {
protected:
    Consultas() {
        Ejecutar("INSERT INTO TA_QUENDAL VALUES ('   7', 'CAMION')\r\nINSERT INTO TA_QUENDAL VALUES ('  12', 'O''Higgins')\r\n"
                 "INSERT INTO TA_QUENDAL VALUES ('   5', ' MOTO ')\r\nINSERT INTO TA_QUENDAL VALUES ('  20', NULL)");
    }
};

}  // namespace

TEST_F(Consultas, ExisteEnTablaYSinRecortar) {
    const struct {
        QString valor, campo, condicion;
        QVariant tipo;
        bool existe, existeST;
    } casos[] = {
        {"7", "codigo", "", 8, true, false},
        {"  7  ", "codigo", "", 8, true, false},
        {"   7", "codigo", "", 8, true, true},
        {"O'Higgins", "descripcion", "", 8, true, true},
        {"x' OR '1'='1", "descripcion", "", 8, false, false},
        {"MOTO", "descripcion", "", 8, true, false},
        {" MOTO ", "descripcion", "", 8, true, true},
        {"8", "codigo", "", 8, false, false},
        {"", "", "descripcion = 'CAMION'", 8, true, true},
        {"", "", "descripcion = 'AVION'", 8, false, false},
        {"", "", " WHERE descripcion = 'CAMION'", 8, true, true},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(db.ExisteEnTabla("TA_QUENDAL", c.valor, c.campo, nullptr, c.tipo, c.condicion), c.existe) << c.valor.toStdString();
        EXPECT_EQ(db.ExisteEnTablaST("TA_QUENDAL", c.valor, c.campo, nullptr, c.tipo, c.condicion), c.existeST) << c.valor.toStdString();
    }
    ado::Recordset rs;
    EXPECT_TRUE(db.ExisteEnTabla("TA_QUENDAL", "12", "codigo", &rs));
    EXPECT_EQ(rs.Fields("descripcion").Value(), "O'Higgins");
}

TEST_F(Consultas, DatosTabla) {
    const struct {
        QString valor, devuelto, campo, condicion;
        QVariant tipo;
        bool recorta;
        QString esperado;
    } casos[] = {
        {"7", "descripcion", "codigo", "", 8, true, "CAMION"},
        {"7", "descripcion", "codigo", "", "'", true, "CAMION"},
        {"7", "descripcion", "codigo", "", 8, false, ""},
        {"O'Higgins", "codigo", "descripcion", "", 8, true, "  12"},
        {"20", "descripcion", "codigo", "", 8, true, ""},
        {"99", "descripcion", "codigo", "", 8, true, ""},
        {"7", "descripcion", "codigo", "descripcion = 'CAMION'", 8, true, "CAMION"},
        {"7", "descripcion", "codigo", "descripcion = 'AVION'", 8, true, ""},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(db.DatosTabla("TA_QUENDAL", c.valor, c.devuelto, c.campo, c.tipo, c.condicion, c.recorta), QVariant(c.esperado))
            << c.valor.toStdString();
    }
    db.gOpenFlag = false;
    EXPECT_FALSE(db.DatosTabla("TA_QUENDAL", "7", "descripcion").isValid());
}

TEST_F(Consultas, ErroresYConexionPerdida) {
    QString descripcion;
    try {
        ado::Recordset rs;
        rs.Open("SELECT * FROM NO_EXISTE", db.gCnn());
    } catch (const plataforma::ErrorRuntime& e) {
        descripcion = e.error().Description;
    }
    DialogosGuionados guion;
    guion.espera("Aviso al Operador", descripcion, 18, plataforma::respuesta::vbAbort);
    EXPECT_FALSE(db.ExisteEnTabla("NO_EXISTE", "7"));

    // Back at once twice: repeated; back a third time: the box, whose Retry repeats once more.
    guion.espera("Aviso al Operador", QString::fromUtf8(ado::TextoErrorRed), 18, plataforma::respuesta::vbRetry);
    db.gCnn().SimularErrorRed(Operacion::AbrirRecordset, 3);
    EXPECT_TRUE(db.ExisteEnTabla("TA_QUENDAL", "7"));
}

TEST_F(Consultas, Agregados) {
    EXPECT_EQ(db.BuscaUltimoCodigo("TA_QUENDAL", "codigo"), QVariant(20.0));
    EXPECT_EQ(db.BuscaMinimo("TA_QUENDAL", "codigo"), QVariant(5.0));
    EXPECT_EQ(db.BuscaMaximo("TA_QUENDAL", "codigo", QVariant(), nullptr), QVariant(20.0));
    EXPECT_FALSE(db.BuscaUltimoCodigo("AUX_ERR", "Id").isValid());  // empty table: no code yet

    Ejecutar("CREATE TABLE V_MA_ARTICULOS (idarticulo varchar(10) NOT NULL PRIMARY KEY)");
    Ejecutar("INSERT INTO V_MA_ARTICULOS VALUES ('0100')\r\nINSERT INTO V_MA_ARTICULOS VALUES (' 9')");
    QString condicion;
    EXPECT_EQ(db.BuscaMaximo("v_ma_articulos", "idarticulo", QVariant(), &condicion), QVariant(9.0));
    EXPECT_EQ(condicion, " substring(ltrim(idarticulo),1,1)<>'0'");
}
