#include "Lanzamiento.h"

#include "Carpetas.h"
#include "Dialogos.h"
#include "EjecutorPasos.h"
#include "ErrorEjecucion.h"
#include "EstadoAplicacion.h"
#include "MensajeError.h"
#include "Procesos.h"
#include "Sesiones.h"
#include "Sistema.h"
#include "Texto.h"
#include "Utilidades.h"

void AbrirEnlace(const QString& Direccion, bool Minimizada) {
    QString direccion = Direccion;
    if (!direccion.contains(QLatin1Char('"')) && direccion.contains(QLatin1Char(' '))) direccion = QLatin1Char('"') + direccion + QLatin1Char('"');
    const int modo = Minimizada ? 6 : 0;
    if (!Sistema().AbrirDocumento(0, QString(), direccion, QString(), QString(), modo)) {
        plataforma::Lanzar(plataforma::errores::ArchivoNoEncontrado);
    }
}

QString ComandoParaOtroPrograma(const QString& Parametro) {
    const EstadoAplicacion& e = Estado();
    const DB_Dll& sesion = SesionDB();
    return QStringLiteral(" ; @server=") + sesion.gServidor + QStringLiteral("; @dbname=") + sesion.gDBName + QStringLiteral("; @usuario=") +
           e.gNombreUsuario + QStringLiteral("; @Password=") + e.gClaveUsuario + QStringLiteral("; @ParametroAdicional=") + Parametro +
           QStringLiteral("; zento@ ; @UsuarioLogeado = ") + e.gNombreUsuario + QStringLiteral("; @Caja=") + e.gCaja + QStringLiteral(";");
}

void EjecutarPrograma(const QString& Programa, QString& Parametro, qint64& Resultado) {
    const Utilidades u;
    QString comando, programa;
    Resultado = 0;
    plataforma::EjecutarPasos(
        {
            [&] {
                const qsizetype blanco = Parametro.indexOf(QLatin1Char(' '));
                if (blanco >= 0) Parametro = Parametro.mid(blanco + 1);
            },
            [&] { comando = ComandoParaOtroPrograma(Parametro); },
            [&] {
                // The program is started directly with the command text as its one argument, which
                // the started program reads back as its command text.
                if (Programa.contains(QLatin1Char('\\')) || Programa.contains(QLatin1Char('/'))) {
                    programa = plataforma::Mid(Programa, 7).replace(QLatin1Char('\\'), QLatin1Char('/'));
                } else {
                    const QString carpeta = u.CarpetaConBarra(plataforma::CarpetaAplicacion());
                    programa = carpeta + (plataforma::ContieneSinMayusculas(Programa, QStringLiteral("SHELL")) ? plataforma::Mid(Programa, 7) : Programa);
                }
            },
            [&] {
                Resultado = plataforma::IniciarPrograma(programa, {comando});
                if (Resultado == 0) plataforma::Lanzar(plataforma::errores::ArchivoNoEncontrado, QStringLiteral("No se pudo iniciar ") + programa);
            },
            [&] {
                if (Resultado == 0) {
                    plataforma::MsgBox(QStringLiteral("Opcion no Implementada!\rComuniquese con su proveedor de sistemas"),
                                       plataforma::estilo::vbCritical, QStringLiteral("Atención"));
                }
            },
        },
        [](const plataforma::ErrorEjecucion& e) { return plataforma::RespuestaDesdeCodigo(MensajeError(e, std::nullopt, QStringLiteral("MenuExes"))); });
}
