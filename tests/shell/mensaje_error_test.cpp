// The shell's error box and its log line in the temporary folder.
#include "CarpetaDePrueba.h"
#include "DialogosGuionados.h"
#include "MensajeError.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// Points "temp" and "tmp" at the test folder while alive.
struct TemporalEn {
    explicit TemporalEn(const QString& carpeta) {
        qputenv("temp", "x");
        qputenv("tmp", QFile::encodeName(carpeta));
    }
    ~TemporalEn() {
        qunsetenv("temp");
        qunsetenv("tmp");
    }
};

}  // namespace

TEST(MensajeError, CajaRespuestaYLinea) {
    CarpetaDePrueba carpeta;
    TemporalEn temporal(carpeta.ruta());
    DialogosGuionados guion;
    const plataforma::ErrorEjecucion error{3704, " Objeto cerrado ", "Ta_Quendal"};
    guion.espera("Ta_Quendal - Cfg Aviso al operador!!! - 2 ", "Ha ocurrido el Siguiente Error (3704) Objeto cerrado", 18, 5)
        .espera("Ta_Quendal Aviso al operador!!! - 2 ", "Ha ocurrido el Siguiente Error (3704) Objeto cerrado", 4, 6)
        .espera("Ta_Quendal Aviso al operador!!! - 2 ", "Ha ocurrido el Siguiente Error (3704) Objeto cerrado", 0, 1);
    EXPECT_EQ(MensajeError(error, std::nullopt, "Cfg"), 5);
    EXPECT_EQ(MensajeError(error, 4), 6);
    EXPECT_EQ(MensajeError(error, 0), 1);
    const QStringList lineas = QString::fromLatin1(carpeta.leer("CXERR.LOG")).split("\r\n");
    ASSERT_EQ(lineas.size(), 4);
    const QRegularExpression fecha("^\\d\\d-\\d\\d-\\d{4} \\d\\d:\\d\\d:\\d\\d ");
    EXPECT_TRUE(fecha.match(lineas[0]).hasMatch()) << lineas[0].toStdString();
    EXPECT_TRUE(lineas[0].endsWith(" Rutina: - Cfg Mensaje Ha ocurrido el Siguiente Error (3704) Objeto cerrado Respondió : Ignorar"));
    EXPECT_TRUE(lineas[1].endsWith(" Rutina:  Mensaje Ha ocurrido el Siguiente Error (3704) Objeto cerrado Respondió : Sí"));
    EXPECT_TRUE(lineas[2].endsWith(" Respondió : ")) << lineas[2].toStdString();
    EXPECT_EQ(carpeta.leer("CXERR.LOG").count("\xF3"), 3);  // "ó" in Windows-1252
}

TEST(MensajeError, ErrorCeroYCarpetaDelRegistro) {
    CarpetaDePrueba carpeta;
    {
        TemporalEn temporal(carpeta.ruta());
        DialogosGuionados guion;  // no box expected
        EXPECT_EQ(MensajeError({0, "", ""}), 0);
        EXPECT_TRUE(QFile::exists(carpeta.archivo("CXERR.LOG")));  // opened before deciding
        EXPECT_EQ(carpeta.leer("CXERR.LOG"), "");
        EXPECT_EQ(CarpetaRegistroShell(), carpeta.ruta() + "/");
    }
    for (const char* nombre : {"temp", "TEMP", "Temp"}) qunsetenv(nombre);
    qputenv("tmp", "/no/se/usa");
    EXPECT_EQ(CarpetaRegistroShell(), QDir::tempPath() + "/");
    qunsetenv("tmp");
}
