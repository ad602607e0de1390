// Ending the process at once: no window unload, no exit stamp, nothing after it. One replaceable
// function, so tests can watch the end instead of dying with it.
#pragma once

#include <functional>

namespace plataforma {

// What the test terminator throws. It derives from nothing a step runner catches.
struct ProcesoTerminado {
    int codigo = 0;
};

// Ends the process immediately (works before the event loop runs). Never returns.
[[noreturn]] void TerminarProceso(int codigo = 0);

// Replaces the terminator; an empty function restores the real one. A terminator must not
// return: if it does, the process ends anyway.
void InstalarTerminador(std::function<void(int)> terminador);

// The terminator tests install: throws ProcesoTerminado.
void TerminadorDePrueba(int codigo);

}  // namespace plataforma
