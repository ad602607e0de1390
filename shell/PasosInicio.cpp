#include "PasosInicio.h"

#include "ArchivoIni.h"
#include "Sistema.h"
#include "Texto.h"

void ColoresIniciales(EstadoAplicacion& estado) {
    estado.gColorLetra = 0;
    estado.gColorFondo = 0xFFFFFF;
}

QString ComandoDelProceso(const QStringList& argumentos) { return argumentos.mid(1).join(QLatin1Char(' ')); }

QString ObtenerComando(const QString& lineaComando, const QString& comandoProceso, bool desdeIni, const ArchivoIni& ini,
                       const Utilidades& utilidades, const Sistema& sistema) {
    const QString comando = lineaComando.isEmpty() ? comandoProceso : lineaComando;
    if (comando.trimmed().isEmpty() && desdeIni) return ComandoPorDefecto(ini, utilidades, sistema.NombreEquipo(), sistema.NombreUsuarioSistema());
    return comando;
}

QString SeccionIni(const QString& equipo, const QString& usuarioSistema) {
    QString seccion = equipo.toUpper() + QLatin1Char('|') + usuarioSistema.toUpper();
    if (seccion.trimmed().size() > 50) seccion = seccion.left(50);
    return seccion;
}

double LeerFlatToolbars(const ArchivoIni& ini, const QString& seccion) {
    return plataforma::Val(ini.LeerIni(QStringLiteral("Velmora.INI"), seccion, QStringLiteral("FlatToolbars"), QStringLiteral("1")));
}

void AplicarMarcaOracle(ValoresComando& valores, QString& connString) {
    const QString servidor = valores.servidor.trimmed();
    if (servidor.isEmpty() || !servidor.startsWith(QLatin1Char('#'))) return;
    valores.servidor = plataforma::ReemplazarSinMayusculas(valores.servidor, QStringLiteral("#"), QString());
    if (connString.isEmpty()) {
        connString = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=") + valores.base + QStringLiteral(";User Id=") + valores.usuario +
                     QStringLiteral(";Password=") + valores.clave + QStringLiteral(";");
    }
}
