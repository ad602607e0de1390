#include "Lanzamiento.h"

#include "ErrorEjecucion.h"
#include "Sistema.h"

void AbrirEnlace(const QString& Direccion, bool Minimizada) {
    QString direccion = Direccion;
    if (!direccion.contains(QLatin1Char('"')) && direccion.contains(QLatin1Char(' '))) direccion = QLatin1Char('"') + direccion + QLatin1Char('"');
    const int modo = Minimizada ? 6 : 0;
    if (!Sistema().AbrirDocumento(0, QString(), direccion, QString(), QString(), modo)) {
        plataforma::Lanzar(plataforma::errores::ArchivoNoEncontrado);
    }
}
