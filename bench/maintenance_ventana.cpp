// The window's two paths an operator waits for, on the demo database, in-process on the
// offscreen platform: Enter on an existing code until its record is shown in detail editing,
// and F2 on a changed description until the window is back in code entry. The baseline is the
// one-row read of that record straight through the ado layer on the same connection.
#include "Connection.h"
#include "CrearBase.h"
#include "DB_Dll.h"
#include "Dialogos.h"
#include "EstadoAplicacion.h"
#include "FRMTA_QUENDAL.h"
#include "Inicio.h"
#include "Recordset.h"
#include "Sesiones.h"
#include "UtilCx.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

struct Entorno {
    QTemporaryDir carpeta;
    DB_Dll sesion;
    DB_Dll estadisticas;
    std::unique_ptr<FRMTA_QUENDAL> ventana;

    Entorno() {
        qputenv("VELMORA_HOME", carpeta.path().toUtf8());
        velmoradb::OpcionesCrear opciones;
        opciones.servidor = QStringLiteral("(localdb)");
        opciones.base = QStringLiteral("DEMO");
        opciones.demo = true;
        velmoradb::CrearBase(opciones);
        DB_Dll::InstalarPrincipal(&sesion);
        InstalarSesionEstadisticas(&estadisticas);
        sesion.gServidor = QStringLiteral("(localdb)");
        sesion.gDBName = sesion.gUsuario = sesion.gUserPassWord = QStringLiteral("DEMO");
        sesion.OpenServerADODB(false, ado::adUseClient, QString(), false, false);
        Estado().gNombreUsuario = Estado().gClaveUsuario = QStringLiteral("DEMO");
        ventana = std::make_unique<FRMTA_QUENDAL>();
        ventana->Form_Load();
        ventana->show();
        ventana->activateWindow();
        QApplication::setActiveWindow(ventana.get());
        QApplication::processEvents();
    }

    void Tecla(Qt::Key tecla) {
        QWidget* destino = QApplication::focusWidget() ? QApplication::focusWidget() : ventana.get();
        QKeyEvent pulsada(QEvent::KeyPress, tecla, Qt::NoModifier);
        QApplication::sendEvent(destino, &pulsada);
        QKeyEvent soltada(QEvent::KeyRelease, tecla, Qt::NoModifier);
        QApplication::sendEvent(destino, &soltada);
    }
    void Codigo(const QString& codigo) {
        ventana->txtFields[0]->setFocus();
        ventana->txtFields[0]->setText(codigo);
    }
};

Entorno& Ventana() {
    static Entorno entorno;
    return entorno;
}

void LecturaDirecta(benchmark::State& state) {
    Entorno& e = Ventana();
    for (auto _ : state) {
        ado::Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM TA_QUENDAL WHERE codigo = '   7'"), e.sesion.gCnn());
        benchmark::DoNotOptimize(rs.Fields(1).Value());
    }
}

void EnterHastaElRegistro(benchmark::State& state) {
    Entorno& e = Ventana();
    for (auto _ : state) {
        state.PauseTiming();
        e.ventana->UtilCx1_click(QStringLiteral("CANCELAR"));  // back to code entry
        e.Codigo(QStringLiteral("7"));
        state.ResumeTiming();
        e.Tecla(Qt::Key_Return);
        if (e.ventana->txtFields[1]->text() != QLatin1String("FURGON")) state.SkipWithError("the record was not shown");
    }
    e.ventana->UtilCx1_click(QStringLiteral("CANCELAR"));
}

void GrabarHastaEntradaDeCodigo(benchmark::State& state) {
    Entorno& e = Ventana();
    int vuelta = 0;
    for (auto _ : state) {
        state.PauseTiming();
        e.Codigo(QStringLiteral("7"));
        e.Tecla(Qt::Key_Return);
        e.ventana->txtFields[1]->setText(QStringLiteral("FURGON %1").arg(++vuelta % 2));
        state.ResumeTiming();
        e.Tecla(Qt::Key_F2);
        if (!e.ventana->UtilCx1->NuevoEnabled()) state.SkipWithError("the window did not return to code entry");
    }
}

}  // namespace

BENCHMARK(LecturaDirecta)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(EnterHastaElRegistro)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(GrabarHastaEntradaDeCodigo)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
