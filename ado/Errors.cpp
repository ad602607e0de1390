// The error collection's item access.
#include "Errors.h"

#include "ErrorEjecucion.h"

namespace ado {

const Error& Errors::Item(int indice) const {
    if (indice < 0 || indice >= Count()) plataforma::Lanzar(plataforma::errores::ElementoNoEncontrado);
    return lista_[static_cast<size_t>(indice)];
}

}  // namespace ado
