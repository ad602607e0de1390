#include "CajaError.h"

#include "ArchivosAnsi.h"
#include "Dialogos.h"

#include <QFile>
#include <QLocale>

namespace plataforma {

QString PalabraRespuesta(int r) {
    switch (r) {
        case respuesta::vbRetry: return QStringLiteral("Reintentar");
        case respuesta::vbIgnore: return QStringLiteral("Ignorar");
        case respuesta::vbAbort: return QStringLiteral("Abortar");
        case respuesta::vbCancel: return QStringLiteral("Cancelar");
        case respuesta::vbYes: return QStringLiteral("Sí");
        case respuesta::vbNo: return QStringLiteral("No");
        default: return QString();
    }
}

QString LineaRegistroError(const QDateTime& momento, const QString& rutina, const QString& mensaje, int respuesta) {
    const QString parteRutina = rutina.isEmpty() ? QString() : (QStringLiteral(" - ") + rutina).trimmed();
    return QLocale::c().toString(momento, QStringLiteral("MM-dd-yyyy")) + QLatin1Char(' ') +
           QLocale::c().toString(momento, QStringLiteral("HH:mm:ss")) + QStringLiteral(" Rutina: ") + parteRutina +
           QStringLiteral(" Mensaje ") + mensaje.trimmed() + QStringLiteral(" Respondió : ") + PalabraRespuesta(respuesta);
}

int MostrarCajaError(const CajaError& caja, const ErrorEjecucion& error, std::optional<int> botones, const QString& rutina) {
    if (caja.abrirRegistroAntes) {
        QFile registro(caja.rutaRegistro);
        (void)registro.open(QIODevice::Append);  // only creates it; a failure loses nothing but the file
    }
    if (error.Number == 0) return 0;
    const QString texto = QStringLiteral("Ha ocurrido el Siguiente Error (") + QString::number(error.Number).trimmed() + QStringLiteral(") ") +
                          error.Description.trimmed();
    const QString parteRutina = rutina.isEmpty() ? QString() : QStringLiteral(" - ") + rutina;
    const QString titulo = error.Source + parteRutina + caja.finTitulo;
    const int respuestaOperador = Dialogos().MsgBox(texto, botones.value_or(estilo::vbAbortRetryIgnore + estilo::vbCritical), titulo);
    AgregarLineaAnsi(caja.rutaRegistro, LineaRegistroError(QDateTime::currentDateTime(), rutina, texto, respuestaOperador));
    return respuestaOperador;
}

}  // namespace plataforma
