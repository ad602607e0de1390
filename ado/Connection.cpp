// The Connection: provider resolution on Open, batches, transactions, schema rowsets, raising.
#include "Connection.h"

#include "ErrorEjecucion.h"
#include "Nucleo.h"
#include "Recordset.h"
#include "motor_sqlite.h"
#include "proveedor.h"

#include <QFileInfo>

namespace ado {

using plataforma::errores::ConexionNoValida;
using plataforma::errores::ErrorNoEspecificado;

// ---- Nucleo -----------------------------------------------------------------------------------

void Nucleo::lanzar(std::vector<Error> registros) {
    errores.Reemplazar(registros);
    const Error& e = registros.front();
    plataforma::Lanzar(e.Number, e.Description, e.Source);
}

void Nucleo::comprobarFallo(Operacion operacion) {
    FalloSimulado& f = fallos[static_cast<int>(operacion)];
    if (!servidorCaido && f.restantes <= 0) return;
    if (f.restantes > 0) --f.restantes;
    const QString fuente = motor ? motor->datos().origenErrores : origen;
    if (servidorCaido && operacion == Operacion::Abrir) {
        lanzar({Error{ErrorNoEspecificado,
                      QStringLiteral("[DBNETLIB][ConnectionOpen (Connect()).]El servidor SQL Server no existe o se ha denegado el acceso."),
                      fuente, QStringLiteral("08001"), nativos::ServidorNoExiste}});
    }
    lanzar({Error{ErrorNoEspecificado, QString::fromUtf8(TextoErrorRed), fuente, QStringLiteral("08S01"), nativos::ErrorGeneralRed}});
}

Motor& Nucleo::motorAbierto() {
    if (!motor) plataforma::Lanzar(ConexionNoValida, QString(), origen);
    return *motor;
}

// ---- Connection -------------------------------------------------------------------------------

Connection::Connection() : nucleo_(std::make_shared<Nucleo>()) {
    nucleo_->origen = QStringLiteral("ADODB.Connection");
}

Connection::~Connection() = default;

int Connection::State() const { return nucleo_->motor ? adStateOpen : adStateClosed; }

void Connection::Open(const QString& connectionString, const QString&, const QString&, int) {
    if (nucleo_->motor) plataforma::Lanzar(plataforma::errores::ObjetoAbierto, QString(), nucleo_->origen);
    if (!connectionString.isEmpty()) connectionString_ = connectionString;
    const Destino destino = ResolverProveedor(connectionString_);
    nucleo_->origen = destino.origenErrores;
    nucleo_->comprobarFallo(Operacion::Abrir);
    if (destino.motor != ClaseMotor::Sqlite) {
        nucleo_->lanzar({Error{ErrorNoEspecificado,
                               QStringLiteral("No se puede conectar con el servidor '%1' (proveedor '%2'): en esta versión solo se admiten "
                                              "las bases locales (servidor (localdb)) y los archivos de base de datos.")
                                   .arg(destino.servidor, destino.proveedor),
                               destino.origenErrores, QStringLiteral("08001"), nativos::ServidorNoExiste}});
    }
    const bool jet = destino.origenErrores.contains(QLatin1String("JET"));
    if (destino.ruta.isEmpty() || !QFileInfo(destino.ruta).isFile()) {
        if (jet) {
            nucleo_->lanzar({Error{ErrorNoEspecificado, QStringLiteral("No se pudo encontrar el archivo '%1'.").arg(destino.ruta),
                                   destino.origenErrores, QStringLiteral("3024"), -1811}});
        }
        nucleo_->lanzar({Error{ErrorNoEspecificado,
                               QStringLiteral("No se puede abrir la base de datos \"%1\" solicitada por el inicio de sesión. Error de inicio de sesión.")
                                   .arg(destino.baseDatos),
                               destino.origenErrores, QStringLiteral("42000"), nativos::BaseNoAbre}});
    }
    DatosMotor datos;
    datos.proveedor = destino.proveedor;
    datos.origenErrores = destino.origenErrores;
    datos.baseDatos = destino.baseDatos;
    datos.filasReleibles = true;
    try {
        nucleo_->motor = AbrirMotorSqlite(destino.ruta, datos);
    } catch (const FalloMotor& f) {
        nucleo_->lanzar(f);
    }
    nucleo_->motor->fijarTiempoEspera(commandTimeout_);
    baseDatos_ = destino.baseDatos;
}

void Connection::Close() {
    if (!nucleo_->motor) plataforma::Lanzar(plataforma::errores::ObjetoCerrado, QString(), nucleo_->origen);
    nucleo_->motor.reset();  // an open transaction is rolled back by the engine
}

Recordset Connection::Execute(const QString& commandText, int64_t* recordsAffected, int) {
    Motor& motor = nucleo_->motorAbierto();
    nucleo_->comprobarFallo(Operacion::Ejecutar);
    int64_t afectados = 0;
    std::unique_ptr<Resultado> filas;
    try {
        filas = motor.ejecutar(commandText, afectados);
    } catch (const FalloMotor& f) {
        if (recordsAffected) *recordsAffected = afectados;
        nucleo_->lanzar(f);
    }
    if (recordsAffected) *recordsAffected = afectados;
    Recordset rs;
    if (filas) rs.abrirConResultado(nucleo_, std::move(filas), commandText);
    return rs;
}

int Connection::BeginTrans() {
    Motor& motor = nucleo_->motorAbierto();
    nucleo_->comprobarFallo(Operacion::Transaccion);
    try {
        motor.iniciarTransaccion();
    } catch (const FalloMotor& f) {
        nucleo_->lanzar(f);
    }
    return motor.nivelTransaccion();
}

void Connection::CommitTrans() {
    Motor& motor = nucleo_->motorAbierto();
    nucleo_->comprobarFallo(Operacion::Transaccion);
    try {
        motor.confirmarTransaccion();
    } catch (const FalloMotor& f) {
        nucleo_->lanzar(f);
    }
}

void Connection::RollbackTrans() {
    Motor& motor = nucleo_->motorAbierto();
    nucleo_->comprobarFallo(Operacion::Transaccion);
    try {
        motor.deshacerTransaccion();
    } catch (const FalloMotor& f) {
        nucleo_->lanzar(f);
    }
}

Recordset Connection::OpenSchema(int schema, const QVariantList& restrictions) {
    Motor& motor = nucleo_->motorAbierto();
    nucleo_->comprobarFallo(Operacion::Esquema);
    auto restriccion = [&](int i) { return i < restrictions.size() ? restrictions[i].toString().trimmed() : QString(); };
    std::unique_ptr<Resultado> filas;
    try {
        if (schema == adSchemaTables) filas = motor.esquemaTablas(restriccion(2));
        else if (schema == adSchemaColumns) filas = motor.esquemaColumnas(restriccion(2), restriccion(3));
        else plataforma::Lanzar(ado::errores::ArgumentosNoValidos, QString(), motor.datos().origenErrores);
    } catch (const FalloMotor& f) {
        nucleo_->lanzar(f);
    }
    Recordset rs;
    rs.abrirConResultado(nucleo_, std::move(filas), QString());
    return rs;
}

void Connection::setCommandTimeout(int segundos) {
    commandTimeout_ = segundos;
    if (nucleo_->motor) nucleo_->motor->fijarTiempoEspera(segundos);
}

QString Connection::DefaultDatabase() const { return baseDatos_; }

// One file holds one database: naming it again is accepted, and the name is what the
// connection reports; the file does not change.
void Connection::setDefaultDatabase(const QString& nombre) { baseDatos_ = nombre; }

void Connection::setConnectionString(const QString& cadena) {
    if (nucleo_->motor) plataforma::Lanzar(plataforma::errores::ObjetoAbierto, QString(), nucleo_->origen);
    connectionString_ = cadena;
}

QString Connection::Provider() const {
    return nucleo_->motor ? nucleo_->motor->datos().proveedor : ResolverProveedor(connectionString_).proveedor;
}

ado::Errors& Connection::Errors() { return nucleo_->errores; }
const ado::Errors& Connection::Errors() const { return nucleo_->errores; }

void Connection::SimularErrorRed(Operacion operacion, int veces) { nucleo_->fallos[static_cast<int>(operacion)].restantes = veces; }

void Connection::SimularServidorCaido(bool caido) { nucleo_->servidorCaido = caido; }

}  // namespace ado
