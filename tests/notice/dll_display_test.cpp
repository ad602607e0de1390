// The progress notice: its lines, the cancel protocol, a fresh window after closing, the animation.
#include "Dll_Display.h"
#include "Lbf_CtrlDisplay.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {
QStringList lineas(const Dll_Display& d) {
    QStringList r;
    for (QLabel* l : d.ventana()->LblCtrol) r << l->text();
    return r;
}
}  // namespace

TEST(Dll_Display, LineasYCancelar) {
    Dll_Display cartel;
    cartel.CartelInicio("Conectando Base de Datos", true);
    bool cancelado = true;
    cartel.CartelMostrar(cancelado, QString("Iniciando Aplicacion"), QString("Ta_Quendal"), QString("Espere por favor"));
    EXPECT_FALSE(cancelado);
    EXPECT_EQ(cartel.ventana()->windowTitle(), "Conectando Base de Datos");
    EXPECT_EQ(lineas(cartel), (QStringList{"Iniciando Aplicacion", "Ta_Quendal", "Espere por favor"}));

    cartel.CartelMostrar(cancelado, std::nullopt, QVariant(7));
    EXPECT_EQ(lineas(cartel), (QStringList{"Iniciando Aplicacion", "7", "Espere por favor"}));
    cartel.CartelMostrar(cancelado, QVariant());  // Null: an empty line
    EXPECT_EQ(lineas(cartel).first(), "");

    EXPECT_EQ(cartel.ventana()->CmdDisplayCancelar->text(), "&Cancelar");
    QTest::mouseClick(cartel.ventana()->CmdDisplayCancelar, Qt::LeftButton);
    EXPECT_EQ(cartel.ventana()->CmdDisplayCancelar->text(), "Abortado");
    cartel.CartelMostrar(cancelado);
    EXPECT_TRUE(cancelado);
    cartel.CartelMostrar(cancelado);
    EXPECT_TRUE(cancelado);

    cartel.CartelCerrar();
    EXPECT_EQ(cartel.ventana(), nullptr);
    cartel.CartelInicio("Otra", false);
    EXPECT_EQ(cartel.ventana()->CmdDisplayCancelar->text(), "&Cancelar");
    EXPECT_FALSE(cartel.ventana()->CmdDisplayCancelar->isVisible());
    cartel.CartelMostrar(cancelado);
    EXPECT_FALSE(cancelado);
}

TEST(Dll_Display, VentanaYAnimacion) {
    Lbf_CtrlDisplay ventana;
    EXPECT_EQ(ventana.size(), QSize(523, 186));
    EXPECT_NEAR(ventana.windowOpacity(), 200.0 / 255.0, 0.01);
    EXPECT_EQ(ventana.Timer1->interval(), 100);
    for (int i = 1; i <= 12; ++i) ventana.Timer1_Timer();
    EXPECT_EQ(ventana.contador(), 0);  // frames 1..12, then round again
    ventana.Timer1_Timer();
    EXPECT_EQ(ventana.contador(), 1);
    EXPECT_NE(Lbf_CtrlDisplay::Fotograma(1).toImage(), Lbf_CtrlDisplay::Fotograma(2).toImage());
}
