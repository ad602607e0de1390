// Skins and focus colours: the sheet the INI names, and the focus colour winning over it.
#include "AparienciaVentana.h"
#include "CarpetaDePrueba.h"
#include "DB_Dll.h"
#include "Sistema.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

TEST(Skins, ArchivoPorNumero) {
    const std::pair<int, const char*> casos[] = {{1, "Styles/Vista.qss"}, {2, "Styles/WinXP.Luna.qss"}, {3, "Styles/WinXP.Royale.qss"},
                                                 {4, "Styles/iTunes/Normalitunes.qss"}, {0, "Styles/Office2007.qss"}, {7, "Styles/Office2007.qss"}};
    for (auto [numero, archivo] : casos) EXPECT_EQ(ArchivoDeSkin(numero), archivo) << numero;
}

TEST(Skins, ElIniEligeLaHojaYElColorDeFocoLaSupera) {
    CarpetaDePrueba carpeta;
    DB_Dll sesion;
    sesion.gDBName = "demo";
    DB_Dll::InstalarPrincipal(&sesion);
    const QString seccion = Sistema().NombreUsuarioSistema().toUpper() + "_DEMOStyles";
    carpeta.escribir("Velmora.INI", ("[" + seccion + "]\r\nStyles=2.4\r\n").toUtf8());
    carpeta.escribir("styles/winxp.luna.QSS", "QLineEdit { background-color: #ff0000; } QLineEdit:focus { background-color: #00ff00; }");

    QWidget ventana;
    auto* caja = new QLineEdit(&ventana);
    caja->setGeometry(10, 10, 100, 22);
    const QString aplicada = AplicarSkin(&ventana);
    EXPECT_TRUE(aplicada.endsWith("styles/winxp.luna.QSS")) << aplicada.toStdString();
    EXPECT_TRUE(ventana.styleSheet().contains("#ff0000"));
    ventana.show();
    caja->setFocus();
    QApplication::setActiveWindow(&ventana);
    QApplication::processEvents();
    auto fondo = [&] { return caja->grab().toImage().pixelColor(caja->width() - 5, caja->height() / 2); };
    EXPECT_EQ(fondo(), QColor(0x00, 0xff, 0x00));
    AsignarColorFondo(caja, 0xFFFF00);
    EXPECT_EQ(fondo(), QColor(0x00, 0xff, 0xff));
    EXPECT_EQ(ColorFondo(caja), 0xFFFF00u);
    AsignarColorFondo(caja, 0xFFFFFF);
    EXPECT_EQ(fondo(), QColor(0xff, 0xff, 0xff));
    DB_Dll::InstalarPrincipal(nullptr);
}
