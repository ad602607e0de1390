// Schema questions through the connection's rowsets, and columns added when missing.
#include "MotorGrabador.h"
#include "SesionDePrueba.h"

TEST_F(SesionDePrueba, TablasYCampos) {
    EXPECT_TRUE(db.ExisteTablaDB("ta_usuarios"));
    EXPECT_TRUE(db.ExisteTablaDB(" TA_QUENDAL "));
    EXPECT_FALSE(db.ExisteTablaDB("TA_NO_HAY"));
    EXPECT_TRUE(db.ExisteCampoDB("TA_QUENDAL", "DESCRIPCION"));
    EXPECT_FALSE(db.ExisteCampoDB("TA_QUENDAL", "OBS"));

    EXPECT_TRUE(db.VerCampoDB("TA_NO_HAY", "OBS", true, "varchar(50)", true));  // nothing to add to
    EXPECT_TRUE(db.VerCampoDB("TA_QUENDAL", "ACTIVO", true, "bit", false, 1));
    EXPECT_TRUE(db.ExisteCampoDB("TA_QUENDAL", "activo"));
    Ejecutar("INSERT INTO TA_QUENDAL (codigo, descripcion) VALUES ('   1', 'A')");
    EXPECT_EQ(Valor("SELECT ACTIVO FROM TA_QUENDAL").toInt(), 1);

    db.gProveedor = QStringLiteral("OraOLEDB.Oracle.1");  // the main instance's provider decides
    EXPECT_TRUE(db.ExisteCampoDB("TA_QUENDAL", "CUALQUIERA"));
    EXPECT_TRUE(db.VerCampoDB("TA_QUENDAL", "CUALQUIERA", true, "int", true));
    db.gProveedor.clear();
    EXPECT_FALSE(db.ExisteCampoDB("TA_QUENDAL", "CUALQUIERA"));
}

TEST(AddField, SentenciaEnviada) {
    CarpetaDePrueba carpeta;
    DB_Dll db;
    MotorGrabador& motor = MotorGrabador::Instalar(db.gCnn(), "PROVIDER=SQLOLEDB;Server=SRV;Database =X;UId=X;Pwd=X;");
    db.AddField("TA_X", "ACTIVO", "bit", false, 1);
    db.AddField("TA_X", "OBS", "varchar(50)", true);
    EXPECT_EQ(motor.enviado, QStringList({"EXEC ALTER TABLE dbo.TA_X ADD ACTIVO bit Not Null  CONSTRAINT DF_TA_X_ACTIVO DEFAULT (1)",
                                          "EXEC ALTER TABLE dbo.TA_X ADD OBS varchar(50) Null "}));
}
