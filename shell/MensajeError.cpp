#include "MensajeError.h"

#include "CajaError.h"
#include "Carpetas.h"
#include "Sistema.h"
#include "Utilidades.h"

QString CarpetaRegistroShell() {
    QString carpeta;
    if (!plataforma::VariableEntorno(QStringLiteral("temp")).isEmpty()) carpeta = plataforma::VariableEntorno(QStringLiteral("tmp"));
    carpeta = carpeta.trimmed();
    if (carpeta.isEmpty()) carpeta = Sistema().CarpetaAuxiliar();
    carpeta = Utilidades().CarpetaConBarra(carpeta);
    if (!carpeta.endsWith(QLatin1Char('/'))) carpeta += QLatin1Char('/');
    return carpeta;
}

int16_t MensajeError(const plataforma::ErrorEjecucion& CodErr, std::optional<int> Botones, const QString& Rutina) {
    const plataforma::CajaError caja{plataforma::RutaEnCarpeta(CarpetaRegistroShell(), QStringLiteral("CXERR.LOG")),
                                     QStringLiteral(" Aviso al operador!!! - 2 "), true};
    return static_cast<int16_t>(plataforma::MostrarCajaError(caja, CodErr, Botones, Rutina));
}
