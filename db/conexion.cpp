// The object's connection: opening it on SQL Server or Oracle (asking for the parameters when
// told to), the administrator check, reopening it after a lost connection, and file databases.
#include "DB_Dll.h"

#include "Carpetas.h"
#include "Dialogos.h"
#include "DialogoConexion.h"
#include "EjecutorPasos.h"
#include "ElectorArchivo.h"
#include "FinProceso.h"
#include "Texto.h"

using plataforma::Flujo;
using plataforma::Respuesta;
namespace estilo = plataforma::estilo;
namespace pe = plataforma::errores;

namespace {

DB_Dll* gPrincipal = nullptr;
basedatos::DialogoConexion* gDialogoConexion = nullptr;
basedatos::ElectorArchivo* gElectorArchivo = nullptr;

const QString CR = QStringLiteral("\r");
const QString CRLF = QStringLiteral("\r\n");

}  // namespace

void basedatos::InstalarDialogoConexion(DialogoConexion* dialogo) { gDialogoConexion = dialogo; }
basedatos::DialogoConexion* basedatos::DialogoConexionInstalado() { return gDialogoConexion; }
void basedatos::InstalarElectorArchivo(ElectorArchivo* elector) { gElectorArchivo = elector; }
basedatos::ElectorArchivo* basedatos::ElectorArchivoInstalado() { return gElectorArchivo; }

DB_Dll::DB_Dll() = default;

DB_Dll::~DB_Dll() {
    if (gPrincipal == this) gPrincipal = nullptr;
}

void DB_Dll::InstalarPrincipal(DB_Dll* principal) { gPrincipal = principal; }
DB_Dll* DB_Dll::Principal() { return gPrincipal; }
DB_Dll& DB_Dll::principal() { return gPrincipal ? *gPrincipal : *this; }

ado::Connection& DB_Dll::gCnn() {
    if (!cnn_) cnn_ = std::make_unique<ado::Connection>();
    return *cnn_;
}

void DB_Dll::ArmarCadenaConexion() {
    if (gServidor.contains(QLatin1Char('#'))) {
        gConnString = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=") + gDBName + QStringLiteral(";User Id=") + gUsuario +
                      QStringLiteral(";Password=") + gUserPassWord + QStringLiteral(";");
    } else {
        gConnString = QStringLiteral("PROVIDER=") + pSQLOLEDB() + QStringLiteral(";") + QStringLiteral("Server=") + gServidor +
                      QStringLiteral(";") + QStringLiteral("Database =") + gDBName + QStringLiteral(";") + QStringLiteral("UId=") +
                      gUsuario + QStringLiteral(";") + QStringLiteral("Pwd=") + gUserPassWord + QStringLiteral(";") + gExtended;
    }
}

bool DB_Dll::PedirParametros() {
    basedatos::ParametrosConexion valores{gDBName, gServidor, gNombreUsuarioSesion, gUsuarioClave, 0};
    const bool aceptado = gDialogoConexion && gDialogoConexion->PedirConexion(valores);
    if (!aceptado) {
        gOpenFlag = false;
        return false;
    }
    gOpenFlag = true;
    gDBName = valores.baseDatos;
    gServidor = valores.servidor;
    // The suite's logins carry the database's name as login and password.
    gUsuario = valores.baseDatos;
    gUserPassWord = valores.baseDatos;
    if (valores.plataforma > 0) {
        gProveedor = QStringLiteral("OraOLEDB.Oracle.1");
        if (!gServidor.contains(QLatin1Char('#'))) gServidor += QLatin1Char('#');
    } else {
        gProveedor = QStringLiteral("SQLOLEDB");
    }
    return true;
}

void DB_Dll::OpenServerADODB(bool PideParametrosSQL, int lCursor, const QString& ConnString, bool ValidaAdmin, bool MuestraError) {
    ado::Connection& cn = gCnn();
    bool reabierta = false;  // an already open connection is closed and reopened once per call
    auto cerrarParaReabrir = [&] {
        reabierta = true;
        try {
            cn.Close();
        } catch (const plataforma::ErrorRuntime&) {
        }
    };
    const std::vector<plataforma::Paso> pasos = {
        [&] {
            gOpenFlag = true;
            if (gProveedor.isEmpty()) gProveedor = QStringLiteral("SQLOLEDB");
        },
        [&] {
            if (ConnString.trimmed().isEmpty()) ArmarCadenaConexion();
            else gConnString = ConnString;
        },
        [&] {
            if (!PideParametrosSQL) return Flujo::Siguiente;
            if (!PedirParametros()) return Flujo::Terminar;
            ArmarCadenaConexion();
            return Flujo::Siguiente;
        },
        [&] {
            cn.setCursorLocation(lCursor);
            cn.Open(gConnString, QString(), QString(), -1);
        },
        [&] {
            if (ValidaAdmin) return Flujo::Siguiente;
            gEsAdmin = true;
            return Flujo::Terminar;
        },
        [&] {
            if (gDBName.trimmed().isEmpty()) return Flujo::Terminar;
            cn.setDefaultDatabase(gDBName);
            return Flujo::Siguiente;
        },
        [&] {
            if (!principal().ExisteTablaDB(QStringLiteral("TA_USUARIOS"))) return;
            if (!MuestraError) {
                gEsAdmin = true;
                return;
            }
            const QVariant administrador = DatosTabla(QStringLiteral("ta_usuarios"), gNombreUsuarioSesion, QStringLiteral("Administrador"),
                                                      QStringLiteral("nombre"), 8, QString(), true, false);
            gEsAdmin = plataforma::Val(administrador.toString()) == 1;
        },
    };
    plataforma::EjecutarPasos(pasos, [&](const plataforma::ErrorEjecucion& error) {
        ado::Errors& errores = cn.Errors();
        // "Already open" is the object's own error, never the server's: records left in Errors
        // by an earlier failure must not turn it into a connection error box.
        if (error.Number == pe::ObjetoAbierto && !reabierta) {
            cerrarParaReabrir();
            return Respuesta::Reintentar;
        }
        if (!MuestraError) {
            gOpenFlag = false;
            return Respuesta::Salir;
        }
        if (errores.Count() == 0 || error.Number == pe::ObjetoAbierto) {
            plataforma::MsgBox(error.Description);
            return Respuesta::Salir;
        }
        const ado::Error primero = errores.Item(0);
        DB_Dll& sesion = principal();
        const QString texto =
            QStringLiteral(" Estado de Sql: ") + primero.SQLState + CR + QStringLiteral("Numero de Error: ") + QString::number(primero.Number) + CR +
            QStringLiteral("Descripcion: ") + primero.Description + CR + QStringLiteral("Codigo Nativo: ") + QString::number(primero.NativeError) +
            CR + CRLF + QStringLiteral("Nombre de Proceso: ") + plataforma::NombreEjecutable() + CR + CRLF + CRLF +
            QStringLiteral("1. Verifique el Usuario, contraseña y base de datos") + CRLF +
            QStringLiteral("2. Verifique el nombre del servidor, quizas necesite agregarle el nombre de la instancia, por ejemplo : ") +
            sesion.gServidor + QStringLiteral("\\ZENTOPOL") + CRLF + QStringLiteral("3. Verifique si el inicio de sesion para el usuario ") +
            sesion.gUsuario + QStringLiteral(" existe") + CRLF + CRLF + CRLF + QStringLiteral(" - Desea Intentarlo Nuevamente??? ");
        if (plataforma::MsgBox(texto, estilo::vbYesNo + estilo::vbCritical, QStringLiteral(" Error de Conexion a Base de Datos")) !=
            plataforma::respuesta::vbYes) {
            gOpenFlag = false;
            return Respuesta::Salir;
        }
        errores.Clear();
        if (!PedirParametros()) return Respuesta::Salir;
        ArmarCadenaConexion();
        return Respuesta::Reintentar;
    });
}

void DB_Dll::ReintentaConectar() {
    ado::Connection& cn = gCnn();
    const std::vector<plataforma::Paso> pasos = {
        [&] { gOpenFlag = false; },
        [&] { cn.setCommandTimeout(90); },
        [&] { cn.Close(); },
        [&] { cn.Open(cn.ConnectionString(), principal().gUsuario, principal().gUserPassWord, -1); },
        // An open the operator chose to skip leaves the connection closed: the flag says so.
        [&] { gOpenFlag = cn.State() == ado::adStateOpen; },
    };
    plataforma::EjecutarPasos(pasos, [&](const plataforma::ErrorEjecucion& error) {
        if (error.Number == pe::ObjetoCerrado) return Respuesta::Seguir;
        gOpenFlag = false;
        if (error.Number == pe::ErrorNoEspecificado) return Respuesta::Salir;
        return plataforma::RespuestaDesdeCodigo(TratamientoErrores(error, std::nullopt, QStringLiteral("AbrirRecordset")));
    });
}

bool DB_Dll::RecuperarConexion(int16_t& contador) {
    ReintentaConectar();
    if (gOpenFlag) return ++contador < 3;
    while (contador < 3) {
        ReintentaConectar();
        if (gOpenFlag) return true;
        ++contador;
    }
    for (;;) {
        DB_Dll& sesion = principal();
        const QString texto = CRLF + CRLF + CRLF + QStringLiteral("Se perdio la conexion con la base de datos ") + sesion.gDBName + CRLF +
                              QStringLiteral(" Servidor ") + sesion.gServidor + CRLF + CRLF +
                              QStringLiteral("Elija SI para reintentar conectarse") + CRLF + QStringLiteral("Elija NO para cerrar la aplicacion") +
                              CRLF + CRLF + CRLF;
        if (plataforma::MsgBox(texto, estilo::vbYesNo + estilo::vbCritical, QStringLiteral("AVISO AL OPERADOR")) != plataforma::respuesta::vbYes)
            plataforma::TerminarProceso();
        ReintentaConectar();
        if (gOpenFlag) return true;
    }
}

void DB_Dll::OpenLocalADODB(const QString& ConnString, const QString& CadenaID, const QString& CadenaPWD) {
    ado::Connection& cn = gCnn();
    // The stored password is offered once per call; after that the operator is asked.
    bool claveGuardadaProbada = false;
    auto elegirArchivo = [&] {
        const auto elegido = gElectorArchivo ? gElectorArchivo->ElegirArchivo(QStringLiteral("Buscar Base de Datos"),
                                                                             QStringLiteral("Base de Datos de Microsoft Access |*.MDB"))
                                             : std::nullopt;
        gDBName = elegido.value_or(QString());
        return elegido.has_value();
    };
    for (;;) {
        if (gDBName.trimmed().isEmpty() && !elegirArchivo()) return;
        const QString cadena = !ConnString.isEmpty()
                                   ? ConnString
                                   : QStringLiteral("PROVIDER=") + gProveedor + QStringLiteral(";") + QStringLiteral("Data Source =") + gDBName +
                                         QStringLiteral(";") + CadenaID + QStringLiteral("=") + gUsuario + QStringLiteral(";") + CadenaPWD +
                                         QStringLiteral("=") + gUserPassWord + QStringLiteral(";") + gExtended;
        try {
            cn.Open(cadena, QString(), QString(), -1);
            gConnString = cadena;
            return;
        } catch (const plataforma::ErrorRuntime& e) {
            const QString estado = cn.Errors().Count() > 0 ? cn.Errors().Item(0).SQLState : QString();
            if (estado == QLatin1String("3024") || estado == QLatin1String("3051") || estado == QLatin1String("3044")) {
                if (!elegirArchivo()) return;
                continue;
            }
            if (estado == QLatin1String("3031")) {
                if (gIgnoraPassWord.toBool() && !claveGuardadaProbada) {
                    claveGuardadaProbada = true;
                    gExtended = QStringLiteral("Jet OLEDB:Database Password=") + gUserPassWord + QStringLiteral(";");
                    continue;
                }
                const QString clave = plataforma::InputBox(QStringLiteral("ingrese el password:"), QStringLiteral("Password Access"));
                // A cancelled prompt gives up instead of asking for ever.
                if (clave.isEmpty()) return;
                gExtended = QStringLiteral(" Jet OLEDB:Database Password=") + clave + QStringLiteral(";");
                continue;
            }
            plataforma::MsgBox(QString::number(e.numero()) + QStringLiteral("  ") + e.error().Description, estilo::vbCritical);
            return;
        }
    }
}
