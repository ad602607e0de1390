// The command text, the default command from the INI file, and the start-up's computed pieces.
#include "ArchivoIni.h"
#include "CarpetaDePrueba.h"
#include "ParametrosInicio.h"
#include "PasosInicio.h"
#include "Sistema.h"
#include "Utilidades.h"

#include <gtest/gtest.h>

namespace {

struct Leido {
    QString servidor, base, usuario, clave, nombreUsuario, claveUsuario, caja, adicional, menu;
};

Leido leer(const QString& comando) {
    EstadoAplicacion estado;
    ValoresComando v;
    LeerParametros(comando, estado, v);
    return {v.servidor, v.base, v.usuario, v.clave, estado.gNombreUsuario, estado.gClaveUsuario, estado.gCaja, estado.gParametroAdicional, estado.gMenu};
}

}  // namespace

TEST(Parametros, TablaDeCasos) {
    struct Caso {
        const char* comando;
        Leido esperado;
    };
    const Caso casos[] = {
        // The suite's own form.
        {"@Server=SRV01; @DbName=VENTAS; @Usuario=JUAN; @Password=secreta; @ParametroAdicional=; @Caja=1;zento@",
         {"SRV01", "VENTAS", "JUAN", "secreta", "JUAN", "secreta", "1", "", ""}},
        // Names in any case, blanks around "=", a cash desk and a menu.
        {"@SERVER = tcp/srv:1433 ; @dbname = Ventas ; @USUARIO= ana ; @Caja=3; @Menu=M01;",
         {"tcp/srv:1433", "Ventas", "ana", "", "ana", "", "3", "", "M01"}},
        // "@Usuario" is found inside "@UsuarioLogeado" when that comes first.
        {"@UsuarioLogeado=ANA; @Usuario=JUAN; @Password=x;", {"", "", "LogeadoANA", "x", "ANA", "x", "1", "", ""}},
        // Every "=" inside a value is lost.
        {"@Password=a=b=c; @DbName=X;", {"", "X", "", "abc", "", "abc", "1", "", ""}},
        // A password equal to the database name, in any case, means "take it from the user table".
        {"@DbName=Ventas; @Usuario=JUAN; @Password=VENTAS;", {"", "Ventas", "JUAN", "VENTAS", "JUAN", "* *", "1", "", ""}},
        // A name with no ";" after it: its value stays empty (the failing statement is skipped)...
        {"@Usuario=JUAN; @Server=SRV", {"", "", "JUAN", "", "JUAN", "* *", "1", "", ""}},
        // ...except the additional parameter, which takes the 19 characters after its name.
        {"@Caja=2; @ParametroAdicional=abc", {"", "", "", "", "", "* *", "2", "abc", ""}},
        {"@ParametroAdicional=0123456789ABCDEFGHIJKL", {"", "", "", "", "", "* *", "1", "0123456789ABCDEFGH", ""}},
        // "@UsuarioLogeado" blank falls back to the trimmed user.
        {"@Usuario=  PEDRO ; @UsuarioLogeado= ;", {"", "", "PEDRO", "", "PEDRO", "* *", "1", "", ""}},
        // Nothing at all: the empty password equals the empty database name.
        {"", {"", "", "", "", "", "* *", "1", "", ""}},
        // An apostrophe in a name arrives as typed.
        {"@Usuario=D'Angelo; @Password=o'k;", {"", "", "D'Angelo", "o'k", "D'Angelo", "o'k", "1", "", ""}},
    };
    for (const Caso& c : casos) {
        const Leido r = leer(QString::fromUtf8(c.comando));
        const Leido& e = c.esperado;
        SCOPED_TRACE(c.comando);
        EXPECT_EQ(r.servidor, e.servidor);
        EXPECT_EQ(r.base, e.base);
        EXPECT_EQ(r.usuario, e.usuario);
        EXPECT_EQ(r.clave, e.clave);
        EXPECT_EQ(r.nombreUsuario, e.nombreUsuario);
        EXPECT_EQ(r.claveUsuario, e.claveUsuario);
        EXPECT_EQ(r.caja, e.caja);
        EXPECT_EQ(r.adicional, e.adicional);
        EXPECT_EQ(r.menu, e.menu);
    }
}

TEST(Parametros, ElErrorDeArgumentoPasaPorElManejadorDelInicio) {
    EstadoAplicacion estado;
    estado.gMenu = "anterior";
    ValoresComando v;
    QList<int> errores;
    LeerParametros("@Menu= x ", estado, v, [&](const plataforma::ErrorEjecucion& e) {
        errores.append(e.Number);
        return plataforma::Respuesta::Seguir;
    });
    EXPECT_EQ(errores, QList<int>{5});
    EXPECT_EQ(estado.gMenu, "anterior");  // kept, then stripped of "=" and trimmed
}

TEST(Parametros, ComandoPorDefectoDesdeElIni) {
    CarpetaDePrueba carpeta;
    const Utilidades u;
    const ArchivoIni ini;
    // No section: empty server and database, the built-in user and password.
    const QString sinSeccion = ComandoPorDefecto(ini, u, "pc01", "juan");
    EXPECT_EQ(sinSeccion, "@server=; @dbname= ; @usuario= Corvex; @Password= pandero; @ParametroAdicional=; @Caja=1;zento@");
    const Leido r = leer(sinSeccion);
    EXPECT_EQ(r.nombreUsuario, "Corvex");
    EXPECT_EQ(r.claveUsuario, "pandero");
    EXPECT_EQ(r.servidor, "");

    carpeta.escribir("velmora.ini", ("[PC01|JUANBaseDeDatos]\r\nServidor=S|RV\r\nDbName=VENTAS\r\nUsuario=" + u.Codificar("ana").toLatin1() +
                                     "\r\nUserPassWord=" + u.Codificar("cl|ave").toLatin1() + "\r\n"));
    EXPECT_EQ(ComandoPorDefecto(ini, u, "pc01", "juan"),
              "@server=SRV; @dbname= VENTAS; @usuario= ana; @Password= clave; @ParametroAdicional=; @Caja=1;zento@");
    // Only used when asked for and the command text is blank.
    EXPECT_EQ(ObtenerComando("", "  ", false, ini, u, Sistema()), "  ");
    EXPECT_EQ(ObtenerComando("@Menu=1;", "@Menu=2;", true, ini, u, Sistema()), "@Menu=1;");
    EXPECT_TRUE(ObtenerComando("", " ", true, ini, u, Sistema()).startsWith("@server="));
}

TEST(PasosInicio, ServidorSeccionYMarcaOracle) {
    const std::pair<QString, QString> servidores[] = {{"SRV:1433", "SRV"}, {"tcp/SRV:1433", "SRV"}, {"SRV", "SRV"},
                                                      {"SRV\\INST", "SRV\\INST"}, {"", ""}, {"a/b/c:1", "b/c"}};
    for (const auto& [texto, esperado] : servidores) EXPECT_EQ(NormalizarServidor(texto), esperado) << texto.toStdString();

    EXPECT_EQ(SeccionIni("pc01", "juan"), "PC01|JUAN");
    EXPECT_EQ(SeccionIni(QString(40, 'a'), QString(20, 'b')).size(), 50);

    ValoresComando v{"#ORCL", "XE", "XE", "XE"};
    QString cadena;
    AplicarMarcaOracle(v, cadena);
    EXPECT_EQ(v.servidor, "ORCL");
    EXPECT_EQ(cadena, "Provider=OraOLEDB.Oracle.1;Data Source=XE;User Id=XE;Password=XE;");
    ValoresComando sqlServer{"SRV", "XE", "", ""};
    QString otra = "dada";
    AplicarMarcaOracle(sqlServer, otra);
    EXPECT_EQ(otra, "dada");
    EXPECT_EQ(sqlServer.servidor, "SRV");
}

TEST(PasosInicio, ColoresYBarras) {
    CarpetaDePrueba carpeta;
    EstadoAplicacion estado;
    ColoresIniciales(estado);
    EXPECT_EQ(estado.gColorFondo, 0xFFFFFFu);
    EXPECT_EQ(estado.gColorLetra, 0u);
    EXPECT_EQ(LeerFlatToolbars(ArchivoIni(), "PC|U"), 1.0);
    carpeta.escribir("Velmora.INI", "[PC|U]\r\nFlatToolbars=0\r\n");
    EXPECT_EQ(LeerFlatToolbars(ArchivoIni(), "pc|u"), 0.0);
    EXPECT_EQ(ComandoDelProceso({"Ta_Quendal", "@Server=x;", "@DbName=y;"}), "@Server=x; @DbName=y;");
}
