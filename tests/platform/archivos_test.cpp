// Files of the suite: Windows-1252 with CR LF, names found without case, fixed-length records,
// the application folder and environment variables.
#include "ArchivosAnsi.h"
#include "CarpetaDePrueba.h"
#include "Carpetas.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

using namespace plataforma;

TEST(ArchivosAnsi, Windows1252IdaYVuelta) {
    const QString texto = QStringLiteral("Ñandú €uro “comillas” – Æ ÿ");
    const QByteArray bytes = CodificarAnsi(texto);
    EXPECT_EQ(bytes.size(), texto.size());
    EXPECT_EQ(static_cast<unsigned char>(bytes.at(0)), 0xD1);
    EXPECT_EQ(static_cast<unsigned char>(bytes.at(6)), 0x80);
    EXPECT_EQ(DecodificarAnsi(bytes), texto);
    EXPECT_EQ(CodificarAnsi(QStringLiteral("漢")), QByteArray("?"));
}

TEST(ArchivosAnsi, LineasConCrLfYSinFinal) {
    CarpetaDePrueba carpeta;
    carpeta.escribir("a.txt", QByteArray("uno\r\nd\xF3s\nTres"));
    const auto lineas = LeerLineasAnsi(carpeta.archivo("a.txt"));
    ASSERT_TRUE(lineas);
    EXPECT_EQ(*lineas, (QStringList{"uno", "dós", "Tres"}));
    EXPECT_FALSE(LeerLineasAnsi(carpeta.archivo("falta.txt")));

    ASSERT_TRUE(EscribirLineasAnsi(carpeta.archivo("b.txt"), {"Peña", ""}));
    ASSERT_TRUE(AgregarLineaAnsi(carpeta.archivo("b.txt"), "fin"));
    EXPECT_EQ(carpeta.leer("b.txt"), QByteArray("Pe\xF1" "a\r\n\r\nfin\r\n"));
}

TEST(ArchivosAnsi, RegistrosDeLargoFijo) {
    CarpetaDePrueba carpeta;
    ArchivoRegistros archivo(carpeta.archivo("r.dat"), 8);
    EXPECT_EQ(archivo.cantidad(), 0);
    ASSERT_TRUE(archivo.escribir(2, "dos"));
    ASSERT_TRUE(archivo.escribir(1, "unounouno"));
    EXPECT_EQ(archivo.cantidad(), 2);
    EXPECT_EQ(*archivo.leer(1), QByteArray("unounoun"));
    EXPECT_EQ(*archivo.leer(2), QByteArray("dos     "));
    EXPECT_FALSE(archivo.leer(3));
}

TEST(Carpetas, ArchivosSinImportarMayusculas) {
    CarpetaDePrueba carpeta;
    carpeta.escribir("Velmora.INI", "x");
    carpeta.escribir("styles/Azul.qss", "y");
    EXPECT_EQ(RutaAplicacion("velmora.ini"), carpeta.archivo("Velmora.INI"));
    EXPECT_EQ(RutaAplicacion("Styles\\AZUL.qss"), carpeta.archivo("styles/Azul.qss"));
    // A file that does not exist keeps the spelling it is asked with.
    EXPECT_EQ(RutaAplicacion("CONSULTAS.CVX"), carpeta.archivo("CONSULTAS.CVX"));
    EXPECT_EQ(CarpetaAplicacion(), QDir(carpeta.ruta()).absolutePath());
}

TEST(Carpetas, VariablesDeEntornoSinMayusculas) {
    qputenv("VELMORA_Prueba_Var", "valor");
    EXPECT_EQ(VariableEntorno("velmora_prueba_var"), "valor");
    EXPECT_EQ(VariableEntorno("no_existe_nunca_xyz"), "");
    qunsetenv("VELMORA_Prueba_Var");
    EXPECT_EQ(NombreEjecutable(), "pruebas_platform");
    EXPECT_FALSE(NombreEquipo().isEmpty());
    EXPECT_FALSE(NombreUsuarioSistema().isEmpty());
}

TEST(ArchivosAnsi, DosProcesosAgregandoDejanLineasEnteras) {
    CarpetaDePrueba carpeta;
    const QString ruta = carpeta.archivo("CXERR.LOG");
    const QString linea = QString(300, QLatin1Char('x'));
    // Two shells append through this same program (re-invoked in a child mode below).
    QList<QProcess*> hijos;
    for (int i = 0; i < 2; ++i) {
        auto* p = new QProcess;
        p->setProgram(QCoreApplication::applicationFilePath());
        p->setArguments({"--gtest_filter=ArchivosAnsi.HijoQueAgrega"});
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VELMORA_LINEA_RUTA", ruta);
        env.insert("VELMORA_LINEA_CARACTER", i == 0 ? "a" : "b");
        p->setProcessEnvironment(env);
        p->start();
        hijos.append(p);
    }
    for (QProcess* p : hijos) {
        ASSERT_TRUE(p->waitForFinished(60000));
        EXPECT_EQ(p->exitCode(), 0);
        delete p;
    }
    const auto lineas = LeerLineasAnsi(ruta);
    ASSERT_TRUE(lineas);
    EXPECT_EQ(lineas->size(), 1000);
    for (const QString& l : *lineas) {
        ASSERT_EQ(l.size(), 300);
        ASSERT_TRUE(l == QString(300, 'a') || l == QString(300, 'b')) << l.toStdString();
    }
}

TEST(ArchivosAnsi, HijoQueAgrega) {
    const QString ruta = qEnvironmentVariable("VELMORA_LINEA_RUTA");
    if (ruta.isEmpty()) GTEST_SKIP() << "solo como proceso hijo";
    const QString linea(300, qEnvironmentVariable("VELMORA_LINEA_CARACTER").at(0));
    for (int i = 0; i < 500; ++i) ASSERT_TRUE(AgregarLineaAnsi(ruta, linea));
}
