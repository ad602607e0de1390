// The database object's error box: the same box and log line as the shell's, logged beside the
// program (or in the file named by gLogErr) and titled "- 5".
#include "DB_Dll.h"

#include "CajaError.h"
#include "Carpetas.h"

int16_t DB_Dll::TratamientoErrores(const plataforma::ErrorEjecucion& CodErr, std::optional<int> Botones, const QString& Rutina) {
    const QString ruta = gLogErr.isEmpty() ? plataforma::RutaAplicacion(QStringLiteral("CXERR.LOG")) : gLogErr;
    const plataforma::CajaError caja{ruta, QStringLiteral(" Aviso al operador!!! - 5 "), false};
    return static_cast<int16_t>(plataforma::MostrarCajaError(caja, CodErr, Botones, Rutina));
}
