#include "FinProceso.h"

#include <cstdio>
#include <cstdlib>

namespace plataforma {

namespace {
std::function<void(int)>& terminadorInstalado() {
    static std::function<void(int)> t;
    return t;
}
}  // namespace

void TerminarProceso(int codigo) {
    if (auto& t = terminadorInstalado()) t(codigo);
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(codigo);
}

void InstalarTerminador(std::function<void(int)> terminador) { terminadorInstalado() = std::move(terminador); }

void TerminadorDePrueba(int codigo) { throw ProcesoTerminado{codigo}; }

}  // namespace plataforma
