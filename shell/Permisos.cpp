#include "Permisos.h"

#include "Carpetas.h"
#include "EjecutorPasos.h"
#include "EstadoAplicacion.h"
#include "Sesiones.h"
#include "Texto.h"
#include "UsuarioAcceso.h"
#include "Utilidades.h"

using plataforma::IgualesSinMayusculas;

namespace {

// The suite's programs that are variants of another one, or that log no task: one table.
struct Variante {
    const char* programa;
    const char* principal;  // nullptr: no task query
    bool escribeAcceso;
};

constexpr Variante kVariantes[] = {
    // Variants that log their main program's task.
    {"VENTAS2", "VENTAS", true},                 // the second sales window
    {"PUNTOVENTA", "VENTAS", true},              // the point-of-sale windows
    {"PUNTOVENTATACTIL", "VENTAS", true},
    {"HISTORIALCOMANDAS", "COMANDAS", true},     // kitchen-order history
    {"PLANILLA2", "PLANILLA", true},             // the second spreadsheet editor
    {"PRECIOS2", "PRECIOS", true},               // the second price window
    {"ARTICULOS2", "ARTICULOS", true},           // the second article window
    {"HISTORIALFISCAL", "IMPRESORAFISCAL", true},  // fiscal-printer history utility
    {"ACUMULADORBASES", "ACTUALIZADORBASES", true},  // database accumulator
    // Utilities that log their access without a task.
    {"UTILIDADESFISCALES", nullptr, true},       // fiscal printer, timers and interfaces
    {"MAPAS", nullptr, true},                    // the map program
    {"RECEPCIONMAESTROS", nullptr, true},        // master-data reception interface
    // The back-up program logs nothing.
    {"RESPALDO", nullptr, false},
};

// The supervisor login whose sessions log the program's own name as their task.
const QString kSupervisor = QStringLiteral("ZPHZEKVYUY MXFMUE JS");

}  // namespace

ReglaPrograma ReglaDePrograma(const QString& nombre) {
    for (const Variante& v : kVariantes) {
        if (!IgualesSinMayusculas(nombre, QString::fromLatin1(v.programa))) continue;
        if (v.principal) return {QString::fromLatin1(v.principal), true, true};
        return {nombre, false, v.escribeAcceso};
    }
    return {nombre, true, true};
}

void CargarPermisos(const QString& Formulario) {
    EstadoAplicacion& estado = Estado();
    const QString ejecutable = plataforma::NombreEjecutable();
    QString nombre, tarea;
    ReglaPrograma regla;
    ado::Recordset rs;
    plataforma::EjecutarContinuando({
        [&] { nombre = Formulario.isEmpty() ? ejecutable : Formulario; },
        [&] { if (estado.gNombreUsuario.isEmpty()) estado.gNombreUsuario = SesionDB().gUsuario; },
        [&] {
            regla = ReglaDePrograma(nombre);
            return regla.escribeAcceso || regla.consultaTarea ? plataforma::Flujo::Siguiente : plataforma::Flujo::Terminar;
        },
        [&] {
            if (!regla.consultaTarea) return;
            // The user name is followed by one blank, as the suite has always written it; the
            // database ignores trailing blanks in the comparison.
            const QString sentencia =
                QStringLiteral("SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre ") +
                QStringLiteral(" FROM TA_TAREAS  with(nolock) INNER JOIN TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave ") +
                QStringLiteral(" WHERE (TA_TAREAS.USUARIO = ") + DB_Dll::SQLValue(estado.gNombreUsuario + QLatin1Char(' ')) +
                QStringLiteral(") AND (TA_MENU.Proceso LIKE ") + DB_Dll::SQLValue(QLatin1Char('%') + regla.proceso + QLatin1Char('%')) + QLatin1Char(')');
            SesionDB().AbrirRecordset(sentencia, rs);
        },
        [&] {
            if (!regla.consultaTarea) return;
            if (!rs.Eof()) {
                tarea = Utilidades().ValorCampo(rs.Fields(QStringLiteral("Nombre")).Value()).toString();
            } else if (IgualesSinMayusculas(ejecutable, QStringLiteral("VELMORA"))) {
                tarea = QStringLiteral("Menu Principal");
            } else if (IgualesSinMayusculas(SesionDB().gUsuario, SesionDB().gDBName) || IgualesSinMayusculas(SesionDB().gUsuario, kSupervisor)) {
                tarea = ejecutable;
            }
        },
        [&] { if (regla.consultaTarea) SesionDB().CierraRecordset(rs); },
        [&] { return IgualesSinMayusculas(ejecutable, QStringLiteral("VELMORA")) ? plataforma::Flujo::Terminar : plataforma::Flujo::Siguiente; },
        [&] { EscribirFilaAcceso(regla.proceso, tarea); },
    });
}
