#include "ParametrosInicio.h"

#include "ArchivoIni.h"
#include "Texto.h"
#include "Utilidades.h"

using plataforma::Mid;

namespace {

// One parameter: the text after the name up to the first ";" at or after the name. Raises the
// invalid-argument error when no ";" follows (the negative length of the original's Mid), except
// for "@ParametroAdicional", whose value is then the 19 characters after the name.
QString extraer(const QString& comando, const QString& nombre, qsizetype posicion) {
    const qsizetype fin = comando.indexOf(QLatin1Char(';'), posicion);
    const qsizetype inicioValor = posicion + nombre.size() + 1;  // 1-based, as Mid counts
    if (fin < 0) {
        if (nombre.compare(QLatin1String("@ParametroAdicional"), Qt::CaseInsensitive) == 0) return Mid(comando, inicioValor, nombre.size());
        plataforma::Lanzar(plataforma::errores::ArgumentoNoValido);
    }
    return Mid(comando, inicioValor, fin - posicion - nombre.size());
}

}  // namespace

void LeerParametros(const QString& comando, EstadoAplicacion& estado, ValoresComando& valores, const plataforma::Manejador& manejador) {
    const Utilidades utilidades;
    struct Destino {
        const char* nombre;
        QString* valor;
        const char* siFalta;
    };
    QString usuarioLogeado;
    const Destino destinos[] = {
        {"@ParametroAdicional", &estado.gParametroAdicional, ""},
        {"@Menu", &estado.gMenu, ""},
        {"@Server", &valores.servidor, ""},
        {"@DbName", &valores.base, ""},
        {"@Usuario", &valores.usuario, ""},
        {"@UsuarioLogeado", &usuarioLogeado, nullptr},  // absent: the trimmed user value, below
        {"@Password", &valores.clave, ""},
        {"@Caja", &estado.gCaja, "1"},
    };
    std::vector<plataforma::Paso> pasos;
    bool logeadoPresente = false;
    for (const Destino& d : destinos) {
        const QString nombre = QString::fromLatin1(d.nombre);
        const qsizetype posicion = plataforma::BuscarSinMayusculas(comando, nombre);
        if (posicion < 0) {
            pasos.emplace_back([d] { if (d.siFalta) *d.valor = QString::fromLatin1(d.siFalta); });
            continue;
        }
        if (d.valor == &usuarioLogeado) logeadoPresente = true;
        pasos.emplace_back([&comando, nombre, posicion, d] { *d.valor = extraer(comando, nombre, posicion); });
        pasos.emplace_back([&utilidades, d] { *d.valor = utilidades.QuitarCaracteres(*d.valor, QStringLiteral("=")).trimmed(); });
    }
    pasos.emplace_back([&] {
        estado.gNombreUsuario = logeadoPresente ? usuarioLogeado : QString();
        if (estado.gNombreUsuario.trimmed().isEmpty()) estado.gNombreUsuario = valores.usuario.trimmed();
    });
    pasos.emplace_back([&] {
        estado.gClaveUsuario = plataforma::IgualesSinMayusculas(valores.clave, valores.base) ? QStringLiteral("* *") : valores.clave;
    });
    plataforma::EjecutarPasos(pasos, manejador);
}

void LeerParametros(const QString& comando, EstadoAplicacion& estado, ValoresComando& valores) {
    LeerParametros(comando, estado, valores, [](const plataforma::ErrorEjecucion& e) {
        return e.Number == plataforma::errores::ArgumentoNoValido ? plataforma::Respuesta::Seguir : plataforma::Respuesta::Salir;
    });
}

QString ComandoPorDefecto(const ArchivoIni& ini, const Utilidades& utilidades, const QString& equipo, const QString& usuarioSistema) {
    const QString archivo = QStringLiteral("Velmora.INI");
    const QString seccion = equipo.toUpper() + QLatin1Char('|') + usuarioSistema.toUpper() + QStringLiteral("BaseDeDatos");
    const QString barra = QStringLiteral("|");
    const QString servidor = utilidades.QuitarCaracteres(ini.LeerIni(archivo, seccion, QStringLiteral("Servidor"), QString()), barra);
    const QString base = utilidades.QuitarCaracteres(ini.LeerIni(archivo, seccion, QStringLiteral("DbName"), QString()), barra);
    const QString usuario = utilidades.QuitarCaracteres(
        utilidades.Decodificar(ini.LeerIni(archivo, seccion, QStringLiteral("Usuario"), utilidades.Codificar(QStringLiteral("Corvex")))), barra);
    const QString clave = utilidades.QuitarCaracteres(
        utilidades.Decodificar(ini.LeerIni(archivo, seccion, QStringLiteral("UserPassWord"), utilidades.Codificar(QStringLiteral("pandero")))), barra);
    return QStringLiteral("@server=") + servidor + QStringLiteral("; @dbname= ") + base + QStringLiteral("; @usuario= ") + usuario +
           QStringLiteral("; @Password= ") + clave + QStringLiteral("; @ParametroAdicional=; @Caja=1;zento@");
}

QString NormalizarServidor(const QString& servidor) {
    QString resultado = servidor;
    const qsizetype barra = resultado.indexOf(QLatin1Char('/'));
    if (barra >= 0) resultado = resultado.mid(barra + 1);
    const qsizetype dosPuntos = resultado.indexOf(QLatin1Char(':'));
    if (dosPuntos >= 0) resultado.truncate(dosPuntos);
    return resultado;
}
