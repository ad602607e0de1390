// The action toolbar: keys and clicks into action words, the BorrarEnabled adjustment, properties,
// their storage, the queued refresh, rebuilding, docking and focus.
#include "BolsaPropiedades.h"
#include "CarpetaDePrueba.h"
#include "ErrorEjecucion.h"
#include "FinProceso.h"
#include "UtilCx.h"

#include <QApplication>
#include <QBoxLayout>
#include <QFrame>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace botones_utilcx;
namespace tecla = plataforma::tecla;

namespace {

// A control in its own application folder (no INI: the default style), shown along the top.
struct Barra {
    CarpetaDePrueba carpeta;
    UtilCx utilcx;
    Barra() {
        utilcx.resize(450, 57);
        utilcx.show();
    }
    // The words raised by `accion`.
    template <typename F>
    QStringList Palabras(F accion) {
        QSignalSpy espia(&utilcx, &UtilCx::click);
        accion();
        QStringList palabras;
        for (const QList<QVariant>& argumentos : espia) palabras << argumentos.at(0).toString();
        return palabras;
    }
};

}  // namespace

TEST(UtilCx, BotonesEnOrdenConSusTitulos) {
    Barra b;
    const QStringList titulos{"Nuevo", "Borrar", " Reporte", " Consultar", "  Planilla", "Cancelar", "Grabar", "   Cerrar"};
    const QStringList nombres{"Boton1", "Boton2", "Boton3", "Boton6", "Boton7", "Boton8", "Boton4", "Boton5"};
    QBoxLayout* disposicion = qobject_cast<QBoxLayout*>(b.utilcx.Barra()->layout());
    ASSERT_NE(disposicion, nullptr);
    EXPECT_EQ(b.utilcx.Barra()->objectName(), "Standard");
    for (int i = 0; i < Cantidad; ++i) {
        auto* boton = qobject_cast<QToolButton*>(disposicion->itemAt(i)->widget());
        ASSERT_NE(boton, nullptr);
        EXPECT_EQ(boton->text(), titulos[i]);
        EXPECT_EQ(boton->objectName(), nombres[i]);
        EXPECT_EQ(boton, b.utilcx.BotonDe(static_cast<Boton>(i)));
        EXPECT_FALSE(boton->icon().isNull());
        EXPECT_EQ(boton->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        EXPECT_TRUE(boton->isVisible() && boton->isEnabled());
    }
}

TEST(UtilCx, TeclasComoPalabras) {
    struct Caso {
        const char* que;
        int tecla;
        std::vector<Boton> deshabilitados;
        std::vector<Boton> ocultos;
        const char* palabra;  // "" when nothing is raised
    };
    const Caso casos[] = {
        {"Esc con Cancelar y Cerrar", tecla::vbKeyEscape, {}, {}, "CANCELAR"},
        {"Esc solo con Cerrar", tecla::vbKeyEscape, {Cancelar}, {}, "CERRAR"},
        {"Esc solo con Cancelar", tecla::vbKeyEscape, {Cerrar}, {}, "CANCELAR"},
        {"Esc sin ninguno", tecla::vbKeyEscape, {Cancelar, Cerrar}, {}, ""},
        {"Esc con Cancelar oculto", tecla::vbKeyEscape, {}, {Cancelar}, "CANCELAR"},
        {"F2", tecla::vbKeyF2, {}, {}, "GRABAR"},
        {"F3", tecla::vbKeyF3, {}, {}, "NUEVO"},
        {"F4", tecla::vbKeyF4, {}, {}, "REPORTE"},
        {"F5", tecla::vbKeyF5, {}, {}, "CONSULTAR"},
        {"F6", tecla::vbKeyF6, {}, {}, "PLANILLA"},
        {"F10", tecla::vbKeyF10, {}, {}, "BORRAR"},
        {"F2 con Grabar deshabilitado", tecla::vbKeyF2, {Grabar}, {}, ""},
        {"F10 con Borrar deshabilitado", tecla::vbKeyF10, {Borrar}, {}, ""},
        {"F5 con Consultar deshabilitado", tecla::vbKeyF5, {Consultar}, {}, ""},
        {"F5 con Consultar oculto", tecla::vbKeyF5, {}, {Consultar}, "CONSULTAR"},
        {"F6 con todo oculto", tecla::vbKeyF6, {}, {Nuevo, Borrar, Reporte, Consultar, Planilla, Cancelar, Grabar, Cerrar}, "PLANILLA"},
        {"F3 con otros deshabilitados", tecla::vbKeyF3, {Borrar, Grabar, Cancelar}, {}, "NUEVO"},
        {"F1", tecla::vbKeyF1, {}, {}, ""},
        {"F7", tecla::vbKeyF7, {}, {}, ""},
        {"F9", tecla::vbKeyF9, {}, {}, ""},
        {"Enter", tecla::vbKeyReturn, {}, {}, ""},
        {"letra", 'A', {}, {}, ""},
        {"cero", 0, {}, {}, ""},
    };
    for (const Caso& c : casos) {
        Barra b;
        for (Boton boton : c.deshabilitados) b.utilcx.BotonEnabled(boton, false);
        for (Boton boton : c.ocultos) b.utilcx.BotonVisible(boton, false);
        const QStringList esperado = *c.palabra ? QStringList{c.palabra} : QStringList{};
        EXPECT_EQ(b.Palabras([&] { b.utilcx.KeyAnalisis(c.tecla); }), esperado) << c.que;
    }
}

TEST(UtilCx, ClicsYAjusteDeBorrar) {
    struct Caso {
        Boton boton;
        const char* palabra;
        bool borrarAntes;
        bool borrarDespues;
    };
    const Caso casos[] = {
        {Nuevo, "NUEVO", true, false},      {Borrar, "BORRAR", true, true},       {Reporte, "REPORTE", false, false},
        {Consultar, "CONSULTAR", false, false}, {Planilla, "PLANILLA", true, true}, {Cancelar, "CANCELAR", false, false},
        {Grabar, "GRABAR", false, true},    {Cerrar, "CERRAR", false, true},
    };
    for (const Caso& c : casos) {
        Barra b;
        b.utilcx.BorrarEnabled(c.borrarAntes);
        b.utilcx.Refrescar();
        QSignalSpy cambios(&b.utilcx, &UtilCx::propiedadCambiada);
        bool borrarAlAvisar = !c.borrarDespues;
        QObject::connect(&b.utilcx, &UtilCx::click, [&] { borrarAlAvisar = b.utilcx.BorrarEnabled(); });
        const QStringList palabras = b.Palabras([&] { QTest::mouseClick(b.utilcx.BotonDe(c.boton), Qt::LeftButton); });
        EXPECT_EQ(palabras, QStringList{c.palabra});
        // The adjustment is made before the host hears the word, and is no property change.
        EXPECT_EQ(borrarAlAvisar, c.borrarDespues) << c.palabra;
        EXPECT_EQ(b.utilcx.BorrarEnabled(), c.borrarDespues) << c.palabra;
        EXPECT_EQ(cambios.count(), 0) << c.palabra;
        QCoreApplication::processEvents();
        if (c.boton != Borrar) EXPECT_EQ(b.utilcx.BotonDe(Borrar)->isEnabled(), c.borrarDespues) << c.palabra;
    }
}

TEST(UtilCx, BotonDeshabilitadoNoAvisa) {
    Barra b;
    b.utilcx.GrabarEnabled(false);
    b.utilcx.Refrescar();
    EXPECT_TRUE(b.Palabras([&] { QTest::mouseClick(b.utilcx.BotonDe(Grabar), Qt::LeftButton); }).isEmpty());
}

TEST(UtilCx, ErroresDelAnfitrionNoAfectanLaBarra) {
    Barra b;
    QObject::connect(&b.utilcx, &UtilCx::click, [](const QString& palabra) {
        if (palabra == "GRABAR") plataforma::Lanzar(5, "fallo del anfitrion");
        if (palabra == "CERRAR") plataforma::TerminarProceso(0);
    });
    EXPECT_NO_THROW(QTest::mouseClick(b.utilcx.BotonDe(Grabar), Qt::LeftButton));
    EXPECT_EQ(b.Palabras([&] { QTest::mouseClick(b.utilcx.BotonDe(Nuevo), Qt::LeftButton); }), QStringList{"NUEVO"});
    // Ending the program is no error of the bar's: it reaches whoever watches the end.
    EXPECT_THROW(b.utilcx.BotonDe(Cerrar)->click(), plataforma::ProcesoTerminado);
    // Keys report the host's errors to their caller.
    EXPECT_THROW(b.utilcx.KeyAnalisis(tecla::vbKeyF2), plataforma::ErrorRuntime);
}

TEST(UtilCx, LosSettersAvisanYLaBarraSigueEnElProximoTurno) {
    Barra b;
    QSignalSpy cambios(&b.utilcx, &UtilCx::propiedadCambiada);
    b.utilcx.NuevoEnabled(false);
    b.utilcx.CancelarEnabled(false);
    b.utilcx.consultarVisible(false);
    b.utilcx.ConTitulo(false);
    QStringList nombres;
    for (const QList<QVariant>& argumentos : cambios) nombres << argumentos.at(0).toString();
    EXPECT_EQ(nombres, (QStringList{"NuevoEnabled", "CancelarEnabled", "consultarVisible", "ConTitulo"}));
    // Nothing redrawn inside the setters...
    EXPECT_TRUE(b.utilcx.BotonDe(Nuevo)->isEnabled());
    EXPECT_TRUE(b.utilcx.BotonDe(Consultar)->isVisible());
    // ...everything at the next turn of the event loop.
    QCoreApplication::processEvents();
    EXPECT_FALSE(b.utilcx.BotonDe(Nuevo)->isEnabled());
    EXPECT_FALSE(b.utilcx.BotonDe(Cancelar)->isEnabled());
    EXPECT_FALSE(b.utilcx.BotonDe(Consultar)->isVisible());
    EXPECT_TRUE(b.utilcx.BotonDe(Consultar)->isEnabled());
    EXPECT_EQ(b.utilcx.BotonDe(Grabar)->toolButtonStyle(), Qt::ToolButtonIconOnly);

    b.utilcx.GrabarVisible(false);
    b.utilcx.Refrescar();
    EXPECT_FALSE(b.utilcx.BotonDe(Grabar)->isVisible());

    // The properties answer to their names too, as a designer reaches them.
    EXPECT_TRUE(b.utilcx.setProperty("CerrarEnabled", false));
    EXPECT_FALSE(b.utilcx.CerrarEnabled());
    EXPECT_EQ(b.utilcx.property("consultarVisible"), QVariant(false));
}

TEST(UtilCx, ThemeSoloCeroUnoODos) {
    const std::pair<int, int> casos[] = {{0, 0}, {1, 1}, {2, 2}, {3, 0}, {-1, 0}, {32767, 0}, {-32768, 0}};
    Barra b;
    for (auto [puesto, leido] : casos) {
        b.utilcx.Theme(1);
        b.utilcx.Theme(puesto);
        EXPECT_EQ(b.utilcx.Theme(), leido) << puesto;
    }
}

TEST(UtilCx, ActualizarBotonesVuelveTodoATrue) {
    Barra b;
    for (int i = 0; i < Cantidad; ++i) {
        b.utilcx.BotonEnabled(static_cast<Boton>(i), false);
        b.utilcx.BotonVisible(static_cast<Boton>(i), false);
    }
    b.utilcx.ConTitulo(false);
    b.utilcx.Enabled(false);
    b.utilcx.Theme(2);
    b.utilcx.Refrescar();
    b.utilcx.ActualizarBotones();
    EXPECT_TRUE(b.utilcx.ConTitulo());
    EXPECT_TRUE(b.utilcx.Enabled());
    for (int i = 0; i < Cantidad; ++i) {
        const Boton boton = static_cast<Boton>(i);
        EXPECT_TRUE(b.utilcx.BotonEnabled(boton) && b.utilcx.BotonVisible(boton)) << i;
        EXPECT_TRUE(b.utilcx.BotonDe(boton)->isEnabled() && b.utilcx.BotonDe(boton)->isVisible()) << i;
        EXPECT_EQ(b.utilcx.BotonDe(boton)->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    }
    EXPECT_EQ(b.utilcx.Theme(), 2);  // not part of the bar
}

TEST(UtilCx, PropiedadesGuardadas) {
    Barra b;
    b.utilcx.consultarVisible(false);
    b.utilcx.CancelarEnabled(false);
    b.utilcx.ConTitulo(false);
    BolsaPropiedadesMemoria bolsa;
    b.utilcx.EscribirPropiedades(bolsa);
    QStringList claves;
    for (const auto& e : bolsa.Entradas()) {
        claves << e.nombre;
        EXPECT_EQ(e.defecto, QVariant(true)) << e.nombre.toStdString();
        const bool esperado = e.nombre != "ConsultarVisible" && e.nombre != "CancelarEnabled" && e.nombre != "ConTitulo";
        EXPECT_EQ(e.valor, QVariant(esperado)) << e.nombre.toStdString();
    }
    EXPECT_EQ(claves, (QStringList{"ConTitulo", "Enabled", "NuevoEnabled", "BorrarEnabled", "ReporteEnabled", "ConsultaEnabled",
                                   "PlanillaEnabled", "CancelarEnabled", "GrabarEnabled", "CerrarEnabled", "NuevoVisible",
                                   "BorrarVisible", "ReporteVisible", "ConsultarVisible", "PlanillaVisible", "CancelarVisible",
                                   "GrabarVisible", "CerrarVisible"}));

    // Read back into a fresh control; absent keys give true.
    Barra otra;
    otra.utilcx.LeerPropiedades(BolsaPropiedadesMemoria(QVariantMap{{"ConsultarVisible", false}, {"GrabarEnabled", false}, {"Enabled", false}}));
    EXPECT_FALSE(otra.utilcx.consultarVisible());
    EXPECT_FALSE(otra.utilcx.GrabarEnabled());
    EXPECT_FALSE(otra.utilcx.Enabled());
    EXPECT_TRUE(otra.utilcx.ConTitulo());
    EXPECT_TRUE(otra.utilcx.CerrarEnabled());
    EXPECT_TRUE(otra.utilcx.NuevoVisible());
    QCoreApplication::processEvents();
    EXPECT_FALSE(otra.utilcx.BotonDe(Consultar)->isVisible());
    EXPECT_FALSE(otra.utilcx.BotonDe(Grabar)->isEnabled());

    Barra leida;
    leida.utilcx.LeerPropiedades(bolsa);
    BolsaPropiedadesMemoria copia;
    leida.utilcx.EscribirPropiedades(copia);
    EXPECT_EQ(copia.Mapa(), bolsa.Mapa());
}

TEST(UtilCx, AcopladaSegunSuForma) {
    CarpetaDePrueba carpeta;
    QWidget ventana;
    ventana.resize(600, 600);
    auto* ancha = new UtilCx(&ventana);
    ancha->setGeometry(0, 0, 450, 57);
    auto* alta = new UtilCx(&ventana);
    alta->setGeometry(0, 60, 57, 500);
    ventana.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(ancha->Orientacion(), Qt::Horizontal);
    EXPECT_EQ(alta->Orientacion(), Qt::Vertical);
    EXPECT_GT(ancha->BotonDe(Borrar)->x(), ancha->BotonDe(Nuevo)->x());
    EXPECT_EQ(ancha->BotonDe(Borrar)->y(), ancha->BotonDe(Nuevo)->y());
    EXPECT_GT(alta->BotonDe(Borrar)->y(), alta->BotonDe(Nuevo)->y());
    EXPECT_EQ(alta->BotonDe(Borrar)->x(), alta->BotonDe(Nuevo)->x());
    EXPECT_EQ(ancha->Barra()->y(), 0);
    EXPECT_EQ(alta->Barra()->x(), 0);
}

TEST(UtilCx, LosBotonesNoTomanElFoco) {
    CarpetaDePrueba carpeta;
    QWidget ventana;
    auto* disposicion = new QVBoxLayout(&ventana);
    auto* utilcx = new UtilCx;
    auto* caja = new QLineEdit;
    disposicion->addWidget(utilcx);
    disposicion->addWidget(caja);
    ventana.show();
    ventana.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));
    caja->setFocus();
    QCoreApplication::processEvents();
    ASSERT_TRUE(caja->hasFocus());
    for (int i = 0; i < Cantidad; ++i) {
        EXPECT_EQ(utilcx->BotonDe(static_cast<Boton>(i))->focusPolicy(), Qt::NoFocus);
        QTest::mouseClick(utilcx->BotonDe(static_cast<Boton>(i)), Qt::LeftButton);
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), caja) << i;
    }
    // Tab never stops on the bar either.
    QTest::keyClick(caja, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), caja);
}
