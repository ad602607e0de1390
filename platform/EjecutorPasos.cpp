#include "EjecutorPasos.h"

namespace plataforma {

Respuesta RespuestaDesdeCodigo(int codigo) {
    switch (codigo) {
        case 4: return Respuesta::Reintentar;
        case 5: return Respuesta::Seguir;
        default: return Respuesta::Salir;
    }
}

ResultadoPasos EjecutarPasos(const std::vector<Paso>& pasos, const Manejador& manejador) {
    ResultadoPasos resultado;
    for (size_t i = 0; i < pasos.size();) {
        try {
            if (pasos[i]() == Flujo::Terminar) {
                resultado.completo = false;
                return resultado;
            }
            ++i;
        } catch (const ErrorRuntime& e) {
            resultado.ultimoError = e.error();
            switch (manejador(e.error())) {
                case Respuesta::Reintentar: break;
                case Respuesta::Seguir: ++i; break;
                case Respuesta::Salir: resultado.completo = false; return resultado;
            }
        }
    }
    return resultado;
}

ResultadoPasos EjecutarContinuando(const std::vector<Paso>& pasos) {
    return EjecutarPasos(pasos, [](const ErrorEjecucion&) { return Respuesta::Seguir; });
}

}  // namespace plataforma
