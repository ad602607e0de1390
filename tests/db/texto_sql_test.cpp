// Quoted texts in statements and the day-first date reading the translation relies on.
#include "FechaRegional.h"
#include "TextoSql.h"

#include "ImprimirQt.h"

#include <gtest/gtest.h>

using namespace basedatos;

TEST(TextoSql, LiteralesConComillasDobladas) {
    const QString sql = QStringLiteral("A = 'O''Higgins' AND B = '' AND C = 'abierto");
    const auto literales = LiteralesDe(sql);
    ASSERT_EQ(literales.size(), 3u);
    EXPECT_EQ(ContenidoDe(sql, literales[0]), "O'Higgins");
    EXPECT_TRUE(literales[0].cerrado);
    EXPECT_EQ(sql.mid(literales[1].inicio, literales[1].largo), "''");
    EXPECT_EQ(ContenidoDe(sql, literales[1]), "");
    EXPECT_FALSE(literales[2].cerrado);
    EXPECT_EQ(ContenidoDe(sql, literales[2]), "abierto");
}

TEST(TextoSql, BusquedaYReemplazoSoloFueraDeLasComillas) {
    const QString sql = QStringLiteral("UPDATE T SET D = 'drop x' WHERE C = 'a''drop' OR drop = 1");
    EXPECT_EQ(BuscarFueraDeLiterales(sql, QStringLiteral("DROP")), sql.lastIndexOf(QLatin1String("drop")));
    EXPECT_FALSE(ContieneFueraDeLiterales(QStringLiteral("SELECT 'GO'"), QStringLiteral("go")));
    EXPECT_EQ(ReemplazarFueraDeLiterales(sql, QStringLiteral("DROP"), QStringLiteral("X")),
              "UPDATE T SET D = 'drop x' WHERE C = 'a''drop' OR X = 1");
    EXPECT_EQ(ReemplazarFueraDeLiterales(QStringLiteral("[a] '[b]"), QStringLiteral("["), QStringLiteral("(")),
              "(a] '[b]");
}

TEST(FechaRegional, DiaPrimeroYLoQueNoEsFecha) {
    const std::pair<const char*, QDate> fechas[] = {
        {"01/02/2023", QDate(2023, 2, 1)}, {"1/2/23", QDate(2023, 2, 1)}, {" 1-2-1999 ", QDate(1999, 2, 1)},
        {"31.12.45", QDate(1945, 12, 31)}, {"12/25/2023", QDate(2023, 12, 25)}, {"2023-02-01", QDate(2023, 2, 1)},
        {"01/02/2023 10:30", QDate(2023, 2, 1)}, {"29/02/2024 23:59:59", QDate(2024, 2, 29)},
    };
    for (const auto& [texto, fecha] : fechas) {
        const auto leida = FechaRegional(QString::fromLatin1(texto));
        ASSERT_TRUE(leida.has_value()) << texto;
        EXPECT_EQ(*leida, fecha) << texto;
    }
    for (const char* texto : {"", "ABC", "10/12", "10:30", "32/13/2023", "29/02/2023", "01/02/2023 25:00",
                              "1/2/3", "01/02-2023", "01/02/2023x", "0001-01-01", "１/2/2023"})
        EXPECT_FALSE(FechaRegional(QString::fromUtf8(texto)).has_value()) << texto;
}

TEST(TextoSql, QuitarTextoNoJuntaDosLiterales) {
    EXPECT_EQ(ReemplazarFueraDeLiterales(QStringLiteral("'a'@Admin_'b'"), QStringLiteral("@Admin_"), QString()),
              "'a' 'b'");
    EXPECT_EQ(ReemplazarFueraDeLiterales(QStringLiteral("@Admin_'b'@Admin_"), QStringLiteral("@Admin_"), QString()),
              "'b'");
}
