#include "Auditoria.h"

#include "Carpetas.h"
#include "Configuracion.h"
#include "EjecutorPasos.h"
#include "EstadoAplicacion.h"
#include "Sesiones.h"
#include "Sistema.h"
#include "Utilidades.h"

#include <QLocale>

void ArmarInsert(QString& Sentencia, ColumnasValores& lista, bool Liberar) {
    QStringList columnas, valores;
    for (const auto& [columna, valor] : lista) {
        columnas << columna;
        valores << valor;
    }
    Sentencia += QLatin1Char('(') + columnas.join(QLatin1Char(',')) + QLatin1Char(')') + QStringLiteral(" VALUES (") +
                 valores.join(QLatin1Char(',')) + QLatin1Char(')');
    if (Liberar) lista.clear();
}

void RegistrarAccion(const QString& TC, const QString& IdComprobante, QString& IdComplemento, bool Alta, bool Modificacion, bool,
                     const QString& Observacion, const QString& Cuenta, bool EsError) {
    const Utilidades u;
    const EstadoAplicacion& estado = Estado();
    ColumnasValores lista;
    QString sentencia;
    auto texto = [](const QString& valor) { return DB_Dll::SQLValue(valor); };
    plataforma::EjecutarContinuando({
        [&] { if (IdComplemento.isEmpty()) IdComplemento = QStringLiteral("0"); },
        [&] {
            // The complement is a number: only a number may reach the statement unquoted.
            const QString complemento = DB_Dll::SQLValue(IdComplemento, QStringLiteral("@"));
            const QString accion = EsError ? QStringLiteral("ER") : Alta ? QStringLiteral("A") : Modificacion ? QStringLiteral("M") : QStringLiteral("B");
            const QString fecha = QLocale::c().toString(FechaServidor(), QStringLiteral("dd/MM/yyyy HH:mm:ss"));
            lista = {
                {QStringLiteral("TC"), texto(u.FormatearCodigo(TC.trimmed(), 4))},
                {QStringLiteral("IdComprobante"), texto(IdComprobante)},
                {QStringLiteral("IdComplemento"), complemento},
                {QStringLiteral("Tipo_accion"), texto(accion)},
                {QStringLiteral("FECHAHORA"), texto(fecha)},
                {QStringLiteral("Usuario"), texto(estado.gNombreUsuario)},
                {QStringLiteral("PC"), texto(Sistema().NombreEquipo())},
                {QStringLiteral("SYSTEMUSER"), texto(u.TextoLimitado(Observacion, 255).trimmed())},
                {QStringLiteral("Proceso"), texto(u.TextoLimitado(plataforma::NombreEjecutable().trimmed() + QLatin1Char(' ') + estado.gParametroAdicional, 255))},
                {QStringLiteral("ProcesoLote"), texto(u.TextoLimitado(estado.gProcesoLote.trimmed(), 25).trimmed())},
                {QStringLiteral("Cuenta"), texto(u.TextoLimitado(Cuenta.trimmed(), 15).trimmed())},
            };
        },
        [&] {
            sentencia = QStringLiteral(" INSERT INTO V_MV_CPTEACCIONES ");
            ArmarInsert(sentencia, lista, true);
        },
        [&] { SesionDB().EjecutaConsultaSQL(sentencia); },
    });
}
