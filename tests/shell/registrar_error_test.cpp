// The error row in AUX_ERR of the main session.
#include "RegistrarError.h"
#include "SesionDePrueba.h"

#include "Carpetas.h"
#include "EstadoAplicacion.h"
#include "Sistema.h"

#include <QRegularExpression>

TEST_F(SesionDePrueba, RegistrarError) {
    Estado().gNombreUsuario = QStringLiteral("O'Higgins");
    QString proceso;
    RegistrarError("UPDATE T SET A = 'x'", proceso, -2147217900, QString(300, QLatin1Char('d')));
    EXPECT_EQ(proceso, plataforma::NombreEjecutable());
    QString otro = QStringLiteral("GActualizarDatoScript");
    RegistrarError("DROP TABLE X", otro, 208, "falta");
    EXPECT_EQ(otro, "GActualizarDatoScript");

    ado::Recordset rs;
    rs.Open("SELECT Proceso, FECHA, Error, Descripcion, sql, PC, Usuario FROM AUX_ERR ORDER BY Id", db.gCnn());
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(rs.Fields("Proceso").Value(), plataforma::NombreEjecutable());
    EXPECT_TRUE(QRegularExpression("^\\d\\d/\\d\\d/\\d\\d \\d\\d:\\d\\d$").match(rs.Fields("FECHA").Value().toString()).hasMatch());
    EXPECT_EQ(rs.Fields("Error").Value().toInt(), -2147217900);
    EXPECT_EQ(rs.Fields("Descripcion").Value().toString(), QString(250, QLatin1Char('d')));
    EXPECT_EQ(rs.Fields("sql").Value(), "UPDATE T SET A = 'x'");
    EXPECT_EQ(rs.Fields("PC").Value(), Sistema().NombreEquipo());
    EXPECT_EQ(rs.Fields("Usuario").Value(), "O'Higgins");
    rs.MoveNext();
    EXPECT_EQ(rs.Fields("Proceso").Value(), "GActualizarDatoScript");
    rs.MoveNext();
    EXPECT_TRUE(rs.Eof());
    Estado().gNombreUsuario.clear();
}
