// velmora-db: the suite's database tool. "crear" makes a database of the embedded engine with
// the suite's tables (optionally with demo rows); "traducir" prints the SQL an engine receives.
#include "CrearBase.h"
#include "ErrorEjecucion.h"
#include "TraducirSql.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace {

constexpr const char* Uso =
    "Uso:\n"
    "  velmora-db crear --servidor SERVIDOR --base NOMBRE [--demo] [--reemplazar]\n"
    "  velmora-db traducir --motor sqlite|oracle [--usuario-comun] \"SQL\"\n";

int ErrorDeUso(const QString& motivo) {
    std::fputs((motivo + QLatin1Char('\n')).toUtf8().constData(), stderr);
    std::fputs(Uso, stderr);
    return 2;
}

// The value after an option ("--base DEMO"); empty and `falta` set when absent.
QString Valor(const QStringList& argumentos, qsizetype& i, bool& falta) {
    if (i + 1 >= argumentos.size()) { falta = true; return QString(); }
    return argumentos.at(++i);
}

int Crear(const QStringList& argumentos) {
    velmoradb::OpcionesCrear opciones;
    bool falta = false;
    for (qsizetype i = 0; i < argumentos.size(); ++i) {
        const QString& a = argumentos.at(i);
        if (a == QLatin1String("--servidor")) opciones.servidor = Valor(argumentos, i, falta);
        else if (a == QLatin1String("--base")) opciones.base = Valor(argumentos, i, falta);
        else if (a == QLatin1String("--demo")) opciones.demo = true;
        else if (a == QLatin1String("--reemplazar")) opciones.reemplazar = true;
        else return ErrorDeUso(QStringLiteral("Opción desconocida: ") + a);
    }
    if (falta || opciones.servidor.isEmpty() || opciones.base.isEmpty())
        return ErrorDeUso(QStringLiteral("Faltan el servidor o la base."));
    return velmoradb::CrearBase(opciones);
}

int Traducir(const QStringList& argumentos) {
    QString motor;
    QString sql;
    bool haySql = false;
    bool usuarioComun = false;
    bool falta = false;
    for (qsizetype i = 0; i < argumentos.size(); ++i) {
        const QString& a = argumentos.at(i);
        if (a == QLatin1String("--motor")) motor = Valor(argumentos, i, falta);
        else if (a == QLatin1String("--usuario-comun")) usuarioComun = true;
        else if (!haySql) { sql = a; haySql = true; }
        else return ErrorDeUso(QStringLiteral("Sobra el argumento: ") + a);
    }
    velmoradb::MotorDestino destino;
    if (motor.compare(QLatin1String("sqlite"), Qt::CaseInsensitive) == 0) destino = velmoradb::MotorDestino::Sqlite;
    else if (motor.compare(QLatin1String("oracle"), Qt::CaseInsensitive) == 0) destino = velmoradb::MotorDestino::Oracle;
    else return ErrorDeUso(QStringLiteral("El motor debe ser sqlite u oracle."));
    if (falta || !haySql) return ErrorDeUso(QStringLiteral("Falta la sentencia SQL."));
    try {
        const QByteArray salida = (velmoradb::TraducirSql(sql, destino, usuarioComun) + QLatin1Char('\n')).toUtf8();
        std::fwrite(salida.constData(), 1, static_cast<size_t>(salida.size()), stdout);
    } catch (const plataforma::ErrorRuntime& error) {
        std::fputs((QStringLiteral("No se pudo traducir la sentencia: ") + error.error().Description + QLatin1Char('\n'))
                       .toUtf8().constData(), stderr);
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication aplicacion(argc, argv);
    QStringList argumentos = aplicacion.arguments().mid(1);
    if (argumentos.isEmpty()) return ErrorDeUso(QStringLiteral("Falta la orden."));
    const QString orden = argumentos.takeFirst();
    if (orden == QLatin1String("crear")) return Crear(argumentos);
    if (orden == QLatin1String("traducir")) return Traducir(argumentos);
    return ErrorDeUso(QStringLiteral("Orden desconocida: ") + orden);
}
