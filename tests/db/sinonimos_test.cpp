// The "@Admin_" prefix and the synonyms ordinary users read.
#include "DB_Dll.h"
#include "Sinonimos.h"

#include "ImprimirQt.h"

#include <gtest/gtest.h>

using basedatos::ContextoSinonimos;
using basedatos::ReescribirSinonimos;

namespace {

const ContextoSinonimos Administrador{true, false, QStringLiteral("Ta_Quendal")};
const ContextoSinonimos Usuario{false, false, QStringLiteral("Ta_Quendal")};
const ContextoSinonimos UsuarioConfidencial{false, true, QStringLiteral("Ta_Quendal")};

struct Caso {
    const char* caso;
    ContextoSinonimos contexto;
    const char* entrada;
    const char* salida;
};

}  // namespace

TEST(SS_TSinonimos, AdministradorYUsuario) {
    const Caso casos[] = {
        {"administrador pide la tabla real", Administrador, "SELECT * FROM @Admin_MA_CUENTAS WHERE X = 1",
         "SELECT * FROM MA_CUENTAS WHERE X = 1"},
        {"administrador nunca usa sinonimos", Administrador, "SELECT * FROM MA_CUENTAS WHERE X = 1",
         "SELECT * FROM MA_CUENTAS WHERE X = 1"},
        {"prefijo que deja otro al quitarlo", Administrador, "SELECT * FROM @Adm@Admin_in_T", "SELECT * FROM T"},
        {"prefijo en minusculas", Administrador, "select * from @admin_V_TA_CAJAS ", "select * from V_TA_CAJAS "},
        {"usuario lee el sinonimo", Usuario, "SELECT * FROM MA_CUENTAS WHERE X = 1",
         "SELECT * FROM SS_MA_CUENTAS WHERE X = 1"},
        {"nombre al final sin blanco", Usuario, "SELECT * FROM MA_CUENTAS", "SELECT * FROM MA_CUENTAS"},
        {"nombres que solo lo contienen", Usuario, "SELECT MA_CUENTAS_ID FROM XMA_CUENTAS WHERE A = 1",
         "SELECT MA_CUENTAS_ID FROM XMA_CUENTAS WHERE A = 1"},
        {"todos los contextos", Usuario,
         "SELECT MA_CUENTAS.A,MA_CUENTAS.B, {fn X(MA_CUENTAS.C)}, {MA_CUENTAS.D} FROM (MA_CUENTAS INNER JOIN T ON 1=1)",
         "SELECT SS_MA_CUENTAS.A,SS_MA_CUENTAS.B, {fn X(SS_MA_CUENTAS.C)}, {SS_MA_CUENTAS.D} FROM "
         "(SS_MA_CUENTAS INNER JOIN T ON 1=1)"},
        {"las siete filas", Usuario,
         "SELECT * FROM MA_CUENTAS , V_TA_DEPOSITO , V_TA_FAMILIAS , V_TA_CAJAS , AC_CUENTASDIARIO , "
         "AC_CUENTASDIARIO_CCOSTO WHERE 1=1",
         "SELECT * FROM SS_MA_CUENTAS , SS_V_TA_DEPOSITO , SS_V_TA_FAMILIAS , SS_V_TA_CAJAS , SS_AC_CUENTASDIARIO , "
         "SS_AC_CUENTAS_DIARIO_CCOSTO WHERE 1=1"},
        {"prefijo en otra tabla trae el plan de cuentas real", Usuario,
         "SELECT * FROM @Admin_V_TA_CAJAS C INNER JOIN MA_CUENTAS M ON C.X = M.X",
         "SELECT * FROM V_TA_CAJAS C INNER JOIN MA_CUENTAS M ON C.X = M.X"},
        {"sinonimo escrito con prefijo en la sentencia", Usuario,
         "SELECT * FROM SS_MA_CUENTAS A, @Admin_V_TA_CAJAS B ", "SELECT * FROM MA_CUENTAS A, V_TA_CAJAS B "},
    };
    for (const auto& c : casos)
        EXPECT_EQ(ReescribirSinonimos(QString::fromLatin1(c.entrada), c.contexto), c.salida) << c.caso;
}

TEST(SS_TSinonimos, AsientosSegunLaConfidencialidad) {
    const QString sql = QStringLiteral("SELECT MA_CUENTAS.CODIGO FROM MA_CUENTAS , MV_ASIENTOS WHERE X = 1");
    EXPECT_EQ(ReescribirSinonimos(sql, Usuario), sql);
    EXPECT_EQ(ReescribirSinonimos(QStringLiteral("SELECT * FROM @Admin_MV_ASIENTOS , MA_CUENTAS WHERE 1=1"), Usuario),
              "SELECT * FROM MV_ASIENTOS , MA_CUENTAS WHERE 1=1");
    EXPECT_EQ(ReescribirSinonimos(sql, UsuarioConfidencial),
              "SELECT SS_MA_CUENTAS.CODIGO FROM SS_MA_CUENTAS , SS_MV_ASIENTOS WHERE X = 1");
    EXPECT_EQ(ReescribirSinonimos(sql, ContextoSinonimos{true, true, QStringLiteral("Ta_Quendal")}), sql);
}

TEST(SS_TSinonimos, ProgramasHermanosLeenSinRestriccion) {
    const QString sql = QStringLiteral("SELECT * FROM V_TA_FAMILIAS F, V_TA_DEPOSITO D, V_TA_CAJAS C");
    EXPECT_EQ(ReescribirSinonimos(sql, {false, false, QStringLiteral("TOLCA")}),
              "SELECT * FROM V_TA_FAMILIAS F, SS_V_TA_DEPOSITO D, SS_V_TA_CAJAS C");
    EXPECT_EQ(ReescribirSinonimos(sql, {false, false, QStringLiteral("dudoruv")}),
              "SELECT * FROM V_TA_FAMILIAS F, SS_V_TA_DEPOSITO D, SS_V_TA_CAJAS C");
    EXPECT_EQ(ReescribirSinonimos(sql, {false, false, QStringLiteral("Brisolt")}),
              "SELECT * FROM SS_V_TA_FAMILIAS F, V_TA_DEPOSITO D, SS_V_TA_CAJAS C");
    EXPECT_EQ(ReescribirSinonimos(sql, {false, false, QStringLiteral("TARVENA")}),
              "SELECT * FROM SS_V_TA_FAMILIAS F, V_TA_DEPOSITO D, SS_V_TA_CAJAS C");
}

TEST(SS_TSinonimos, ElTextoEscritoNoCambiaLaTablaLeida) {
    // Neither a typed "@admin_" nor a typed "MV_ASIENTOS" lets an ordinary user read the real
    // chart of accounts, and the typed text itself arrives as typed.
    const QString escrito = DB_Dll::SQLValue(QStringLiteral("x @admin_ MV_ASIENTOS  MA_CUENTAS "));
    const QString sql = QStringLiteral("SELECT * FROM MA_CUENTAS WHERE D = ") + escrito;
    for (const auto& contexto : {Usuario, UsuarioConfidencial})
        EXPECT_EQ(ReescribirSinonimos(sql, contexto), QStringLiteral("SELECT * FROM SS_MA_CUENTAS WHERE D = ") + escrito);
    EXPECT_EQ(ReescribirSinonimos(sql, Administrador), sql);
}

TEST(SS_TSinonimos, ElMiembroUsaLosAjustesDelObjeto) {
    DB_Dll db;
    const QString sql = QStringLiteral("SELECT * FROM MV_ASIENTOS , @Admin_MA_CUENTAS WHERE 1=1");
    EXPECT_EQ(db.SS_TSinonimos(sql), "SELECT * FROM MV_ASIENTOS , MA_CUENTAS WHERE 1=1");
    db.gConfidencialidad = true;
    EXPECT_EQ(db.SS_TSinonimos(sql), "SELECT * FROM SS_MV_ASIENTOS , MA_CUENTAS WHERE 1=1");
    db.gEsAdmin = true;
    EXPECT_EQ(db.SS_TSinonimos(sql), "SELECT * FROM MV_ASIENTOS , MA_CUENTAS WHERE 1=1");
}
