// The error row in AUX_ERR, written through the main session in continue-on-error mode.
#include "RegistrarError.h"

#include "Carpetas.h"
#include "DB_Dll.h"
#include "EjecutorPasos.h"
#include "EstadoAplicacion.h"
#include "Regional.h"
#include "Sistema.h"
#include "Utilidades.h"

#include <QDateTime>

void RegistrarError(const QString& Sql, QString& Proceso, int32_t NumeroError, const QString& Descripcion) {
    DB_Dll* sesion = DB_Dll::Principal();
    ado::Recordset rs;
    // One step per column, so that a column the table lacks loses only its own value.
    auto campo = [&rs](const char* nombre, const QVariant& valor) {
        return [&rs, nombre, valor] { rs.Fields(QString::fromLatin1(nombre)) = valor; };
    };
    plataforma::EjecutarContinuando({
        [&] {
            if (Proceso.isEmpty()) Proceso = plataforma::NombreEjecutable();
        },
        [&] {
            if (!sesion) return plataforma::Flujo::Terminar;
            sesion->AbrirRecordset(QStringLiteral("select  top 1 * from AUX_ERR  with(nolock) "), rs, nullptr, ado::adOpenDynamic,
                                   ado::adLockOptimistic);
            return plataforma::Flujo::Siguiente;
        },
        [&] { rs.AddNew(); },
        [&] { rs.Fields(QStringLiteral("Proceso")) = Proceso; },  // as the first step left it
        campo("FECHA", plataforma::FormatearFecha(QDateTime::currentDateTime(), QStringLiteral("dd/mm/yy hh:mm"))),
        campo("Error", NumeroError),
        campo("Descripcion", Utilidades().TextoLimitado(Descripcion, 250)),
        campo("sql", Sql),
        campo("PC", Sistema().NombreEquipo()),
        campo("Usuario", Estado().gNombreUsuario),
        [&] { rs.Update(); },
        [&] {
            if (sesion) sesion->CierraRecordset(rs);
        },
    });
}
