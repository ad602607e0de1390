#include "EstadoAplicacion.h"

EstadoAplicacion& Estado() {
    static EstadoAplicacion estado;
    return estado;
}
