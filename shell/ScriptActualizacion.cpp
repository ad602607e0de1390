#include "ScriptActualizacion.h"

#include "Carpetas.h"
#include "Dialogos.h"
#include "EjecutorPasos.h"
#include "MensajeError.h"
#include "RegistrarError.h"
#include "Sesiones.h"

void EjecutarScript(const QStringList& Sentencias, ResultadoScript& r, bool SilenciarDuplicado, bool SilenciarRestriccion, bool Mostrar) {
    const QString cr = QStringLiteral("\r");
    QString cuerpo;
    QString textoError;
    int32_t numero = 0;
    plataforma::EjecutarPasos(
        {
            [&] { r.Fallo = false; },
            [&] {
                for (const QString& s : Sentencias) {
                    if (!s.trimmed().isEmpty()) cuerpo += cr + s;
                }
                return cuerpo.isEmpty() ? plataforma::Flujo::Terminar : plataforma::Flujo::Siguiente;
            },
            [&] { r.Script = QStringLiteral("BEGIN TRANSACTION ") + cr + cr + cuerpo + cr; },
            [&] {
                try {
                    SesionDB().EjecutaConsultaSQL(r.Script);
                } catch (const plataforma::ErrorRuntime&) {
                    // The outcome is read from the error collection below.
                }
            },
            [&] {
                ado::Errors& errores = SesionDB().gCnn().Errors();
                if (errores.Count() == 0) return;
                numero = errores.Item(0).NativeError;
                r.Fallo = true;
                // With several errors the last one (the server's "statement terminated") is left out.
                const int listados = errores.Count() == 1 ? 1 : errores.Count() - 1;
                for (int i = 0; i < listados; ++i) {
                    textoError += QString::number(errores.Item(i).NativeError) + QStringLiteral(" : ") + errores.Item(i).Description + QStringLiteral("\r\n");
                }
                r.ErrorTexto = textoError;
                if ((SilenciarDuplicado && numero == 2627) || (SilenciarRestriccion && numero == 547)) {
                    r.ErrorTexto = errores.Item(0).Description;
                    textoError.clear();
                }
                errores.Clear();
            },
            [&] {
                if (!r.Fallo) return plataforma::Flujo::Siguiente;
                try {
                    SesionDB().EjecutaConsultaSQL(QStringLiteral("ROLLBACK TRANSACTION"));
                } catch (const plataforma::ErrorRuntime&) {
                }
                QString proceso = plataforma::NombreEjecutable();
                RegistrarError(r.Script, proceso, numero, textoError);
                if (!textoError.trimmed().isEmpty() && Mostrar) {
                    plataforma::MsgBox(textoError, plataforma::estilo::vbCritical, QStringLiteral("Aviso al Operador!"));
                }
                r.ErrorNativo = numero;
                return plataforma::Flujo::Terminar;
            },
            [&] { SesionDB().EjecutaConsultaSQL(QStringLiteral("COMMIT TRANSACTION")); },
            [&] { r.ErrorNativo = numero; },
        },
        [](const plataforma::ErrorEjecucion& e) {
            return plataforma::RespuestaDesdeCodigo(MensajeError(e, std::nullopt, QStringLiteral("GActualizarDatoScript")));
        });
}
