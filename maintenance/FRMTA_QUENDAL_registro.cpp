// The window's recordset: opening it, loading the found record into the boxes, and inserting,
// updating or deleting the record on screen through the recordset's own operations.
#include "FRMTA_QUENDAL.h"

#include "AyudaFormulario.h"
#include "EjecutorPasos.h"
#include "RutinasRegistro.h"
#include "Sesiones.h"
#include "Texto.h"
#include "Utilidades.h"

#include <QLineEdit>

void FRMTA_QUENDAL::AbrirRecordset(const QString& tabla) {
    plataforma::EjecutarPasos(
        {[&] {
            SesionDB().AbrirRecordset(QStringLiteral("SELECT * FROM ") + tabla, Registro, &SesionDB().gCnn(), ado::adOpenDynamic,
                                      ado::adLockOptimistic, ado::adCmdUnspecified, true);
        }},
        [](const plataforma::ErrorEjecucion& error) {
            return plataforma::RespuestaDesdeCodigo(Utilidades().MostrarError(error, QVariant(), QStringLiteral("AbrirRecordset")));
        });
}

void FRMTA_QUENDAL::CargarRegistro() {
    Modificacion = true;
    plataforma::EjecutarContinuando({[this] { AyudaFormulario().CargarCampos(AyudaFormulario::Cajas(this), Registro); }});
}

// Puts Registro on the stored row whose code is the one on screen, compared as the code check
// compares it (trimmed, without case).
void FRMTA_QUENDAL::PosicionarRegistro() {
    const QString codigo = txtFields[0]->text().trimmed();
    if (Registro.RecordCount() > 0) Registro.MoveFirst();
    for (; !Registro.Eof(); Registro.MoveNext()) {
        if (plataforma::IgualesSinMayusculas(Registro.Fields(QStringLiteral("codigo")).Value().toString().trimmed(), codigo)) return;
    }
    plataforma::Lanzar(ado::errores::FilaNoEncontrada,
                       QStringLiteral("No se encuentra la fila para actualizar. Algunos valores pueden haber cambiado desde la última lectura."));
}

void FRMTA_QUENDAL::GrabarRegistro() {
    bool EnEdicion = false;
    QString campo;
    HayError = false;
    const std::vector<plataforma::Paso> pasos = {
        [&] { SesionDB().CierraRecordset(Registro); },
        [&] { AbrirRecordset(QStringLiteral("TA_QUENDAL")); },
        [&] {
            if (!Baja) return plataforma::Flujo::Siguiente;
            PosicionarRegistro();
            Registro.Delete();
            Inicializa();
            return plataforma::Flujo::Terminar;
        },
        // The add or change is one step: a failure cancels the pending row, so repeating the
        // step starts it again from the new row or the positioning, never from half of it.
        [&] {
            campo.clear();
            if (Nuevo) {
                EnEdicion = true;
                Registro.AddNew();
            } else if (Modificacion) {
                PosicionarRegistro();
                EnEdicion = true;
            } else {
                return;
            }
            for (QLineEdit* caja : AyudaFormulario::Cajas(this)) {
                campo = caja->property("DataField").toString();
                AsignarCampo(Registro, campo, caja->text());
            }
            Registro.Update();
            EnEdicion = false;
            Registro.Close();
        },
    };
    plataforma::EjecutarPasos(pasos, [&](const plataforma::ErrorEjecucion& error) {
        Utilidades().RestaurarPuntero(0);
        HayError = true;
        if (EnEdicion) {
            EnEdicion = false;
            try {
                Registro.CancelUpdate();
            } catch (const plataforma::ErrorRuntime&) {
            }
        }
        return plataforma::RespuestaDesdeCodigo(ErroresADO(error, campo));
    });
}
