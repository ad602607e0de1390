// The whole start-up on the demo database: users, log-in attempts, the access log and its exit
// stamp, and names that try to change the statements.
#include "BaseDemo.h"
#include "DialogosGuionados.h"
#include "EstadoAplicacion.h"
#include "FinProceso.h"
#include "Auditoria.h"
#include "Configuracion.h"
#include "Inicio.h"
#include "Permisos.h"
#include "UsuarioAcceso.h"
#include "SesionDePrueba.h"
#include "Utilidades.h"

namespace {

const QString kTitulo = QStringLiteral("Atencion!");
const QString kIncorrecto = QStringLiteral("El usuario o clave en la base de datos es incorrecto!\r\nIntentelo nuevamente");
const QString kDemasiados = QStringLiteral("Demasiados intentos para iniciar sesión!\r\nComuniquese con el administrador de sistemas");

// Records what the start-up shows in its notice.
struct AvisoGrabado : AvisoInicio {
    QStringList vistos;
    bool abierto = false;
    void CartelInicio(const QString& t, bool) override { vistos << t; abierto = true; }
    void CartelMostrar(bool& c, const std::optional<QVariant>& a, const std::optional<QVariant>& b, const std::optional<QVariant>& d) override {
        c = false;
        vistos << a.value_or(QVariant()).toString() << b.value_or(QVariant()).toString() << d.value_or(QVariant()).toString();
    }
    void CartelCerrar() override { abierto = false; }
};

struct ConsultasGrabadas : EnlaceConsultas {
    QString cadena, ruta;
    int creadas = 0;
    void Enlazar(const QString& c, bool, const QString& r) override { cadena = c; ruta = r; }
    void CrearMascarasConsultas(const QString&) override { ++creadas; }
};

class Inicio : public BaseDemo {
protected:
    Inicio() { InstalarServiciosInicio({&aviso, &consultas, nullptr}); }
    ~Inicio() override { InstalarServiciosInicio({}); }

    void Iniciar(const QString& comando) {
        QString cadena;
        InicioAplicacion(false, comando, cadena, 3);
    }
    static QString Comando(const QString& usuario, const QString& clave) {
        return QStringLiteral("@Server=(localdb); @DbName=DEMO; @Usuario=") + usuario + QStringLiteral("; @Password=") + clave +
               QStringLiteral("; @ParametroAdicional=; @Caja=1;zento@");
    }
    int Accesos() { return Valor("SELECT COUNT(*) FROM Control_Acceso").toInt(); }

    AvisoGrabado aviso;
    ConsultasGrabadas consultas;
    DialogosGuionados cajas;
};

}  // namespace

TEST_F(Inicio, ElNombreDeLaBaseEntraSinClaveYDejaUnaFilaDeAcceso) {
    Iniciar(Comando("DEMO", "DEMO"));
    EXPECT_TRUE(sesion.gOpenFlag);
    EXPECT_EQ(Estado().gNombreUsuario, "DEMO");
    EXPECT_EQ(aviso.vistos, (QStringList{"Conectando Base de Datos", "Iniciando Aplicacion", "pruebas_inicio", "Espere por favor"}));
    EXPECT_FALSE(aviso.abierto);
    EXPECT_TRUE(consultas.ruta.endsWith("/consultas.cvx"));
    EXPECT_EQ(consultas.creadas, 1);
    EXPECT_EQ(Estado().gTopDefault, "1000");
    ASSERT_EQ(Accesos(), 1);
    EXPECT_GT(Estado().gIdControlAcceso, 0);
    EXPECT_EQ(Valor("SELECT Formulario FROM Control_Acceso").toString(), "PRUEBAS_INICIO");
    EXPECT_EQ(Valor("SELECT Tarea FROM Control_Acceso").toString(), "PRUEBAS_INICIO");  // login = database
    EXPECT_TRUE(Valor("SELECT EGRESO FROM Control_Acceso").isNull());
    FinalizarAplicacion();
    EXPECT_EQ(Accesos(), 1);
    EXPECT_EQ(Valor("SELECT EGRESO FROM Control_Acceso").toString().size(), QString("dd/mm/yy hh:mm").size());
}

TEST_F(Inicio, UnUsuarioConClaveCodificadaYSuTarea) {
    Iniciar(Comando("admin", "ADMIN"));  // the password compares without case
    EXPECT_EQ(Estado().gNombreUsuario, "admin");
    EXPECT_TRUE(sesion.gEsAdmin);
    EXPECT_EQ(Accesos(), 1);
    EXPECT_EQ(Valor("SELECT Usuario FROM Control_Acceso").toString(), "ADMIN");
}

TEST_F(Inicio, TresIntentosFallidosTerminanElPrograma) {
    DialogoConexionGuionado dialogo;
    basedatos::ParametrosConexion mala{"DEMO", "(localdb)", "OPERADOR", "mala", 0};
    dialogo.respuestas = {mala, mala, mala};
    cajas.espera(kTitulo, kIncorrecto, 16, 1);
    for (int i = 0; i < 3; ++i) cajas.espera("Atencion", "Usuario o Clave incorrecta", 64, 1);
    cajas.espera(kTitulo, kDemasiados, 16, 1);
    EXPECT_THROW(Iniciar(Comando("OPERADOR", "otra")), plataforma::ProcesoTerminado);
    ASSERT_EQ(dialogo.mostrados.size(), 3u);
    EXPECT_EQ(dialogo.mostrados[0].baseDatos, "DEMO");
    EXPECT_EQ(dialogo.mostrados[0].usuario, "OPERADOR");
    EXPECT_EQ(Accesos(), 0);  // ended at once: no access row, no exit stamp
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM V_MV_CPTEACCIONES WHERE SYSTEMUSER = 'Intento de inicio de sesion fallido' AND Tipo_accion = 'A'").toInt(), 3);
    // The typed password is written nowhere.
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM V_MV_CPTEACCIONES WHERE SYSTEMUSER LIKE '%mala%' OR Proceso LIKE '%mala%' OR Usuario LIKE '%mala%'").toInt(), 0);
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM AUX_ERR WHERE sql LIKE '%mala%' OR Descripcion LIKE '%mala%'").toInt(), 0);
}

TEST_F(Inicio, ElDialogoCanceladoTerminaYElAceptadoSigue) {
    {
        DialogoConexionGuionado dialogo;
        dialogo.respuestas = {std::nullopt};
        cajas.espera(kTitulo, kIncorrecto, 16, 1);
        EXPECT_THROW(Iniciar(Comando("NADIE", "x")), plataforma::ProcesoTerminado);
    }
    Estado() = EstadoAplicacion{};
    sesion.gCnn().Close();
    sesion.gOpenFlag = false;
    DialogoConexionGuionado dialogo;
    dialogo.respuestas = {basedatos::ParametrosConexion{"DEMO", "(localdb)", "OPERADOR", "operador", 0}};
    cajas.espera(kTitulo, kIncorrecto, 16, 1);
    Iniciar(Comando("NADIE", "x"));
    EXPECT_EQ(Estado().gNombreUsuario, "OPERADOR");
    EXPECT_EQ(Accesos(), 1);
}

TEST_F(Inicio, LosNombresQueIntentanCambiarLaSentenciaSeRechazan) {
    Conectar();
    const int vehiculos = Valor("SELECT COUNT(*) FROM TA_QUENDAL").toInt();
    const QString ataques[] = {
        "x' OR '1'='1",
        "x' UNION SELECT NOMBRE, SISTEMA, Password, 1, NULL, 0, NULL FROM TA_USUARIOS --",
        "x'); DELETE FROM TA_QUENDAL; --",
    };
    // Every statement a user name reaches before anyone is authenticated.
    cajas.esperaConTexto("8152 : ", 1);
    for (const QString& nombre : ataques) {
        SCOPED_TRACE(nombre.toStdString());
        EXPECT_FALSE(ValidarUsuario(nombre, "x"));
        Estado().gNombreUsuario = nombre;
        CargarConfiguracion(CarpetaPrograma());
        CargarPermisos(QString());
        QString complemento = "0";
        RegistrarAccion("", "", complemento, true, false, false, nombre, "", false);
    }
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM TA_QUENDAL").toInt(), vehiculos);
    // The long one does not fit the user columns: its access row fails as on the server, and says so.
    EXPECT_EQ(Accesos(), 2);
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM V_MV_CPTEACCIONES WHERE SYSTEMUSER = 'x'' OR ''1''=''1' OR SYSTEMUSER = 'x''); DELETE FROM TA_QUENDAL; --'").toInt(), 2);
    EXPECT_EQ(Valor("SELECT Usuario FROM Control_Acceso WHERE Id = 1").toString(), "X OR 1=1");

    // An apostrophe in a real name works, in the user check, the task query and the access row.
    sesion.gCnn().Close();
    sesion.gOpenFlag = false;
    Estado() = EstadoAplicacion{};
    const QString clave = Utilidades().Codificar("secreta");
    Ejecutar("INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA, Password) VALUES ('D''Angelo', 'velmora', '" + clave + "')");
    Iniciar(Comando("D'Angelo", "secreta"));
    EXPECT_EQ(Estado().gNombreUsuario, "D'Angelo");
    EXPECT_EQ(Valor("SELECT NombreUsuario FROM Control_Acceso ORDER BY Id DESC").toString(), "DAngelo");  // the access row drops quotes
}

TEST_F(Inicio, LaClaveSeTomaDeLaTablaCuandoEsIgualALaBase) {
    Iniciar(Comando("OPERADOR", "demo"));  // password = database name: the marker "* *"
    EXPECT_EQ(Estado().gClaveUsuario, "operador");
    EXPECT_EQ(Accesos(), 1);
}
