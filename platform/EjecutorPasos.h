// The step runner: gives a routine its error mode. A routine is a list of steps; a runtime error
// in a step goes to the routine's handler, whose answer retries the step, goes on or leaves.
#pragma once

#include "ErrorEjecucion.h"

#include <functional>
#include <initializer_list>
#include <optional>
#include <type_traits>
#include <vector>

namespace plataforma {

enum class Respuesta { Reintentar, Seguir, Salir };

// The operator's answer codes of an error box: 4 (Reintentar) retries, 5 (Ignorar) goes on,
// anything else (3 Abortar, 0 already reported, ...) leaves the routine.
Respuesta RespuestaDesdeCodigo(int codigo);

// What a step tells the runner when it ends normally: the next step, or leave the routine
// (the original's "Exit Sub" in the middle of a routine).
enum class Flujo { Siguiente, Terminar };

class Paso {
public:
    template <typename F>
    Paso(F f) {  // NOLINT(google-explicit-constructor): steps are written as plain lambdas
        if constexpr (std::is_same_v<std::invoke_result_t<F>, Flujo>) {
            cuerpo_ = std::move(f);
        } else {
            cuerpo_ = [g = std::move(f)]() mutable { g(); return Flujo::Siguiente; };
        }
    }
    Flujo operator()() const { return cuerpo_(); }

private:
    std::function<Flujo()> cuerpo_;
};

using Manejador = std::function<Respuesta(const ErrorEjecucion&)>;

struct ResultadoPasos {
    bool completo = true;                       // false when the handler or a step left early
    std::optional<ErrorEjecucion> ultimoError;  // the last error the handler saw
};

// Runs the steps in order. Only ErrorRuntime is caught: any other exception (the end of the
// process among them) passes through, so nothing runs after it.
ResultadoPasos EjecutarPasos(const std::vector<Paso>& pasos, const Manejador& manejador);

// Continue-on-error: a failing step is skipped and the next one runs.
ResultadoPasos EjecutarContinuando(const std::vector<Paso>& pasos);

}  // namespace plataforma
