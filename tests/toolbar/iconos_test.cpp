// The icon strips: the INI style choosing the file, where the file is found, the theme's icons
// when it cannot be loaded, and our own drawn strips.
#include "Carpetas.h"
#include "CarpetaDePrueba.h"
#include "DibujoIconos.h"
#include "IconosUtilCx.h"
#include "UtilCx.h"

#include <QApplication>
#include <QBuffer>
#include <QStyle>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace iconos_utilcx;

namespace {

QByteArray Ini(const QString& seccion, const QByteArray& valor) {
    return "[" + seccion.toLatin1() + "]\r\nStyles=" + valor + "\r\n";
}

QString SeccionDelUsuario() { return plataforma::NombreUsuarioSistema().toUpper() + "Styles"; }

QByteArray Bmp(const QImage& imagen) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    imagen.save(&buffer, "BMP");
    return bytes;
}

// A strip of eight plain icons of one colour, the last pixel of each left transparent.
QImage TiraLisa(QRgb color, int lado = 16) {
    QImage tira(lado * 8, lado, QImage::Format_RGB32);
    tira.fill(color);
    for (int i = 0; i < 8; ++i) tira.setPixel(i * lado + lado - 1, lado - 1, dibujo_iconos::ColorTransparente);
    return tira;
}

QRgb PixelDeIcono(const QIcon& icono, int x, int y) { return icono.pixmap(icono.availableSizes().value(0)).toImage().pixel(x, y); }

}  // namespace

TEST(IconosUtilCx, ArchivoSegunElEstiloDelIni) {
    struct Caso {
        const char* que;
        QByteArray ini;  // empty: no INI file
        const char* archivo;
    };
    const QString seccion = SeccionDelUsuario();
    const Caso casos[] = {
        {"sin INI", {}, "ABM2021B.bmp"},
        {"sin la clave", Ini(seccion, {}).replace("Styles=", "Otra="), "ABM2021B.bmp"},
        {"1", Ini(seccion, "1"), "ABM2021B.bmp"},
        {"2", Ini(seccion, "2"), "ABM2021M.bmp"},
        {"3", Ini(seccion, "3"), "ABM2021V.bmp"},
        {"4", Ini(seccion, "4"), "ABM2021i.bmp"},
        {"0", Ini(seccion, "0"), "ABM2021.bmp"},
        {"5", Ini(seccion, "5"), "ABM2021.bmp"},
        {"vacio", Ini(seccion, ""), "ABM2021.bmp"},
        {"\"2 \" con blanco", Ini(seccion, "\"2 \""), "ABM2021.bmp"},
        {"02", Ini(seccion, "02"), "ABM2021.bmp"},
        {"seccion en minusculas", Ini(seccion.toLower(), "3"), "ABM2021V.bmp"},
        {"seccion de otro usuario", Ini("OTRO_USUARIOStyles", "3"), "ABM2021B.bmp"},
    };
    for (const Caso& c : casos) {
        CarpetaDePrueba carpeta;
        if (!c.ini.isEmpty()) carpeta.escribir("Velmora.INI", c.ini);
        EXPECT_EQ(ArchivoDeEstilo(EstiloDelUsuario()), c.archivo) << c.que;
    }
    EXPECT_EQ(ArchivoDeEstilo("2 "), "ABM2021.bmp");
    EXPECT_EQ(ArchivoDeEstilo(" 1"), "ABM2021.bmp");
}

TEST(IconosUtilCx, LaBarraTomaLaTiraDeLaCarpetaDeAplicacion) {
    CarpetaDePrueba carpeta;
    carpeta.escribir("velmora.ini", Ini(SeccionDelUsuario(), "3"));
    carpeta.escribir("abm2021v.BMP", Bmp(TiraLisa(qRgb(0, 128, 0))));  // found whatever its case
    UtilCx utilcx;
    EXPECT_EQ(utilcx.RutaIconos(), carpeta.archivo("abm2021v.BMP"));
    const QIcon icono = utilcx.BotonDe(botones_utilcx::Cerrar)->icon();
    EXPECT_EQ(PixelDeIcono(icono, 0, 0), qRgb(0, 128, 0));
    EXPECT_EQ(qAlpha(PixelDeIcono(icono, 15, 15)), 0);

    // Without the file beside the data, the strip drawn into the program's folder is used.
    QFile::remove(carpeta.archivo("abm2021v.BMP"));
    utilcx.ActualizarBotones();
    EXPECT_EQ(utilcx.RutaIconos(), plataforma::CarpetaEjecutable() + "/ABM2021V.bmp");
}

TEST(IconosUtilCx, IconosDelTemaSiLaTiraNoCarga) {
    CarpetaDePrueba carpeta;
    carpeta.escribir("rota/ABM2021B.bmp", "no es un bmp");
    carpeta.escribir("estrecha/ABM2021B.bmp", Bmp(QImage(7, 16, QImage::Format_RGB32)));
    carpeta.escribir("buena/ABM2021B.bmp", Bmp(TiraLisa(qRgb(1, 2, 3))));
    struct Caso {
        const char* que;
        QStringList carpetas;
        QString ruta;
    };
    const Caso casos[] = {
        {"ninguna carpeta la tiene", {carpeta.archivo("vacia"), carpeta.archivo("otra")}, {}},
        {"archivo ilegible", {carpeta.archivo("rota")}, {}},
        {"menos de ocho columnas", {carpeta.archivo("estrecha")}, {}},
        {"la siguiente carpeta vale", {carpeta.archivo("rota"), carpeta.archivo("buena")}, carpeta.archivo("buena/ABM2021B.bmp")},
    };
    const QStyle* estilo = QApplication::style();
    for (const Caso& c : casos) {
        const Iconos iconos = CargarIconos("ABM2021B.bmp", c.carpetas, estilo);
        EXPECT_EQ(iconos.ruta, c.ruta) << c.que;
        ASSERT_EQ(iconos.iconos.size(), 8) << c.que;
        for (const QIcon& icono : iconos.iconos) EXPECT_FALSE(icono.isNull()) << c.que;
        if (c.ruta.isEmpty())
            EXPECT_EQ(iconos.iconos[6].pixmap(16).toImage(), estilo->standardIcon(QStyle::SP_DialogSaveButton).pixmap(16).toImage()) << c.que;
    }
}

TEST(DibujoIconos, CincoTirasDeOchoIconos) {
    const QStringList archivos = dibujo_iconos::ArchivosTiras();
    ASSERT_EQ(archivos, (QStringList{"ABM2021.bmp", "ABM2021B.bmp", "ABM2021M.bmp", "ABM2021V.bmp", "ABM2021i.bmp"}));
    QList<QImage> tiras;
    for (const QString& archivo : archivos) {
        QImage leida;
        ASSERT_TRUE(leida.loadFromData(Bmp(dibujo_iconos::DibujarTira(archivo)), "BMP"));
        EXPECT_EQ(leida.size(), QSize(256, 32)) << archivo.toStdString();
        const QList<QIcon> iconos = CortarTira(leida);
        ASSERT_EQ(iconos.size(), 8);
        QList<QImage> imagenes;
        for (const QIcon& icono : iconos) {
            const QImage imagen = icono.pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32);
            EXPECT_EQ(imagen.size(), QSize(32, 32));
            EXPECT_EQ(qAlpha(imagen.pixel(0, 31)), 0) << archivo.toStdString();  // every icon leaves its corner clear
            int tinta = 0;
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x) tinta += qAlpha(imagen.pixel(x, y)) == 255;
            EXPECT_GT(tinta, 100) << archivo.toStdString();
            EXPECT_FALSE(imagenes.contains(imagen)) << archivo.toStdString();
            imagenes << imagen;
        }
        EXPECT_FALSE(tiras.contains(leida)) << archivo.toStdString();
        tiras << leida;
    }
}
