// Statement execution: the admin prefix and synonyms resolved, Oracle scripts run step by step,
// recordsets opened and closed, and a dropped connection reopened with the statement repeated.
#include "DB_Dll.h"

#include "Dialogos.h"
#include "EjecutorPasos.h"
#include "Procesos.h"
#include "Sinonimos.h"
#include "TextoSql.h"
#include "Texto.h"

using basedatos::ContieneFueraDeLiterales;
using plataforma::Respuesta;
namespace pe = plataforma::errores;

namespace {

// Transaction statements are never repeated nor reported. Quoted texts do not count: a
// description such as 'TRANSPORTE' is data, not a transaction.
bool EsDeTransaccion(const QString& sql) { return ContieneFueraDeLiterales(sql, QStringLiteral("TRANS")); }

// Object-creation scripts without the prefix go through the synonyms; everything else only
// loses the prefix.
QString PrepararSentencia(const DB_Dll& db, const QString& sql) {
    if (ContieneFueraDeLiterales(sql, QStringLiteral("CREATE")) && ContieneFueraDeLiterales(sql, QStringLiteral("DROP")) &&
        !ContieneFueraDeLiterales(sql, QStringLiteral("DELETE")) && !ContieneFueraDeLiterales(sql, QStringLiteral("@Admin_")))
        return db.SS_TSinonimos(sql);
    return basedatos::QuitarPrefijoAdmin(sql);
}

bool ConexionOracle(const ado::Connection& cn) { return plataforma::ContieneSinMayusculas(cn.ConnectionString(), QStringLiteral("ORACLE")); }

// A truncation warning (one or two records) is not a failure of the statement.
void QuitarAvisoTruncamiento(ado::Errors& errores, const QString& sql) {
    if (errores.Count() >= 1 && errores.Count() <= 2 && !EsDeTransaccion(sql) &&
        errores.Item(0).NativeError == ado::nativos::Truncamiento)
        errores.Clear();
}

}  // namespace

void DB_Dll::EjecutaScriptOracle(QString& script, int64_t& RecordsAffected) {
    ado::Connection& cn = gCnn();
    const basedatos::ScriptOracle guion = PrepararScriptOracle(script);
    script = guion.preparado;
    for (const basedatos::PasoScriptOracle& paso : guion.pasos) {
        if (paso.error) plataforma::Lanzar(paso.error->Number, paso.error->Description, paso.error->Source);
        switch (paso.tipo) {
            case basedatos::PasoScriptOracle::Tipo::BeginTrans: cn.BeginTrans(); break;
            case basedatos::PasoScriptOracle::Tipo::CommitTrans: cn.CommitTrans(); break;
            case basedatos::PasoScriptOracle::Tipo::RollbackTrans: cn.RollbackTrans(); break;
            case basedatos::PasoScriptOracle::Tipo::Sentencia:
                if (!paso.sentencia.trimmed().isEmpty()) {
                    int64_t afectadas = 0;
                    cn.Execute(paso.sentencia, &afectadas, -1);
                    RecordsAffected += afectadas;
                }
                break;
        }
        script = paso.resto;
    }
    // The provider's informational status is no error.
    constexpr int32_t EstadoInformativo = 265929;
    if (cn.Errors().Count() == 1 && cn.Errors().Item(0).Number == EstadoInformativo) cn.Errors().Clear();
}

void DB_Dll::EjecutarPreparada(QString& SentenciaSQL, int64_t* RecordsAffected, ado::Recordset* Lrcs) {
    ado::Connection& cn = gCnn();
    if (ConexionOracle(cn)) {
        int64_t sinDestino = 0;
        EjecutaScriptOracle(SentenciaSQL, RecordsAffected ? *RecordsAffected : sinDestino);
        return;
    }
    ado::Recordset filas = cn.Execute(SentenciaSQL, RecordsAffected, -1);
    if (Lrcs) *Lrcs = std::move(filas);
}

void DB_Dll::EjecutaConsultaSQL(const QString& SentenciaSQL, int64_t* RecordsAffected, ado::Recordset* Lrcs) {
    QString sentencia = SentenciaSQL;
    EjecutaConsultaSQL(sentencia, RecordsAffected, Lrcs);
}

void DB_Dll::EjecutaConsultaSQL(QString& SentenciaSQL, int64_t* RecordsAffected, ado::Recordset* Lrcs) {
    int16_t contador = 0;
    const std::vector<plataforma::Paso> pasos = {
        [&] { SentenciaSQL = PrepararSentencia(*this, SentenciaSQL); },
        [&] { EjecutarPreparada(SentenciaSQL, RecordsAffected, Lrcs); },
        [&] { QuitarAvisoTruncamiento(principal().gCnn().Errors(), SentenciaSQL); },
    };
    plataforma::EjecutarPasos(pasos, [&](const plataforma::ErrorEjecucion&) {
        ado::Errors& errores = principal().gCnn().Errors();
        if (errores.Count() == 0 || EsDeTransaccion(SentenciaSQL)) return Respuesta::Salir;
        switch (errores.Item(0).NativeError) {
            case ado::nativos::ErrorGeneralRed:
                return RecuperarConexion(contador) ? Respuesta::Reintentar : Respuesta::Salir;
            case ado::nativos::Truncamiento:
                errores.Clear();
                return Respuesta::Salir;
            default:
                return Respuesta::Salir;
        }
    });
}

void DB_Dll::EjecutaConsultaRSQL(QString& SentenciaSQL, int64_t* RecordsAffected, ado::Recordset* Lrcs) {
    ado::Connection& cn = gCnn();
    const std::vector<plataforma::Paso> pasos = {
        [&] { SentenciaSQL = PrepararSentencia(*this, SentenciaSQL); },
        [&] { EjecutarPreparada(SentenciaSQL, RecordsAffected, Lrcs); },
        [&] { QuitarAvisoTruncamiento(cn.Errors(), SentenciaSQL); },
    };
    plataforma::EjecutarPasos(pasos, [&](const plataforma::ErrorEjecucion& error) {
        ado::Errors& errores = cn.Errors();
        if (errores.Count() > 0 && !EsDeTransaccion(SentenciaSQL) && errores.Item(0).NativeError == ado::nativos::Truncamiento) {
            errores.Clear();
            return Respuesta::Salir;
        }
        const bool usual = error.Number == pe::ErrorNoEspecificado || error.Number == pe::ErrorIntegridad ||
                           error.Number == pe::ObjetoNoEncontrado || error.Number == pe::ErrorSintaxisSql;
        if (!usual && !EsDeTransaccion(SentenciaSQL))
            plataforma::MsgBox(error.Description, plataforma::estilo::vbCritical, QStringLiteral("Aviso al operador!!!"));
        return Respuesta::Salir;
    });
}

void DB_Dll::AbrirRecordset(const QString& SentenciaSQL, ado::Recordset& Lrcs, ado::Connection* Conexionactiva, int CursorType,
                            int LockType, int Options, bool ConvOracle) {
    QString sentencia = SentenciaSQL;
    AbrirRecordset(sentencia, Lrcs, Conexionactiva, CursorType, LockType, Options, ConvOracle);
}

void DB_Dll::AbrirRecordset(QString& SentenciaSQL, ado::Recordset& Lrcs, ado::Connection* Conexionactiva, int CursorType, int LockType,
                            int Options, bool ConvOracle) {
    int16_t contador = 2;
    ado::Connection& cn = Conexionactiva ? *Conexionactiva : gCnn();
    QString fuente;
    const std::vector<plataforma::Paso> pasos = {
        [&] { CierraRecordset(Lrcs); },
        [&] { SentenciaSQL = SS_TSinonimos(SentenciaSQL); },
        [&] {
            // The provider's name comes first in the strings the program builds.
            const bool oracle = plataforma::BuscarSinMayusculas(cn.ConnectionString(), QStringLiteral("ORACLE")) > 0;
            fuente = oracle && ConvOracle ? ORACLE_Dicc(SentenciaSQL) : SentenciaSQL;
        },
        [&] { Lrcs.Open(fuente, cn, CursorType, LockType, Options); },
        // Paint and timers only: keys typed meanwhile wait for the window that asked for the rows.
        [&] { plataforma::ProcesarEventosPendientes(); },
    };
    plataforma::EjecutarPasos(pasos, [&](const plataforma::ErrorEjecucion& error) {
        if ((error.Number == pe::ErrorNoEspecificado || error.Number == pe::ConexionNoValida) && gCnn().Errors().Count() > 0 &&
            RecuperarConexion(contador))
            return Respuesta::Reintentar;
        return plataforma::RespuestaDesdeCodigo(TratamientoErrores(error, std::nullopt, QStringLiteral("AbrirRecordset")));
    });
}

void DB_Dll::CierraRecordset(ado::Recordset& LrcsTemp) {
    const std::vector<plataforma::Paso> pasos = {
        [&] {
            if (LrcsTemp.State() != ado::adStateClosed) LrcsTemp.Close();
        },
    };
    plataforma::EjecutarPasos(pasos, [&](const plataforma::ErrorEjecucion& error) {
        if (error.Number == pe::ContextoNoValido) {
            plataforma::EjecutarContinuando({
                [&] { LrcsTemp.CancelUpdate(); },
                [&] {
                    if (LrcsTemp.State() != ado::adStateClosed) LrcsTemp.Close();
                },
            });
            return Respuesta::Salir;
        }
        return plataforma::RespuestaDesdeCodigo(TratamientoErrores(error, std::nullopt, QStringLiteral("CierraRecordset")));
    });
}
