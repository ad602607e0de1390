// Format texts and the readable-file test.
#include "CarpetaDePrueba.h"
#include "Regional.h"
#include "UtilidadesShell.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

TEST(UtilidadesShell, FormatosDeLosRegistros) {
    const QDateTime momento(QDate(2026, 12, 1), QTime(9, 7));
    EXPECT_EQ(plataforma::FormatearFecha(momento, FormatoFechaHora()), "01/12/26 09:07");
    EXPECT_EQ(plataforma::FormatearFecha(momento, FormatoFecha() + " " + FormatoHora()), "01/12/26 09:07");
}

TEST(UtilidadesShell, ExisteArchivo) {
    CarpetaDePrueba carpeta;
    carpeta.escribir("a b.txt", "x");
    carpeta.escribir("cerrado.txt", "x");
    QFile::setPermissions(carpeta.archivo("cerrado.txt"), QFileDevice::WriteOwner);
    QDir().mkpath(carpeta.archivo("carpeta"));
    EXPECT_TRUE(ExisteArchivo(carpeta.archivo("a b.txt")));
    EXPECT_TRUE(ExisteArchivo("\"" + carpeta.archivo("a b.txt") + "\""));
    EXPECT_FALSE(ExisteArchivo(carpeta.archivo("falta.txt")));
    EXPECT_FALSE(ExisteArchivo(carpeta.archivo("carpeta")));
    EXPECT_FALSE(ExisteArchivo(""));
    if (geteuid() != 0) EXPECT_FALSE(ExisteArchivo(carpeta.archivo("cerrado.txt")));  // root reads anything
}
