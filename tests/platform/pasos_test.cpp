// The step runner's answers and the end of the process.
#include "EjecutorPasos.h"
#include "FinProceso.h"

#include <gtest/gtest.h>

using namespace plataforma;

namespace {

struct Traza {
    std::vector<std::string> pasos;
    int fallosRestantes = 1;
};

std::vector<Paso> pasosConFallo(Traza& t) {
    return {
        [&] { t.pasos.push_back("uno"); },
        [&] {
            t.pasos.push_back("dos");
            if (t.fallosRestantes-- > 0) Lanzar(errores::ArgumentoNoValido);
        },
        [&] { t.pasos.push_back("tres"); },
    };
}

}  // namespace

TEST(EjecutorPasos, LasTresRespuestasDelOperador) {
    struct Caso { int codigo; std::vector<std::string> esperado; bool completo; };
    const Caso casos[] = {
        {4, {"uno", "dos", "dos", "tres"}, true},   // Reintentar: the failed step runs again
        {5, {"uno", "dos", "tres"}, true},          // Ignorar: the next step
        {3, {"uno", "dos"}, false},                 // Abortar: leave
        {0, {"uno", "dos"}, false},                 // already reported: leave
    };
    for (const Caso& c : casos) {
        Traza t;
        int preguntas = 0;
        const auto r = EjecutarPasos(pasosConFallo(t), [&](const ErrorEjecucion& e) {
            ++preguntas;
            EXPECT_EQ(e.Number, 5);
            EXPECT_FALSE(e.Description.isEmpty());
            return RespuestaDesdeCodigo(c.codigo);
        });
        EXPECT_EQ(t.pasos, c.esperado) << "respuesta " << c.codigo;
        EXPECT_EQ(r.completo, c.completo);
        EXPECT_EQ(preguntas, 1);
        ASSERT_TRUE(r.ultimoError.has_value());
    }
}

TEST(EjecutorPasos, ContinuarSiempreYTerminarAntes) {
    Traza t;
    t.fallosRestantes = 99;
    EXPECT_TRUE(EjecutarContinuando(pasosConFallo(t)).completo);
    EXPECT_EQ(t.pasos, (std::vector<std::string>{"uno", "dos", "tres"}));

    std::vector<std::string> vistos;
    const auto r = EjecutarContinuando({[&] { vistos.push_back("a"); return Flujo::Terminar; }, [&] { vistos.push_back("b"); }});
    EXPECT_FALSE(r.completo);
    EXPECT_EQ(vistos, std::vector<std::string>{"a"});
}

TEST(EjecutorPasos, ElFinDelProcesoNoLoDetieneNingunManejador) {
    std::vector<std::string> vistos;
    EXPECT_THROW(EjecutarContinuando({[&] { TerminarProceso(3); }, [&] { vistos.push_back("después"); }}), ProcesoTerminado);
    EXPECT_TRUE(vistos.empty());
}

TEST(EjecutorPasos, UnErrorSinManejadorLlegaAlLlamador) {
    // A routine without a handler of its own is a plain call inside the caller's step.
    auto rutinaSinManejador = [] { Lanzar(errores::ObjetoCerrado); };
    int numero = 0;
    EjecutarPasos({[&] { rutinaSinManejador(); }}, [&](const ErrorEjecucion& e) { numero = e.Number; return Respuesta::Salir; });
    EXPECT_EQ(numero, 3704);
}
