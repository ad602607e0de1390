// The INI reader: sections and keys without case, comments, quotes, Windows-1252, missing pieces.
#include "ArchivoIni.h"
#include "CarpetaDePrueba.h"

#include <gtest/gtest.h>

TEST(ArchivoIni, LecturaComoEnWindows) {
    CarpetaDePrueba carpeta;
    carpeta.escribir("VELMORA.ini",
                     "; comentario\r\n"
                     "clave=fuera de seccion\r\n"
                     "[PC01|JUAN]\r\n"
                     "FlatToolbars = 0 \r\n"
                     ";FlatToolbars=5\r\n"
                     "Estilo=\"  2 \"\r\n"
                     "[pc01|juanBaseDeDatos]\r\n"
                     "Servidor=SRV01\\INST\r\n"
                     "DbName=Compa\xF1\xED" "a\r\n"
                     "Vacia=\r\n"
                     "Servidor=repetida\n"
                     "[Otra]\n"
                     "Servidor=otra\n");
    const ArchivoIni ini;
    struct Caso { const char* seccion; const char* clave; const char* esperado; };
    const Caso casos[] = {
        {"PC01|JUAN", "flattoolbars", "0"},
        {"PC01|JUAN", "Estilo", "  2 "},
        {"PC01|JUANBASEDEDATOS", "servidor", "SRV01\\INST"},
        {"PC01|JUANBaseDeDatos", "DbName", "Compañía"},
        {"PC01|JUANBaseDeDatos", "Vacia", ""},
        {"PC01|JUANBaseDeDatos", "Usuario", "defecto"},
        {"NoExiste", "Servidor", "defecto"},
        {"", "clave", "defecto"},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(ini.LeerIni("Velmora.INI", c.seccion, c.clave, "defecto"), QString::fromUtf8(c.esperado)) << c.seccion << " " << c.clave;
    }
    EXPECT_EQ(ini.LeerIni("velmora.ini", "Otra", "Servidor", ""), "otra");
}

TEST(ArchivoIni, SinArchivoDaElDefecto) {
    CarpetaDePrueba carpeta;
    EXPECT_EQ(ArchivoIni().LeerIni("Velmora.INI", "X", "FlatToolbars", "1"), "1");
}
