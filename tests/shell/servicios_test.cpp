// The shell's services on the demo database: configuration, the script runner, the audit row and
// starting another program.
#include "Auditoria.h"
#include "BaseDemo.h"
#include "Configuracion.h"
#include "DialogosGuionados.h"
#include "EstadoAplicacion.h"
#include "Inicio.h"
#include "Lanzamiento.h"
#include "ScriptActualizacion.h"
#include "Sesiones.h"

#include <QFile>
#include <QThread>

class Servicios : public BaseDemo {
protected:
    Servicios() { Conectar(); }
    DialogosGuionados cajas;
};

TEST_F(Servicios, LaConfiguracionDeLaEmpresa) {
    Ejecutar("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('USACCOSTO', 'si')");
    Ejecutar("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('UsaConsultaLike', 'no')");
    Ejecutar("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('CLetra', '255')");
    Ejecutar("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('V_ModificaCPrecio', ' ')");
    Ejecutar("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('MaxDto', ' 12.5 ')");
    Ejecutar("UPDATE TA_CONFIGURACION SET VALOR = '  ' WHERE CLAVE = 'TOP_DEFAULT'");
    EXPECT_EQ(LeerConfiguracion(" noexiste "), " ");
    EXPECT_EQ(LeerConfiguracion("theme"), "1");
    QString aux = "x";
    EXPECT_EQ(LeerConfiguracion(" periodo ", aux), "2026");
    EXPECT_EQ(aux, "");

    Estado().gNombreUsuario = "OPERADOR";
    CargarConfiguracion(CarpetaPrograma());
    const EstadoAplicacion& e = Estado();
    EXPECT_TRUE(e.gUsaCentroCosto);
    EXPECT_FALSE(e.gUsaConsultaLike);
    EXPECT_FALSE(e.gConfidencialidad);             // "NO"
    EXPECT_FALSE(e.gModuloOrdenDeTrabajo);         // "NO"
    EXPECT_FALSE(e.gModificaPrecioVenta);          // blank
    EXPECT_TRUE(e.gModificaPrecioCompra == false);  // missing
    EXPECT_EQ(e.gColorFondo, 0xFFFF00u);           // missing
    EXPECT_EQ(e.gColorLetra, 255u);                // pure red
    EXPECT_EQ(e.gMaxDto, 125000);
    EXPECT_EQ(e.gPeriodo, 2026);
    EXPECT_EQ(e.gTopDefault, "1000");
    EXPECT_EQ(e.gUNegocio, "   1");                // the user has no business unit
    EXPECT_EQ(e.gCantidadDecimales, "2");
    EXPECT_EQ(e.gCondIvaEmpresa, 1);
    EXPECT_TRUE(e.gArchivoTareas.endsWith("/CXDOCTareas.cvx"));
    EXPECT_EQ(e.gTablaConfiguracion, "ta_configuracion");
}

TEST_F(Servicios, GrabarConfiguracionEnEstadisticas) {
    estadisticas.gServidor = "(localdb)";
    estadisticas.gDBName = estadisticas.gUsuario = estadisticas.gUserPassWord = "CX_ESTADISTICAS";
    estadisticas.OpenServerADODB(false, 3, QString(), true, false);
    ASSERT_TRUE(estadisticas.gOpenFlag);
    GrabarConfiguracion(" timeout ", " 45 ", "aux", false, "BaseDeDatos");
    QString aux;
    EXPECT_EQ(LeerConfiguracionEstadisticas("TIMEOUT", aux), "45");
    EXPECT_EQ(aux, "aux");
    GrabarConfiguracion("TimeOut", 60, "", true, "BaseDeDatos");
    EXPECT_EQ(LeerConfiguracionEstadisticas("TimeOut", aux), "60");
    EXPECT_EQ(aux, "aux");  // an empty ValorAux leaves the column as it was
    ado::Recordset rs;
    estadisticas.AbrirRecordset("SELECT CLAVE, PoliticaNegocio FROM TA_CONFIGURACION WHERE CLAVE = 'timeout'", rs);
    EXPECT_EQ(rs.Fields(0).Value().toString(), "TIMEOUT");
    EXPECT_TRUE(rs.Fields(1).Value().toBool());
}

TEST_F(Servicios, ElScriptDeActualizacion) {
    ResultadoScript vacio;
    EjecutarScript({"", "  "}, vacio, false, false, true);
    EXPECT_FALSE(vacio.Fallo);
    EXPECT_TRUE(vacio.Script.isEmpty());

    ResultadoScript bien;
    EjecutarScript({"INSERT INTO TA_QUENDAL (codigo, descripcion) VALUES ('  90', 'UNO')", "",
                    "UPDATE TA_QUENDAL SET descripcion = 'DOS' WHERE codigo = '  90'"},
                   bien, false, false, true);
    EXPECT_FALSE(bien.Fallo);
    EXPECT_EQ(bien.Script, "BEGIN TRANSACTION \r\r\rINSERT INTO TA_QUENDAL (codigo, descripcion) VALUES ('  90', 'UNO')\r"
                           "UPDATE TA_QUENDAL SET descripcion = 'DOS' WHERE codigo = '  90'\r");
    EXPECT_EQ(Valor("SELECT descripcion FROM TA_QUENDAL WHERE codigo = '  90'").toString(), "DOS");

    // A duplicate key: rolled back, logged, and the message lists the first error only.
    cajas.esperaConTexto("2627 : ", 1);
    ResultadoScript mal;
    EjecutarScript({"INSERT INTO TA_QUENDAL (codigo, descripcion) VALUES ('  91', 'TRES')",
                    "INSERT INTO TA_QUENDAL (codigo, descripcion) VALUES ('  90', 'OTRA')"},
                   mal, false, false, true);
    EXPECT_TRUE(mal.Fallo);
    EXPECT_EQ(mal.ErrorNativo, 2627);
    EXPECT_TRUE(mal.ErrorTexto.startsWith("2627 : "));
    EXPECT_EQ(mal.ErrorTexto.count("\r\n"), 1);
    EXPECT_TRUE(Valor("SELECT codigo FROM TA_QUENDAL WHERE codigo = '  91'").isNull());  // rolled back
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM AUX_ERR WHERE Error = 2627").toInt(), 1);

    // Silenced: nothing shown, the description returned, the AUX_ERR row without one.
    ResultadoScript callado;
    EjecutarScript({"INSERT INTO TA_QUENDAL (codigo, descripcion) VALUES ('  90', 'OTRA')"}, callado, true, false, true);
    EXPECT_TRUE(callado.Fallo);
    EXPECT_FALSE(callado.ErrorTexto.startsWith("2627"));
    EXPECT_FALSE(callado.ErrorTexto.isEmpty());
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM AUX_ERR WHERE Error = 2627 AND (Descripcion IS NULL OR Descripcion = '')").toInt(), 1);
}

TEST_F(Servicios, LaFilaDeAuditoria) {
    Estado().gNombreUsuario = "OPERADOR";
    Estado().gParametroAdicional = "P1";
    QString complemento;
    RegistrarAccion("1", "A-0001", complemento, true, true, false, QString(300, 'o'), QString(20, 'c'), true);
    EXPECT_EQ(complemento, "0");
    EXPECT_EQ(Valor("SELECT TC FROM V_MV_CPTEACCIONES").toString(), "   1");
    EXPECT_EQ(Valor("SELECT Tipo_accion FROM V_MV_CPTEACCIONES").toString(), "ER");
    EXPECT_EQ(Valor("SELECT LEN(SYSTEMUSER) FROM V_MV_CPTEACCIONES").toInt(), 255);
    EXPECT_EQ(Valor("SELECT Cuenta FROM V_MV_CPTEACCIONES").toString(), QString(15, 'c'));
    EXPECT_EQ(Valor("SELECT Proceso FROM V_MV_CPTEACCIONES").toString(), "pruebas_inicio P1");
    EXPECT_EQ(Valor("SELECT IdComplemento FROM V_MV_CPTEACCIONES").toInt(), 0);
}

TEST_F(Servicios, EjecutarOtroProgramaConElTextoDeLaSesion) {
    Estado().gNombreUsuario = "ANA";
    Estado().gClaveUsuario = "clave";
    Estado().gCaja = "2";
    // A tiny program that writes its first argument to a file.
    const QString programa = carpeta.archivo("eco");
    const QString salida = carpeta.archivo("salida.txt");
    carpeta.escribir("eco", ("#!/bin/sh\nprintf '%s' \"$1\" > '" + salida + "'\n").toUtf8());
    QFile::setPermissions(programa, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QString parametro = "primera segunda";
    qint64 pid = 0;
    EjecutarPrograma("SHELL:eco", parametro, pid);
    EXPECT_GT(pid, 0);
    EXPECT_EQ(parametro, "segunda");
    for (int i = 0; i < 100 && !QFile::exists(salida); ++i) QThread::msleep(20);
    QThread::msleep(50);
    EXPECT_EQ(carpeta.leer("salida.txt"),
              " ; @server=(localdb); @dbname=DEMO; @usuario=ANA; @Password=clave; @ParametroAdicional=segunda; zento@ ; @UsuarioLogeado = ANA; @Caja=2;");

    cajas.esperaConTexto("Ha ocurrido el Siguiente Error", 5)
        .espera("Atención", "Opcion no Implementada!\rComuniquese con su proveedor de sistemas", 16, 1);
    QString otro = "x";
    EjecutarPrograma("SHELL:no_existe", otro, pid);
    EXPECT_EQ(pid, 0);
}
