#include "UsuarioAcceso.h"

#include "Auditoria.h"
#include "Carpetas.h"
#include "DialogoConexion.h"
#include "Dialogos.h"
#include "EjecutorPasos.h"
#include "EstadoAplicacion.h"
#include "FinProceso.h"
#include "Regional.h"
#include "ScriptActualizacion.h"
#include "Sesiones.h"
#include "Sistema.h"
#include "Texto.h"
#include "Utilidades.h"
#include "UtilidadesShell.h"

using plataforma::IgualesSinMayusculas;

QStringList SistemasAceptados() {
    if (IgualesSinMayusculas(plataforma::NombreEjecutable(), QStringLiteral("LOMBAR"))) return {QStringLiteral("LOMBAR")};
    return {QStringLiteral("velmora"), QStringLiteral("ZENTO")};
}

bool ValidarUsuario(const QString& Nombre, const QString& Clave) {
    DB_Dll& sesion = SesionDB();
    if (IgualesSinMayusculas(Nombre, sesion.gDBName)) {
        Estado().gNombreUsuario = Nombre;
        return true;
    }
    QStringList sistemas;
    for (const QString& s : SistemasAceptados()) sistemas << QStringLiteral("SISTEMA = ") + DB_Dll::SQLValue(s);
    const QString sentencia = QStringLiteral("SELECT * FROM TA_USUARIOS WHERE NOMBRE = ") + DB_Dll::SQLValue(Nombre.trimmed()) +
                              QStringLiteral(" AND (") + sistemas.join(QStringLiteral(" OR ")) + QLatin1Char(')');
    ado::Recordset rs;
    sesion.AbrirRecordset(sentencia, rs);
    if (rs.Eof()) {
        sesion.CierraRecordset(rs);
        return false;
    }
    const Utilidades u;
    Estado().gNombreUsuario = Nombre;
    const QString guardada = u.Decodificar(u.ValorCampo(rs.Fields(QStringLiteral("Password")).Value()).toString());
    const bool aceptado = IgualesSinMayusculas(guardada, Clave);
    sesion.CierraRecordset(rs);
    return aceptado;
}

ResultadoIngreso IntentosIngreso(QString& servidor, QString& base) {
    using namespace plataforma::estilo;
    EstadoAplicacion& estado = Estado();
    DB_Dll& sesion = SesionDB();
    plataforma::MsgBox(QStringLiteral("El usuario o clave en la base de datos es incorrecto!\r\nIntentelo nuevamente"), vbOKOnly + vbCritical,
                       QStringLiteral("Atencion!"));
    for (int intento = 0; intento < 3; ++intento) {
        basedatos::ParametrosConexion valores{sesion.gDBName, sesion.gServidor, estado.gNombreUsuario, estado.gClaveUsuario, 0};
        basedatos::DialogoConexion* dialogo = basedatos::DialogoConexionInstalado();
        if (!dialogo || !dialogo->PedirConexion(valores)) plataforma::TerminarProceso();
        estado.gNombreUsuario = valores.usuario;
        estado.gClaveUsuario = valores.clave;
        if (ValidarUsuario(estado.gNombreUsuario, estado.gClaveUsuario)) {
            if (IgualesSinMayusculas(valores.baseDatos, sesion.gDBName) && IgualesSinMayusculas(valores.servidor, sesion.gServidor)) {
                return ResultadoIngreso::Aceptado;
            }
            servidor = valores.servidor;
            base = valores.baseDatos;
            return ResultadoIngreso::OtraConexion;
        }
        plataforma::MsgBox(QStringLiteral("Usuario o Clave incorrecta"), vbOKOnly + vbInformation, QStringLiteral("Atencion"));
        QString complemento = QStringLiteral("0");
        RegistrarAccion(QString(), QString(), complemento, true, false, false, QStringLiteral("Intento de inicio de sesion fallido"), QString(), false);
    }
    plataforma::MsgBox(QStringLiteral("Demasiados intentos para iniciar sesión!\r\nComuniquese con el administrador de sistemas"),
                       vbOKOnly + vbCritical, QStringLiteral("Atencion!"));
    plataforma::TerminarProceso();
}

void AgregarCampo(CamposPendientes& lista, const QString& Campo, QString& Valor, const QString& Tipo, bool Reiniciar) {
    if (Reiniciar) lista.clear();
    Valor.remove(QLatin1Char('\''));
    const QString literal = IgualesSinMayusculas(Valor, QStringLiteral("NULL")) ? QStringLiteral("Null") : DB_Dll::SQLValue(Valor, Tipo);
    lista.emplace_back(Campo, literal);
}

void ArmarSentencia(CamposPendientes& ListaCampos, QStringList& Sentencias, const QString& Tabla, bool EsUpdate, const QString& Where,
                    bool Conservar) {
    QString sentencia;
    if (!EsUpdate) {
        QStringList columnas, valores;
        for (const auto& [c, v] : ListaCampos) {
            columnas << c;
            valores << v;
        }
        sentencia = QStringLiteral("INSERT INTO ") + Tabla + QLatin1Char(' ') + QLatin1Char('(') + columnas.join(QLatin1Char(',')) +
                    QLatin1Char(')') + QStringLiteral(" VALUES (") + valores.join(QLatin1Char(',')) + QLatin1Char(')');
    } else {
        QString condicion = Where;
        if (!plataforma::ContieneSinMayusculas(condicion, QStringLiteral("WHERE"))) condicion = QStringLiteral(" WHERE ") + condicion;
        QStringList pares;
        for (const auto& [c, v] : ListaCampos) pares << c + QStringLiteral(" = ") + v;
        sentencia = QStringLiteral("UPDATE ") + Tabla + QStringLiteral(" SET ") + pares.join(QLatin1Char(',')) + QLatin1Char(' ') + condicion;
    }
    Sentencias << sentencia << QString();
    if (!Conservar) ListaCampos.clear();
}

void EscribirFilaAcceso(const QString& formulario, const QString& tarea) {
    EstadoAplicacion& estado = Estado();
    const QString ingreso = plataforma::FormatearFecha(QDateTime::currentDateTime(), FormatoFecha() + QLatin1Char(' ') + FormatoHora());
    QStringList sentencias{QString()};
    CamposPendientes campos;
    QString valores[] = {Sistema().NombreEquipo().trimmed().toUpper(), estado.gNombreUsuario.trimmed().toUpper(), formulario.trimmed().toUpper(),
                         tarea.trimmed().toUpper(), ingreso, estado.gNombreUsuario};
    const char* columnas[] = {"Maquina", "Usuario", "Formulario", "Tarea", "Ingreso", "NombreUsuario"};
    for (int i = 0; i < 6; ++i) AgregarCampo(campos, QString::fromLatin1(columnas[i]), valores[i], QStringLiteral("'"), i == 0);
    ArmarSentencia(campos, sentencias, QStringLiteral("Control_Acceso"), false, QString(), false);
    ResultadoScript resultado;
    EjecutarScript(sentencias, resultado, false, false, true);
    if (resultado.Fallo) return;
    // The key the database gave this very row: the connection's last identity, read right after
    // the insert on the same connection.
    ado::Recordset rs;
    SesionDB().AbrirRecordset(QStringLiteral("SELECT @@IDENTITY AS Id"), rs);
    if (!rs.Eof()) estado.gIdControlAcceso = rs.Fields(0).Value().toInt();
    SesionDB().CierraRecordset(rs);
}

void RegistrarEgreso() {
    const QString egreso = plataforma::FormatearFecha(QDateTime::currentDateTime(), FormatoFecha() + QLatin1Char(' ') + FormatoHora());
    const QString sentencia = QStringLiteral("UPDATE CONTROL_ACCESO ") + QStringLiteral(" SET EGRESO = '") + egreso + QLatin1Char('\'') +
                              QStringLiteral(" WHERE EGRESO IS NULL AND ") + QStringLiteral(" ID = ") + QString::number(Estado().gIdControlAcceso);
    try {
        SesionDB().EjecutaConsultaSQL(sentencia);
    } catch (const plataforma::ErrorRuntime& e) {
        plataforma::MsgBox(e.error().Description, plataforma::estilo::vbOKOnly);
    }
}
