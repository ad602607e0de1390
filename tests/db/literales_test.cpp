// Field-type classes, SQL literals and the name helpers of the database object.
#include "DB_Dll.h"

#include "ErrorEjecucion.h"

#include <QDate>
#include <QLocale>
#include <functional>
#include "ImprimirQt.h"

#include <gtest/gtest.h>

namespace {

const QVariant Nulo = QVariant(QMetaType::fromType<QString>());

int NumeroDeError(const std::function<void()>& llamada) {
    try {
        llamada();
    } catch (const plataforma::ErrorRuntime& e) {
        return e.numero();
    }
    return 0;
}

}  // namespace

TEST(TiposAdo, CadaCodigoEnSuClaseComoNumeroOComoTexto) {
    // Codes: date, text, numeric, money, boolean; -1 / 0 / 999: none.
    const struct {
        QVariant tipo;
        bool fecha, texto, numero, dinero, logico;
    } casos[] = {
        {135, true, false, false, false, false},      {QStringLiteral("133"), true, false, false, false, false},
        {64, true, false, false, false, false},       {7, true, false, false, false, false},
        {200, false, true, false, false, false},      {QStringLiteral("8"), false, true, false, false, false},
        {203, false, true, false, false, false},      {3, false, false, true, false, false},
        {131, false, false, true, false, false},      {21, false, false, true, false, false},
        {6, false, false, false, true, false},        {11, false, false, false, false, true},
        {999, false, false, false, false, false},     {QStringLiteral(" 7"), false, false, false, false, false},
        {QVariant(), false, false, false, false, false},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(DB_Dll::adodate(c.tipo), c.fecha) << c.tipo.toString().toStdString();
        EXPECT_EQ(DB_Dll::ADOText(c.tipo), c.texto) << c.tipo.toString().toStdString();
        EXPECT_EQ(DB_Dll::ADONumeric(c.tipo), c.numero) << c.tipo.toString().toStdString();
        EXPECT_EQ(DB_Dll::ADOCurrency(c.tipo), c.dinero) << c.tipo.toString().toStdString();
        EXPECT_EQ(DB_Dll::ADOBoolean(c.tipo), c.logico) << c.tipo.toString().toStdString();
        EXPECT_EQ(DB_Dll::ADOComilla(c.tipo), c.fecha || c.texto ? "'" : "") << c.tipo.toString().toStdString();
    }
}

TEST(SQLValue, LiteralesPorTipo) {
    const struct {
        QVariant valor;
        const char* tipo;
        const char* literal;
    } casos[] = {
        {QStringLiteral("ABC"), "'", "'ABC'"},
        {QStringLiteral("ABC"), "", "ABC"},
        {QStringLiteral("getdate()"), "", "getdate()"},
        {Nulo, "'", "NULL"},
        {Nulo, "", "NULL"},
        {Nulo, "@", "0"},
        {QVariant(), "'", "''"},  // Empty is the empty text, not Null
        {QVariant(), "@", "0"},
        {12.5, "@", "12.5"},
        {QStringLiteral("12.5"), "@", "12.5"},
        {QStringLiteral(" 7 "), "@", "7"},
        {QStringLiteral("abc"), "@", "0"},
        {QStringLiteral("1' OR '1'='1"), "@", "1"},
        {3.14159265, "@", "3.1416"},
        {-2, "@", "-2"},
        {12.5, "'", "'12.5'"},
        {QDate(2023, 2, 1), "'", "'01/02/2023'"},
        {QDateTime(QDate(2023, 2, 1), QTime(10, 30)), "'", "'01/02/2023 10:30:00'"},
        {true, "", "True"},
        {QStringLiteral(""), "'", "''"},
    };
    for (const auto& c : casos) {
        const QString tipo = QString::fromLatin1(c.tipo);
        EXPECT_EQ(DB_Dll::SQLValue(c.valor, tipo), QString::fromLatin1(c.literal)) << c.literal;
        EXPECT_EQ(DB_Dll::SQLValue2(c.valor, tipo), QString::fromLatin1(c.literal)) << c.literal;
    }
    EXPECT_EQ(DB_Dll::SQLValue(QStringLiteral("x")), "'x'");
}

TEST(SQLValue, ElTextoEscritoNoCambiaLaSentencia) {
    EXPECT_EQ(DB_Dll::SQLValue(QStringLiteral("O'Higgins")), "'O''Higgins'");
    EXPECT_EQ(DB_Dll::SQLValue(QStringLiteral("x'); DROP TABLE TA_USUARIOS; --")),
              "'x''); DROP TABLE TA_USUARIOS; --'");
    EXPECT_EQ(DB_Dll::SQLValue(QStringLiteral("''")), "''''''");
}

TEST(SQLValue, PuntoDecimalCualquieraSeaElIdioma) {
    const QLocale anterior;
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    EXPECT_EQ(DB_Dll::SQLValue(12.5, QStringLiteral("@")), "12.5");
    EXPECT_EQ(DB_Dll::SQLValue(1234567.25, QStringLiteral("@")), "1234567.25");
    QLocale::setDefault(anterior);
}

TEST(Nombres, PartesDuenosCorchetesYCarpetas) {
    QString nombre = QStringLiteral("dbo.TABLA");
    EXPECT_EQ(DB_Dll::stSTF(nombre, 1), "TABLA");
    EXPECT_EQ(DB_Dll::stSTF(nombre, 0), "dbo");
    EXPECT_EQ(nombre, "dbo.TABLA");
    nombre = QStringLiteral("A.B.C");
    EXPECT_EQ(DB_Dll::stSTF(nombre, 1), "B.C");
    EXPECT_EQ(nombre, "B.C");
    nombre = QStringLiteral("TABLA");
    EXPECT_EQ(DB_Dll::stSTF(nombre, 0), "TABLA");

    nombre = QStringLiteral("srv.dbo.T");
    EXPECT_EQ(DB_Dll::StripOwner(nombre), "dbo.T");
    EXPECT_EQ(nombre, "dbo.T");
    nombre = QStringLiteral("T");
    EXPECT_EQ(DB_Dll::StripOwner(nombre), "T");

    EXPECT_EQ(DB_Dll::AddBrackets(QStringLiteral("MI TABLA")), "[MI TABLA]");
    EXPECT_EQ(DB_Dll::AddBrackets(QStringLiteral("[MI TABLA]")), "[MI TABLA]");
    EXPECT_EQ(DB_Dll::AddBrackets(QStringLiteral("TABLA")), "TABLA");
    EXPECT_EQ(DB_Dll::StripBrackets(QStringLiteral("[MI TABLA]")), "MI TABLA");
    EXPECT_EQ(DB_Dll::StripBrackets(QStringLiteral("[MI TABLA")), "MI TABL");
    EXPECT_EQ(DB_Dll::StripBrackets(QStringLiteral("TABLA]")), "TABLA]");

    EXPECT_EQ(DB_Dll::StripConnect(QStringLiteral("CLIENTES ->DSN")), "CLIENTES");
    EXPECT_EQ(DB_Dll::StripConnect(QStringLiteral("CLIENTES")), "CLIENTES");
    EXPECT_EQ(DB_Dll::StripConnect(QStringLiteral("X->Y")), "");

    EXPECT_EQ(DB_Dll::StripFileName(QStringLiteral("C:\\DATOS\\EMPRESA.MDB")), "C:\\DATOS");
    EXPECT_EQ(DB_Dll::StripFileName(QStringLiteral("EMPRESA.MDB")), "");
    EXPECT_EQ(DB_Dll::StripFileName(QString()), "");
}

TEST(Nombres, ErroresQueRecibeElLlamador) {
    EXPECT_EQ(NumeroDeError([] { DB_Dll::StripBrackets(QStringLiteral("[")); }), 5);
    EXPECT_EQ(NumeroDeError([] { DB_Dll::StripConnect(QStringLiteral("->T")); }), 5);
}
