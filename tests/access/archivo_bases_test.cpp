// BASES.TXT: the line format, appending after an unterminated line, reading fields across lines.
#include "ArchivoBases.h"
#include "CarpetaDePrueba.h"
#include "Utilidades.h"

#include <gtest/gtest.h>

TEST(ArchivoBases, PrimerRegistroYLineaSinFinal) {
    CarpetaDePrueba carpeta;
    EXPECT_TRUE(LeerConexiones(RutaArchivoBases()).empty());
    const QString nombre = NombreConexion(" Almacen ", "srv01:1433");
    EXPECT_EQ(nombre, "ALMACEN / SRV01");
    GrabarConexion(nombre, "Almacen", "Almacen", "Almacen", "srv01:1433");
    const QByteArray codificada = Utilidades().Codificar("Almacen").toLatin1();
    EXPECT_EQ(carpeta.leer("BASES.TXT"), "ALMACEN / SRV01,Almacen,Almacen," + codificada + ",srv01:1433\r\n");

    carpeta.escribir("BASES.TXT", "A / S,A,A,x,S");  // someone left the last line unterminated
    GrabarConexion("B / T", "b", "b", "b", "t");
    const auto registros = LeerConexiones(RutaArchivoBases());
    ASSERT_EQ(registros.size(), 2u);
    EXPECT_EQ(registros[1].nombre, "B / T");
    EXPECT_EQ(Utilidades().Decodificar(registros[1].clave), "b");
    EXPECT_TRUE(carpeta.leer("BASES.TXT").startsWith("A / S,A,A,x,S\r\nB / T,"));
}

TEST(ArchivoBases, LecturaComoLaEntradaSecuencial) {
    CarpetaDePrueba carpeta;
    carpeta.escribir("BASES.TXT",
                     " \"VENTAS / SRV\" , Ventas ,Ventas,cod, \"srv,1\" \r\n"
                     "\r\n"
                     ",blanco,b,c,d\r\n"
                     "CORTA / X,Corta\r\n"
                     "u,c,\r\n"
                     "SE\xD1OR / Y,Se\xF1or,s,c,y");
    const auto r = LeerConexiones(RutaArchivoBases());
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[0].nombre, "VENTAS / SRV");
    EXPECT_EQ(r[0].base, "Ventas");
    EXPECT_EQ(r[0].servidor, "srv,1");
    EXPECT_EQ(r[1].nombre, "");  // a blank name: the dialog does not list it
    // A short line is completed by the next one.
    EXPECT_EQ(r[2].nombre, "CORTA / X");
    EXPECT_EQ(r[2].usuario, "u");
    EXPECT_EQ(r[2].servidor, "");
    EXPECT_EQ(r[3].nombre, "SEÑOR / Y");
    EXPECT_EQ(r[3].base, "Señor");
}
