// What a maintenance window pays when it switches state: five Enabled properties set in a row
// and the bar shown painted afterwards. The baseline refreshes after every setter; the control
// queues one refresh for the whole burst.
#include "UtilCx.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

UtilCx& Barra() {
    static UtilCx* barra = [] {
        auto* b = new UtilCx;
        b->resize(450, 57);
        b->show();
        QCoreApplication::processEvents();
        return b;
    }();
    return *barra;
}

template <bool RefrescarCadaVez>
void Rafaga(UtilCx& b, bool detalle) {
    auto poner = [&](void (UtilCx::*setter)(bool), bool valor) {
        (b.*setter)(valor);
        if constexpr (RefrescarCadaVez) b.Refrescar();
    };
    poner(&UtilCx::NuevoEnabled, !detalle);
    poner(&UtilCx::CancelarEnabled, detalle);
    poner(&UtilCx::BorrarEnabled, detalle);
    poner(&UtilCx::GrabarEnabled, detalle);
    poner(&UtilCx::CerrarEnabled, !detalle);
    QCoreApplication::processEvents();  // the host returns to the loop: refresh and paint
}

void BM_RefrescoPorCadaCambio_Base(benchmark::State& estado) {
    UtilCx& b = Barra();
    bool detalle = false;
    for (auto _ : estado) Rafaga<true>(b, detalle = !detalle);
}

void BM_RefrescoEncolado(benchmark::State& estado) {
    UtilCx& b = Barra();
    bool detalle = false;
    for (auto _ : estado) Rafaga<false>(b, detalle = !detalle);
}

BENCHMARK(BM_RefrescoPorCadaCambio_Base);
BENCHMARK(BM_RefrescoEncolado);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
