// Text helpers, the original's string functions, key codes and date formats.
#include "ErrorEjecucion.h"
#include "Regional.h"
#include "Teclas.h"
#include "Texto.h"

#include <gtest/gtest.h>

using namespace plataforma;

TEST(Texto, BusquedaYReemplazoSinMayusculas) {
    EXPECT_TRUE(IgualesSinMayusculas("MUÑOZ", "muñoz"));
    EXPECT_EQ(BuscarSinMayusculas("abc @SERVER=x", "@server"), 4);
    EXPECT_EQ(BuscarSinMayusculas("abc", "z"), -1);
    EXPECT_EQ(ReemplazarSinMayusculas("Select * FROM @admin_TA_X", "@Admin_", ""), "Select * FROM TA_X");
}

TEST(Texto, MidLeftRightYElErrorCinco) {
    EXPECT_EQ(Mid("abcdef", 2, 3), "bcd");
    EXPECT_EQ(Mid("abc", 5), "");
    EXPECT_EQ(Left("abc", 5), "abc");
    EXPECT_EQ(Right("abc", 2), "bc");
    for (auto llamada : {+[] { Mid("abc", 1, -2); }, +[] { Mid("abc", 0, 1); }, +[] { Left("abc", -1); }}) {
        try {
            llamada();
            ADD_FAILURE() << "no lanzó";
        } catch (const ErrorRuntime& e) {
            EXPECT_EQ(e.numero(), 5);
        }
    }
}

TEST(Texto, ValComoElOriginal) {
    const std::pair<const char*, double> casos[] = {
        {"12abc", 12}, {" 1 5", 15}, {"abc", 0}, {"", 0}, {"-3.25", -3.25}, {"1,5", 1},
        {"&H1F", 31}, {"2e3", 2000}, {"1.", 1}, {"  90  ", 90},
    };
    for (const auto& [texto, valor] : casos) EXPECT_DOUBLE_EQ(Val(texto), valor) << texto;
}

TEST(Teclas, CodigosDelOriginal) {
    const std::pair<int, int> casos[] = {
        {Qt::Key_Return, 13}, {Qt::Key_Enter, 13}, {Qt::Key_Escape, 27}, {Qt::Key_F2, 113}, {Qt::Key_F10, 121},
        {Qt::Key_Insert, 45}, {Qt::Key_Delete, 46}, {Qt::Key_Left, 37}, {Qt::Key_Down, 40}, {Qt::Key_PageUp, 33},
        {Qt::Key_A, 65}, {Qt::Key_5, 53}, {Qt::Key_Tab, 9}, {Qt::Key_Backspace, 8}, {Qt::Key_Pause, 0},
    };
    for (const auto& [qt, vb] : casos) EXPECT_EQ(CodigoTecla(qt), vb) << qt;
    EXPECT_EQ(CodigoAscii(Qt::Key_A, "a"), 97);
    EXPECT_EQ(CodigoAscii(Qt::Key_unknown, "ñ"), 0xF1);
    EXPECT_EQ(CodigoAscii(Qt::Key_Return, "\r"), 13);
    EXPECT_EQ(CodigoAscii(Qt::Key_F2, ""), 0);
    EXPECT_EQ(EstadoMayusculas(Qt::ShiftModifier | Qt::ControlModifier), 3);
}

TEST(Regional, FormatosDeFechaDelOriginal) {
    EXPECT_EQ(FormatoQt("dd/mm/yy hh:mm"), "dd/MM/yy HH:mm");
    EXPECT_EQ(FormatoQt("dd/mm/yyyy"), "dd/MM/yyyy");
    EXPECT_EQ(FormatoQt("hh:mm:ss"), "HH:mm:ss");
    const QDateTime momento(QDate(2026, 3, 7), QTime(14, 5));
    EXPECT_EQ(FormatearFecha(momento, "dd/mm/yy hh:mm"), "07/03/26 14:05");
    EXPECT_EQ(NumeroConPunto(1234.5), "1234.5");
    EXPECT_EQ(NumeroConPunto(-0.0), "0");
    EXPECT_EQ(NumeroConPunto(3), "3");
}
