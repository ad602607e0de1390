// The helper component's utilities: codes, limited texts, characters, words, folders, encoding.
#include "DialogosGuionados.h"
#include "DialogoArchivo.h"
#include "Utilidades.h"

#include <gtest/gtest.h>

TEST(Utilidades, CodigosYTextosLimitados) {
    const Utilidades u;
    const std::tuple<QString, int, QString> codigos[] = {
        {"7", 4, "   7"}, {"  7 ", 4, "   7"}, {"1234", 4, "1234"}, {"12345", 4, "1234"}, {"", 4, "    "}, {"AB", 0, ""},
    };
    for (const auto& [texto, largo, esperado] : codigos) EXPECT_EQ(u.FormatearCodigo(texto, largo), esperado) << texto.toStdString();
    EXPECT_EQ(u.TextoLimitado("Camión grande", 6), "Camión");
    EXPECT_EQ(u.TextoLimitado("O'Higgins", 50), "O'Higgins");
    EXPECT_EQ(u.TextoLimitado("abc", -1), "");
}

TEST(Utilidades, CaracteresPalabrasYReemplazos) {
    const Utilidades u;
    EXPECT_EQ(u.QuitarCaracteres("a=b==c", "="), "abc");
    EXPECT_EQ(u.QuitarCaracteres("a|b,c;d", "|", ",", ";"), "abcd");
    EXPECT_EQ(u.ContarPalabras("  uno  dos tres "), 3);
    EXPECT_EQ(u.ContarPalabras(""), 0);
    EXPECT_EQ(u.ContarPalabras("SELECT\r\n*\tFROM x"), 4);
    EXPECT_EQ(u.Reemplazar("Hola HOLA hola", "hola", "x"), "x x x");
    EXPECT_EQ(u.ValorNumerico("12.345678"), 12.3457);
    EXPECT_EQ(u.ValorNumerico("abc"), 0);
    EXPECT_EQ(u.ValorEntero("2.5"), 3);
    EXPECT_EQ(u.ValorEntero("-2.5"), -3);
    EXPECT_EQ(u.ValorCampo(QVariant()).toString(), "");
    EXPECT_EQ(u.ValorCampo(QVariant(QMetaType::fromType<QString>())).toString(), "");
    EXPECT_EQ(u.ValorCampo(5).toInt(), 5);
}

TEST(Utilidades, CarpetaConBarra) {
    const Utilidades u;
    const std::pair<QString, QString> casos[] = {
        {"/opt/velmora", "/opt/velmora/"}, {"/opt/velmora//", "/opt/velmora/"}, {"C:\\Velmora\\", "C:\\Velmora/"},
        {"/", "/"}, {"", ""}, {" datos ", "datos/"},
    };
    for (const auto& [carpeta, esperado] : casos) EXPECT_EQ(u.CarpetaConBarra(carpeta), esperado) << carpeta.toStdString();
}

TEST(Utilidades, CodificarYDecodificarSonInversos) {
    const Utilidades u;
    const QString textos[] = {"", "pandero", "Corvex", "Muñoz ÁÉÍÓÚ ñ €", "comillas ' y \"", "a|b,c;d=e", QString(300, 'x'), "漢字"};
    for (const QString& t : textos) {
        const QString codificado = u.Codificar(t);
        EXPECT_EQ(u.Decodificar(codificado), t);
        if (!t.isEmpty()) EXPECT_NE(codificado, t);
        // Safe inside an INI value, a command text and a SQL literal.
        for (QChar c : codificado) EXPECT_TRUE(c.isLetterOrNumber() || c == '~') << codificado.toStdString();
    }
    EXPECT_EQ(u.Decodificar("texto claro"), "texto claro");
}

TEST(Utilidades, MostrarErrorPreguntaConAnularReintentarOmitir) {
    DialogosGuionados guion;
    guion.espera("pruebas_helper", "Error 3704: cerrado\nRutina: AbrirRecordset", 2 + 16, 4);
    plataforma::ErrorEjecucion e{3704, "cerrado", "x"};
    EXPECT_EQ(Utilidades().MostrarError(e, QVariant(), "AbrirRecordset"), 4);
}

TEST(DialogoArchivo, FiltroDelOriginal) {
    EXPECT_EQ(DialogoArchivo::FiltroQt("Textos (*.txt)|*.txt|Todos|*.*"), "Textos (*.txt);;Todos (*.*)");
    EXPECT_EQ(DialogoArchivo::FiltroQt("Planillas|*.xls;*.csv"), "Planillas (*.xls *.csv)");
}
