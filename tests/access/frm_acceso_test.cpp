// The access dialog on the offscreen platform: hints, the Enter chain, registered entries,
// "Conectar", "Registrar" against the demo database, the desktop launcher, and the dialog as the
// database object asks for connection parameters.
#include "ArchivoBases.h"
#include "BaseDemo.h"
#include "DialogoAcceso.h"
#include "DialogosGuionados.h"
#include "EstadoAplicacion.h"
#include "Sesiones.h"
#include "Utilidades.h"
#include "frmAcceso.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class Acceso : public BaseDemo {
protected:
    void Mostrar(frmAcceso& v) {
        v.show();
        QApplication::setActiveWindow(&v);
        QApplication::processEvents();
    }
    DialogosGuionados cajas;
};

}  // namespace

TEST_F(Acceso, PistasYCadenaDeEnter) {
    frmAcceso v;
    EXPECT_EQ(v.windowTitle(), "Control de Acceso");
    EXPECT_EQ(v.size(), QSize(579, 313));
    EXPECT_EQ(v.CboPlataformaDB->count(), 2);
    EXPECT_EQ(v.CboPlataformaDB->itemText(1), "ORACLE");
    EXPECT_EQ(v.TxtPuerto->text(), "1433");
    Mostrar(v);
    EXPECT_EQ(v.TxtDbName->text(), "ingrese el nombre de la base de datos");
    EXPECT_EQ(v.TxtServidor->text(), "ingrese el nombre del servidor e instancia");
    v.TxtUserId->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(v.TxtUserId->text(), "Ingrese el usuario");
    EXPECT_EQ(v.TxtUserId->selectedText(), "Ingrese el usuario");
    QTest::keyClicks(v.TxtUserId, "ana");
    EXPECT_EQ(v.TxtUserId->text(), "ana");  // typing replaced the hint

    QTest::keyClick(v.TxtUserId, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), v.TxtUserPassword);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), v.TxtDbName);
    QApplication::processEvents();
    EXPECT_EQ(v.TxtDbName->selectedText(), "ingrese el nombre de la base de datos");  // selected whatever brought the focus
    QTest::keyClicks(v.TxtDbName, "DEMO");
    QTest::keyClick(v.TxtDbName, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), v.TxtServidor);
    QTest::keyClick(v.TxtServidor, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), v.bcAceptar);  // the focus, not a click
    EXPECT_FALSE(v.Aceptar);
    EXPECT_TRUE(v.isVisible());

    // Emptying a box brings its hint back, selected.
    v.TxtDbName->clear();
    EXPECT_EQ(v.TxtDbName->text(), "ingrese el nombre de la base de datos");
}

TEST_F(Acceso, ConectarSinTocarGuardaLaPistaComoUsuario) {
    GrabarConexion("OTRA / X", "OTRA", "OTRA", "OTRA", "x");  // the file exists: nothing is registered
    frmAcceso v;
    Mostrar(v);
    v.TxtUserId->setFocus();
    QApplication::processEvents();
    v.bcAceptar_Click();
    EXPECT_TRUE(v.Aceptar);
    EXPECT_FALSE(v.isVisible());
    EXPECT_EQ(Estado().gNombreUsuario, "Ingrese el usuario");
    EXPECT_EQ(Estado().gClaveUsuario, "");
}

TEST_F(Acceso, ElegirUnaConexionRegistrada) {
    GrabarConexion("ALMACEN / SRV01", "Almacen", "Almacen", "Almacen", "srv01:1433");
    GrabarConexion("DEMO / (LOCALDB)", "DEMO", "DEMO", "DEMO", "(localdb)");
    frmAcceso v;
    ASSERT_EQ(v.lstBases->count(), 2);
    EXPECT_EQ(v.lstBases->currentRow(), 0);
    Mostrar(v);
    v.TxtUserId->setText("x");
    v.TxtUserPassword->setText("y");
    QTest::mouseClick(v.lstBases->viewport(), Qt::LeftButton, {}, v.lstBases->visualItemRect(v.lstBases->item(0)).center());
    EXPECT_EQ(v.TxtServidor->text(), "SRV01");
    EXPECT_EQ(v.TxtPuerto->text(), "1433");
    EXPECT_EQ(v.TxtDbName->text(), "Almacen");
    EXPECT_EQ(v.TxtUserId->text(), "");  // emptied; its hint comes back when it gets the focus
    EXPECT_EQ(v.TxtUserPassword->text(), "");

    // A double click accepts at once with the entry's database and server.
    const QPoint segunda = v.lstBases->visualItemRect(v.lstBases->item(1)).center();
    QTest::mouseClick(v.lstBases->viewport(), Qt::LeftButton, {}, segunda);
    QTest::mouseDClick(v.lstBases->viewport(), Qt::LeftButton, {}, segunda);
    EXPECT_TRUE(v.Aceptar);
    EXPECT_EQ(v.TxtDbName->text(), "DEMO");
    EXPECT_EQ(v.TxtServidor->text(), "(localdb)");
}

TEST_F(Acceso, RegistrarPruebaLaConexionYEscribeElArchivo) {
    // The first "Conectar" on a machine without BASES.TXT tests and registers the connection.
    frmAcceso v;
    EXPECT_EQ(v.lstBases->count(), 0);
    v.TxtDbName->setText("demo");
    v.TxtServidor->setText(" (localdb) ");
    v.bcAceptar_Click();
    const auto registros = LeerConexiones(RutaArchivoBases());
    ASSERT_EQ(registros.size(), 1u);
    EXPECT_EQ(registros[0].nombre, "DEMO / (LOCALDB)");
    EXPECT_EQ(registros[0].base, "demo");
    EXPECT_EQ(Utilidades().Decodificar(registros[0].clave), "demo");
    EXPECT_EQ(v.lstBases->count(), 1);
    EXPECT_EQ(sesion.gCnn().State(), 0);  // the test connection is closed again

    // The same database and server again: "ya existe", nothing changes.
    frmAcceso otra;
    otra.TxtDbName->setText("DEMO");
    otra.TxtServidor->setText("(LOCALDB)");
    cajas.espera("Atencion", "La conexion que intenta registrar ya existe ", 64, 1);
    otra.CmdRegistrar_Click();
    EXPECT_EQ(LeerConexiones(RutaArchivoBases()).size(), 1u);
}

TEST_F(Acceso, RegistrarUnaBaseQueNoExiste) {
    frmAcceso v;
    v.TxtDbName->setText("NOEXISTE");
    v.TxtServidor->setText("(localdb)");
    v.TxtUserId->setText("NOEXISTE");
    cajas.esperaConTexto("Desea Intentarlo Nuevamente", 7)
        .espera("AVISO AL OPERADOR", "NO SE PUDO CONECTAR AL SERVIDOR (localdb) VERIFIQUE EL NOMBRE DE USUARIO Y PASSWORD INGRESADO", 64, 1);
    v.CmdRegistrar_Click();
    EXPECT_FALSE(QFile::exists(RutaArchivoBases()));
}

TEST_F(Acceso, ElDialogoQuePideLosParametrosDeConexion) {
    DialogoAcceso dialogo;
    basedatos::InstalarDialogoConexion(&dialogo);
    GrabarConexion("DEMO / (LOCALDB)", "DEMO", "DEMO", "DEMO", "(localdb)");
    // Oracle chosen: "#" is appended once; the connection then fails on this machine (no Oracle).
    auto elegir = [](int plataforma, bool aceptar) {
        QTimer::singleShot(0, [=] {
            auto* v = qobject_cast<frmAcceso*>(QApplication::activeModalWidget());
            ASSERT_NE(v, nullptr);
            v->TxtDbName->setText("XE");
            v->TxtServidor->setText("ORCL#");
            v->CboPlataformaDB->setCurrentIndex(plataforma);
            if (aceptar) v->bcAceptar->click();
            else v->bcCancelar->click();
        });
    };
    elegir(1, false);
    sesion.OpenServerADODB(true, 3, QString(), false, false);
    EXPECT_FALSE(sesion.gOpenFlag);  // cancelled: nothing opened

    elegir(1, true);
    sesion.OpenServerADODB(true, 3, QString(), false, false);
    EXPECT_EQ(sesion.gServidor, "ORCL#");
    EXPECT_EQ(sesion.gProveedor, "OraOLEDB.Oracle.1");
    EXPECT_TRUE(sesion.gConnString.startsWith("Provider=OraOLEDB.Oracle.1;Data Source=XE;"));
    basedatos::InstalarDialogoConexion(nullptr);
}

TEST_F(Acceso, AccesoDirectoEnElEscritorio) {
    const QString escritorio = carpeta.archivo("Escritorio");
    ASSERT_TRUE(frmAcceso::CrearAccesoDirecto(escritorio));
    ASSERT_TRUE(frmAcceso::CrearAccesoDirecto(escritorio));  // replaced, not duplicated
    const QByteArray entrada = carpeta.leer("Escritorio/pruebas_access.desktop");
    EXPECT_TRUE(entrada.startsWith("[Desktop Entry]\nType=Application\n"));
    EXPECT_TRUE(entrada.contains("/pruebas_access\"\n"));
    EXPECT_EQ(QDir(escritorio).entryList(QDir::Files).size(), 1);
}
