// Fuzz target: the command-text parser and the start-up pieces that take the server text apart.
#include "ParametrosInicio.h"
#include "PasosInicio.h"

#include <QString>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo) {
    const QString comando = QString::fromUtf8(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(largo));
    EstadoAplicacion estado;
    ValoresComando valores;
    LeerParametros(comando, estado, valores);
    QString cadena;
    AplicarMarcaOracle(valores, cadena);
    NormalizarServidor(valores.servidor);
    return 0;
}
