// The main of every test program: Qt on the offscreen platform, the regional settings of the
// suite, and the test terminator, so that ending the process is observed instead of suffered.
#include "Apariencia.h"
#include "FinProceso.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    plataforma::PrepararAplicacion();
    plataforma::InstalarTerminador(plataforma::TerminadorDePrueba);
    return RUN_ALL_TESTS();
}
