// Opening the connection: the strings built, the parameter dialog, the administrator check,
// the connection error box, an already open connection and reopening.
#include "DialogosGuionados.h"
#include "SesionDePrueba.h"

#include "Carpetas.h"
#include "ElectorArchivo.h"
#include "proveedor.h"

using basedatos::ParametrosConexion;

TEST(CadenaConexion, ArmadaSegunServidor) {
    const struct {
        const char* caso;
        QString servidor, extendido, cadenaDada, esperada;
    } casos[] = {
        {"oracle sin extras", "ORA#", "Timeout=5;", "", "Provider=OraOLEDB.Oracle.1;Data Source=VENTAS;User Id=VENTAS;Password=VENTAS;"},
        {"sql server con instancia", "SRV\\INST", "App=Ta;", "",
         "PROVIDER=SQLOLEDB;Server=SRV\\INST;Database =VENTAS;UId=VENTAS;Pwd=VENTAS;App=Ta;"},
        {"cadena dada sin cambios", "SRV", "", "DSN=VENTAS;UID=x;", "DSN=VENTAS;UID=x;"},
        {"cadena en blanco se arma", "SRV", "", "   ", "PROVIDER=SQLOLEDB;Server=SRV;Database =VENTAS;UId=VENTAS;Pwd=VENTAS;"},
    };
    CarpetaDePrueba carpeta;
    for (const auto& c : casos) {
        DB_Dll db;
        db.gServidor = c.servidor;
        db.gExtended = c.extendido;
        db.gDBName = db.gUsuario = db.gUserPassWord = QStringLiteral("VENTAS");
        db.gProveedor = DB_Dll::pJETOLEDB40();  // never written into a server string
        db.OpenServerADODB(false, ado::adUseClient, c.cadenaDada, true, false);
        EXPECT_EQ(db.gConnString, c.esperada) << c.caso;
        EXPECT_FALSE(db.gOpenFlag) << c.caso;  // no such server here: a silent failure
    }
    DB_Dll vacio;
    vacio.OpenServerADODB(false, ado::adUseClient, QString(), true, false);
    EXPECT_EQ(vacio.gProveedor, "SQLOLEDB");
}

TEST(DialogoConexion, CanceladoNoAbreNada) {
    CarpetaDePrueba carpeta;
    DB_Dll sinDialogo;  // none installed: a cancelled dialog
    sinDialogo.OpenServerADODB(true);
    EXPECT_FALSE(sinDialogo.gOpenFlag);

    DialogoConexionGuionado dialogo;
    dialogo.respuestas = {std::nullopt};
    DB_Dll db;
    db.gDBName = QStringLiteral("EMPRESA");
    db.gServidor = QStringLiteral("(localdb)");
    db.gNombreUsuarioSesion = QStringLiteral("MARTA");
    db.gUsuarioClave = QStringLiteral("secreto");
    db.OpenServerADODB(true);
    EXPECT_FALSE(db.gOpenFlag);
    EXPECT_EQ(db.gCnn().State(), ado::adStateClosed);
    ASSERT_EQ(dialogo.mostrados.size(), 1u);
    const ParametrosConexion& cajas = dialogo.mostrados[0];
    EXPECT_EQ(cajas.baseDatos, "EMPRESA");
    EXPECT_EQ(cajas.servidor, "(localdb)");
    EXPECT_EQ(cajas.usuario, "MARTA");
    EXPECT_EQ(cajas.clave, "secreto");
    EXPECT_EQ(cajas.plataforma, 0);
}

TEST(DialogoConexion, OracleAgregaUnaSolaAlmohadilla) {
    CarpetaDePrueba carpeta;
    for (const QString& servidor : {QStringLiteral("SRV"), QStringLiteral("SRV#")}) {
        DialogoConexionGuionado dialogo;
        dialogo.respuestas = {ParametrosConexion{"VENTAS", servidor, "x", "y", 1}};
        DB_Dll db;
        db.OpenServerADODB(true, ado::adUseClient, QString(), true, false);
        EXPECT_EQ(db.gServidor, "SRV#");
        EXPECT_EQ(db.gProveedor, "OraOLEDB.Oracle.1");
        EXPECT_EQ(db.gUsuario, "VENTAS");
        EXPECT_EQ(db.gUserPassWord, "VENTAS");
        EXPECT_EQ(db.gConnString, "Provider=OraOLEDB.Oracle.1;Data Source=VENTAS;User Id=VENTAS;Password=VENTAS;");
    }
}

TEST_F(SesionDePrueba, Administrador) {
    Ejecutar("INSERT INTO TA_USUARIOS VALUES ('ADMIN', '1')\r\nINSERT INTO TA_USUARIOS VALUES ('O''Higgins', ' 1 ')\r\n"
             "INSERT INTO TA_USUARIOS VALUES ('CERO', '0')\r\nINSERT INTO TA_USUARIOS VALUES ('VACIO', '')\r\n"
             "INSERT INTO TA_USUARIOS VALUES ('DOS', '2')\r\nINSERT INTO TA_USUARIOS VALUES ('NULO', NULL)");
    const struct {
        QString usuario;
        bool validaAdmin, muestraError, antes, esperado;
    } casos[] = {
        {"ADMIN", true, true, false, true},     {"O'Higgins", true, true, false, true}, {"CERO", true, true, true, false},
        {"VACIO", true, true, true, false},     {"DOS", true, true, true, false},       {"NULO", true, true, true, false},
        {"x' OR '1'='1", true, true, true, false}, {"CERO", false, true, false, true},  {"CERO", true, false, false, true},
    };
    for (const auto& c : casos) {
        db.gNombreUsuarioSesion = c.usuario;
        db.gEsAdmin = c.antes;
        db.OpenServerADODB(false, ado::adUseClient, QString(), c.validaAdmin, c.muestraError);  // already open: reopened
        EXPECT_TRUE(db.gOpenFlag) << c.usuario.toStdString();
        EXPECT_EQ(db.gCnn().State(), ado::adStateOpen);
        EXPECT_EQ(db.gEsAdmin, c.esperado) << c.usuario.toStdString();
    }
}

TEST_F(SesionDePrueba, SinTablaDeUsuariosNoCambiaAdministrador) {
    ado::CrearBaseDatos(ado::RutaBaseLocal("OTRA"));
    DB_Dll otra;
    otra.gServidor = QStringLiteral("(localdb)");
    otra.gDBName = otra.gUsuario = otra.gUserPassWord = QStringLiteral("OTRA");
    DB_Dll::InstalarPrincipal(&otra);
    for (const bool antes : {false, true}) {
        otra.gEsAdmin = antes;
        otra.OpenServerADODB();
        EXPECT_TRUE(otra.gOpenFlag);
        EXPECT_EQ(otra.gEsAdmin, antes);
    }
}

TEST_F(SesionDePrueba, CajaDeErrorDeConexion) {
    Ejecutar("INSERT INTO TA_USUARIOS VALUES ('ADMIN', '1')");
    const QString texto =
        " Estado de Sql: 42000\rNumero de Error: -2147467259\rDescripcion: No se puede abrir la base de datos \"NOEXISTE\" solicitada por "
        "el inicio de sesión. Error de inicio de sesión.\rCodigo Nativo: 4060\r\r\nNombre de Proceso: " +
        plataforma::NombreEjecutable() +
        "\r\r\n\r\n1. Verifique el Usuario, contraseña y base de datos\r\n2. Verifique el nombre del servidor, quizas necesite agregarle "
        "el nombre de la instancia, por ejemplo : (localdb)\\ZENTOPOL\r\n3. Verifique si el inicio de sesion para el usuario EMPRESA "
        "existe\r\n\r\n\r\n - Desea Intentarlo Nuevamente??? ";
    for (const int respuesta : {plataforma::respuesta::vbYes, plataforma::respuesta::vbNo}) {
        DialogosGuionados guion;
        guion.espera(" Error de Conexion a Base de Datos", texto, 20, respuesta);
        DialogoConexionGuionado dialogo;
        if (respuesta == plataforma::respuesta::vbYes) dialogo.respuestas = {ParametrosConexion{"EMPRESA", "(localdb)", "", "", 0}};
        DB_Dll otra;
        otra.gServidor = QStringLiteral("(localdb)");
        otra.gDBName = otra.gUsuario = otra.gUserPassWord = QStringLiteral("NOEXISTE");
        otra.gNombreUsuarioSesion = QStringLiteral("ADMIN");
        otra.OpenServerADODB();
        EXPECT_EQ(otra.gOpenFlag, respuesta == plataforma::respuesta::vbYes);
        EXPECT_EQ(otra.gCnn().State() == ado::adStateOpen, respuesta == plataforma::respuesta::vbYes);
        EXPECT_EQ(otra.gEsAdmin, respuesta == plataforma::respuesta::vbYes);
    }
}

TEST_F(SesionDePrueba, ReintentaConectar) {
    db.gCnn().Close();
    db.ReintentaConectar();  // nothing to close: still reopened
    EXPECT_TRUE(db.gOpenFlag);
    EXPECT_EQ(db.gCnn().CommandTimeout(), 90);
    DialogosGuionados guion;  // the server's absence is not reported here
    db.gCnn().SimularServidorCaido(true);
    db.ReintentaConectar();
    EXPECT_FALSE(db.gOpenFlag);
    db.gCnn().SimularServidorCaido(false);
    db.ReintentaConectar();
    EXPECT_TRUE(db.gOpenFlag);
}

namespace {

// Answers each file request with the next scripted path (nullopt = cancelled).
struct ElectorGuionado : basedatos::ElectorArchivo {
    ElectorGuionado() { basedatos::InstalarElectorArchivo(this); }
    ~ElectorGuionado() override { basedatos::InstalarElectorArchivo(nullptr); }
    std::optional<QString> ElegirArchivo(const QString& titulo, const QString& filtro) override {
        EXPECT_EQ(titulo, "Buscar Base de Datos");
        EXPECT_EQ(filtro, "Base de Datos de Microsoft Access |*.MDB");
        if (respuestas.empty()) return std::nullopt;
        const auto r = respuestas.front();
        respuestas.pop_front();
        return r;
    }
    std::deque<std::optional<QString>> respuestas;
};

}  // namespace

TEST_F(SesionDePrueba, BaseDeArchivo) {
    const QString ruta = ado::RutaBaseLocal("EMPRESA");
    const struct {
        const char* caso;
        std::deque<std::optional<QString>> elegidos;
        bool abierta;
    } casos[] = {
        {"sin archivo elegido", {}, false},
        {"elegido", {ruta}, true},
        {"inexistente: se elige otra vez", {carpeta.archivo("no.mdb"), ruta}, true},
        {"inexistente y cancelado", {carpeta.archivo("no.mdb"), std::nullopt}, false},
    };
    for (const auto& c : casos) {
        ElectorGuionado elector;
        elector.respuestas = c.elegidos;
        DB_Dll local;
        local.gProveedor = DB_Dll::pJETOLEDB40();
        local.OpenLocalADODB();
        EXPECT_EQ(local.gCnn().State() == ado::adStateOpen, c.abierta) << c.caso;
        EXPECT_TRUE(elector.respuestas.empty()) << c.caso;
        if (c.abierta) {
            EXPECT_EQ(local.gConnString, "PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source =" + ruta + ";User Id=;Password=;") << c.caso;
            EXPECT_TRUE(local.ExisteTablaDB("TA_QUENDAL")) << c.caso;
        }
    }
}
