// Ready-made queries: whether a row with a key exists, one column of that row, and the largest
// or smallest value of a column.
#include "DB_Dll.h"

#include "Dialogos.h"
#include "EjecutorPasos.h"
#include "Regional.h"
#include "Texto.h"
#include "Utilidades.h"

using plataforma::Flujo;
using plataforma::Respuesta;

namespace {

enum class Clase { Texto, Fecha, Numero, Otra };

// The kind of a value, from its type code compared as text (8 text, 7 date, 3/4/5 number).
Clase ClaseDe(const QVariant& tipodato, bool comillaEsTexto = false) {
    const QString tipo = tipodato.toString();
    if (tipo == QLatin1String("8") || (comillaEsTexto && tipo == QLatin1String("'"))) return Clase::Texto;
    if (tipo == QLatin1String("7")) return Clase::Fecha;
    if (tipo == QLatin1String("3") || tipo == QLatin1String("4") || tipo == QLatin1String("5")) return Clase::Numero;
    return Clase::Otra;
}

// Typed text always reaches the statement as a literal with its quotes doubled.
QString Literal(const QString& texto) { return DB_Dll::SQLValue(texto); }
QString Numero(const QVariant& valor) { return plataforma::NumeroConPunto(plataforma::Val(valor.toString())).trimmed(); }

// The key test's ending after the column, shared by the existence checks for every kind but
// trimmed text.
QString FinComparacion(Clase clase, const QVariant& valor) {
    switch (clase) {
        case Clase::Texto: return QStringLiteral(" =") + Literal(valor.toString());
        case Clase::Fecha: return QStringLiteral(" = ") + valor.toString().trimmed() + QStringLiteral(" ");
        case Clase::Numero: return QStringLiteral(" = ") + Numero(valor);
        case Clase::Otra: break;
    }
    return QStringLiteral(" = ") + valor.toString();
}

QString ConCondicion(const QString& condicion) {
    return (plataforma::ContieneSinMayusculas(condicion, QStringLiteral(" WHERE ")) ? QStringLiteral(" ") : QStringLiteral(" WHERE ")) +
           condicion;
}

// Opens the caller's recordset: read-only when asked, otherwise with the types it carries (a
// closed recordset carries the defaults, forward-only and read-only).
void AbrirParaLlamador(ado::Recordset& rs, const QString& sql, ado::Connection& cn, bool soloLectura) {
    int cursor = ado::adOpenForwardOnly;
    int bloqueo = ado::adLockReadOnly;
    if (rs.State() != ado::adStateClosed) {
        if (!soloLectura) {
            cursor = rs.CursorType();
            bloqueo = rs.LockType();
        }
        rs.Close();
    }
    rs.Open(sql, cn, cursor, bloqueo);
}


// What the existence checks and DatosTabla do on an error: a lost connection is reopened (the
// lost-connection box when it stays away); any other error, or a connection that came back too
// often, is shown with Abort/Retry/Ignore.
template <class Recuperar>
Respuesta ErrorDeConsulta(const plataforma::ErrorEjecucion& error, ado::Connection& principal, Recuperar&& recuperar) {
    if (principal.Errors().Count() > 0 && principal.Errors().Item(0).NativeError == ado::nativos::ErrorGeneralRed && recuperar())
        return Respuesta::Reintentar;
    const int respuesta = plataforma::MsgBox(error.Description, plataforma::estilo::vbAbortRetryIgnore + plataforma::estilo::vbCritical,
                                             QStringLiteral("Aviso al Operador"));
    return plataforma::RespuestaDesdeCodigo(respuesta);
}

}  // namespace

bool DB_Dll::ExisteEnTabla(const QString& Tabla, const QVariant& ValorBuscado, const QString& Campo, ado::Recordset* Lrcs,
                           const QVariant& Tipodato, const QString& Condicion, bool SoloLectura) {
    int16_t contador = 0;
    bool existe = false;
    QString sql;
    ado::Recordset propio;
    const std::vector<plataforma::Paso> pasos = {
        [&] {
            const Clase clase = ClaseDe(Tipodato);
            if (!Condicion.isEmpty()) {
                sql = QStringLiteral("SELECT TOP 1 * FROM ") + Tabla + QStringLiteral(" with(nolock) ") + ConCondicion(Condicion);
            } else if (clase == Clase::Texto) {
                sql = QStringLiteral("SELECT TOP 1  * FROM ") + Tabla + QStringLiteral(" with(nolock)  WHERE LTRIM(RTRIM(") + Campo +
                      QStringLiteral(")) =") + Literal(ValorBuscado.toString().trimmed());
            } else {
                sql = QStringLiteral("SELECT TOP 1 * FROM ") + Tabla + QStringLiteral(" with(nolock)  WHERE ") + Campo +
                      FinComparacion(clase, ValorBuscado);
            }
            sql = SS_TSinonimos(sql);
        },
        [&] {
            if (Lrcs) {
                AbrirParaLlamador(*Lrcs, sql, gCnn(), SoloLectura);
                existe = !Lrcs->BOF();
                return Flujo::Terminar;
            }
            propio.Open(ORACLE_Dicc(sql), gCnn(), ado::adOpenForwardOnly, ado::adLockReadOnly, ado::adCmdUnspecified);
            existe = !propio.BOF();
            return Flujo::Siguiente;
        },
        [&] { propio.Close(); },
    };
    plataforma::EjecutarPasos(pasos, [&](const plataforma::ErrorEjecucion& error) {
        return ErrorDeConsulta(error, principal().gCnn(), [&] { return RecuperarConexion(contador); });
    });
    return existe;
}

bool DB_Dll::ExisteEnTablaST(const QString& Tabla, const QVariant& ValorBuscado, const QString& Campo, ado::Recordset* Lrcs,
                             const QVariant& Tipodato, const QString& Condicion, bool SoloLectura) {
    int16_t contador = 0;
    bool existe = false;
    QString sql;
    ado::Recordset propio;
    ado::Connection& cn = principal().gCnn();
    const std::vector<plataforma::Paso> pasos = {
        [&] {
            if (!Condicion.isEmpty())
                sql = QStringLiteral("SELECT * FROM ") + Tabla + QStringLiteral(" with(nolock)  ") + ConCondicion(Condicion);
            else
                sql = QStringLiteral("SELECT * FROM ") + Tabla + QStringLiteral(" with(nolock)   WHERE ") + Campo +
                      FinComparacion(ClaseDe(Tipodato), ValorBuscado);
        },
        [&] {
            if (Lrcs) {
                AbrirParaLlamador(*Lrcs, sql, cn, SoloLectura);
                existe = !Lrcs->BOF();
                return Flujo::Terminar;
            }
            propio.Open(sql, cn, ado::adOpenForwardOnly, ado::adLockReadOnly, ado::adCmdUnspecified);
            existe = !propio.BOF();
            return Flujo::Siguiente;
        },
        [&] { propio.Close(); },
    };
    plataforma::EjecutarPasos(pasos, [&](const plataforma::ErrorEjecucion& error) {
        return ErrorDeConsulta(error, cn, [&] { return RecuperarConexion(contador); });
    });
    return existe;
}

QVariant DB_Dll::DatosTabla(const QString& Tabla, const QVariant& ValorBuscado, const QString& CampoDevuelto, const QString& Campo,
                            const QVariant& Tipodato, const QString& Condicion, bool UsaTrim, bool IgnoraError) {
    int16_t contador = 0;
    QVariant resultado;
    QString sql;
    ado::Recordset rs;
    const std::vector<plataforma::Paso> pasos = {
        [&] {
            sql = QStringLiteral("SELECT TOP 1 * FROM ") + Tabla;
            switch (ClaseDe(Tipodato, true)) {
                case Clase::Texto:
                    if (UsaTrim)
                        sql += QStringLiteral(" with(nolock)  WHERE LTRIM(RTRIM(") + Campo + QStringLiteral(")) =") +
                               Literal(ValorBuscado.toString().trimmed()) + QStringLiteral(" ");
                    else
                        sql += QStringLiteral(" with(nolock)  WHERE ") + Campo + QStringLiteral(" =") + Literal(ValorBuscado.toString()) +
                               QStringLiteral(" ");
                    break;
                case Clase::Fecha:
                    sql += QStringLiteral(" with(nolock)  WHERE ") + Campo + QStringLiteral(" = #") + ValorBuscado.toString().trimmed() +
                           QStringLiteral("# ");
                    break;
                case Clase::Numero:
                    sql += QStringLiteral(" with(nolock)  WHERE ") + Campo + QStringLiteral(" = ") + Numero(ValorBuscado);
                    break;
                case Clase::Otra:
                    sql += QStringLiteral(" with(nolock)  WHERE ") + Campo + QStringLiteral(" = ") + ValorBuscado.toString();
                    break;
            }
            if (!Condicion.trimmed().isEmpty()) sql += QStringLiteral(" AND ") + Condicion;
        },
        [&] { AbrirRecordset(sql, rs, &gCnn(), ado::adOpenForwardOnly, ado::adLockReadOnly, ado::adCmdUnspecified, true); },
        [&] {
            if (!gOpenFlag) return Flujo::Terminar;
            resultado = rs.BOF() ? QString() : Utilidades().ValorCampo(rs.Fields(CampoDevuelto).Value()).toString();
            return Flujo::Siguiente;
        },
        [&] { rs.Close(); },
    };
    plataforma::EjecutarPasos(pasos, [&](const plataforma::ErrorEjecucion& error) {
        if (IgnoraError) {
            resultado = QString();
            return Respuesta::Salir;
        }
        return ErrorDeConsulta(error, principal().gCnn(), [&] { return RecuperarConexion(contador); });
    });
    return resultado;
}

namespace {

// The aggregate's value, or nullopt when there is none: no row, or the Null that an aggregate
// of no rows gives (so an empty table proposes no code instead of code 0).
std::optional<QVariant> PrimerValor(DB_Dll& db, const QString& sql, const QString& columna) {
    ado::Recordset rs;
    rs.Open(sql, db.gCnn(), ado::adOpenForwardOnly, ado::adLockReadOnly, ado::adCmdUnspecified);
    if (rs.BOF()) return std::nullopt;
    const QVariant valor = rs.Fields(columna).Value();
    rs.Close();
    if (ado::EsNulo(valor)) return std::nullopt;
    return valor;
}

}  // namespace

QVariant DB_Dll::BuscaMaximo(const QString& QueTabla, const QString& QueCampo, const QVariant& Tipo, QString* Condicion) {
    QString condicion = Condicion ? *Condicion : QString();
    for (;;) {
        QString sql = QStringLiteral("SELECT MAX(") + QueCampo + QStringLiteral(") AS MAYOR FROM ") + QueTabla;
        if (!condicion.trimmed().isEmpty()) sql += QStringLiteral(" WHERE ") + condicion.trimmed();
        const std::optional<QVariant> valor = PrimerValor(*this, sql, QStringLiteral("MAYOR"));
        if (!valor) return QVariant();
        // The articles' codes that start with 0 are not part of the numbering.
        const QString exclusion = QStringLiteral("substring(ltrim(idarticulo),1,1)<>'0'");
        // Searched again once: a second answer starting with 0 cannot come from idarticulo, and
        // extending the condition again would search for ever.
        if (plataforma::IgualesSinMayusculas(QueTabla, QStringLiteral("V_MA_ARTICULOS")) &&
            valor->toString().trimmed().startsWith(QLatin1Char('0')) && !condicion.contains(exclusion)) {
            condicion = condicion.isEmpty() ? QStringLiteral(" ") + exclusion : condicion + QStringLiteral(" and ") + exclusion;
            if (Condicion) *Condicion = condicion;
            continue;
        }
        if (Tipo.toString() == QLatin1String("7")) return *valor;
        return plataforma::Val(valor->toString());
    }
}

QVariant DB_Dll::BuscaMinimo(const QString& QueTabla, const QString& QueCampo, const QVariant&, const QString& Condicion) {
    QString sql = QStringLiteral("SELECT MIN(") + QueCampo + QStringLiteral(") AS MENOR FROM ") + QueTabla + QStringLiteral("  with(nolock) ");
    if (!Condicion.trimmed().isEmpty()) sql += QStringLiteral(" WHERE ") + Condicion.trimmed();
    const std::optional<QVariant> valor = PrimerValor(*this, sql, QStringLiteral("MENOR"));
    return valor ? QVariant(plataforma::Val(valor->toString())) : QVariant();
}

QVariant DB_Dll::BuscaUltimoCodigo(const QString& QueTabla, const QString& QueCampo, const QVariant&, const QString& Condicion) {
    QString sql = QStringLiteral("SELECT MAX(") + QueCampo + QStringLiteral(") AS MAYOR FROM ") + QueTabla;
    if (!Condicion.trimmed().isEmpty()) sql += QStringLiteral(" WHERE ") + Condicion;
    const std::optional<QVariant> valor = PrimerValor(*this, sql, QStringLiteral("MAYOR"));
    return valor ? QVariant(plataforma::Val(valor->toString())) : QVariant();
}
