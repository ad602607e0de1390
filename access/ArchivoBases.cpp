#include "ArchivoBases.h"

#include "ArchivosAnsi.h"
#include "Carpetas.h"
#include "ErrorEjecucion.h"
#include "Utilidades.h"

#include <QFile>

QString RutaArchivoBases() { return plataforma::RutaAplicacion(QStringLiteral("BASES.TXT")); }

QString NombreConexion(const QString& base, const QString& servidor) {
    QString host = servidor.trimmed().toUpper();
    const qsizetype dosPuntos = host.indexOf(QLatin1Char(':'));
    if (dosPuntos >= 0) host.truncate(dosPuntos);
    return base.trimmed().toUpper() + QStringLiteral(" / ") + host;
}

void GrabarConexion(const QString& nombre, const QString& base, const QString& usuario, const QString& clave, const QString& servidor) {
    const QString ruta = RutaArchivoBases();
    QByteArray contenido;
    QFile existente(ruta);
    if (existente.exists()) {
        if (!existente.open(QIODevice::ReadOnly)) plataforma::Lanzar(plataforma::errores::PermisoDenegado);
        contenido = existente.readAll();
        existente.close();
    }
    const qsizetype ultimoSalto = contenido.lastIndexOf("\r\n");
    const QByteArray ultimaPieza = ultimoSalto < 0 ? contenido : contenido.mid(ultimoSalto + 2);
    const QString codificada = Utilidades().Codificar(clave);
    QString linea = nombre.trimmed() + QLatin1Char(',') + base.trimmed() + QLatin1Char(',') + usuario.trimmed() + QLatin1Char(',') +
                    codificada.trimmed() + QLatin1Char(',') + servidor.trimmed();
    if (!contenido.isEmpty() && !ultimaPieza.trimmed().isEmpty()) linea.prepend(QStringLiteral("\r\n"));
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::Append)) plataforma::Lanzar(plataforma::errores::PermisoDenegado);
    const QByteArray bytes = plataforma::CodificarAnsi(linea) + "\r\n";
    if (archivo.write(bytes) != bytes.size()) plataforma::Lanzar(plataforma::errores::PermisoDenegado);
}

namespace {

// The fields of the file in order, across lines.
QStringList camposDelArchivo(const QString& texto) {
    QStringList campos;
    qsizetype i = 0;
    const qsizetype n = texto.size();
    auto finDeLinea = [&](qsizetype j) { return j < n && (texto.at(j) == QLatin1Char('\r') || texto.at(j) == QLatin1Char('\n')); };
    auto saltarBlancos = [&] { while (i < n && (texto.at(i) == QLatin1Char(' ') || texto.at(i) == QLatin1Char('\t'))) ++i; };
    while (i < n) {
        saltarBlancos();
        if (finDeLinea(i)) {  // a blank line, or the end of the last field of a line
            ++i;
            continue;
        }
        if (i >= n) break;
        QString campo;
        if (texto.at(i) == QLatin1Char('"')) {
            const qsizetype cierre = texto.indexOf(QLatin1Char('"'), i + 1);
            campo = texto.mid(i + 1, (cierre < 0 ? n : cierre) - i - 1);
            i = cierre < 0 ? n : cierre + 1;
            while (i < n && texto.at(i) != QLatin1Char(',') && !finDeLinea(i)) ++i;  // text after the quote is dropped
        } else {
            const qsizetype inicio = i;
            while (i < n && texto.at(i) != QLatin1Char(',') && !finDeLinea(i)) ++i;
            campo = texto.mid(inicio, i - inicio).trimmed();
        }
        campos.append(campo);
        if (i < n && texto.at(i) == QLatin1Char(',')) {
            ++i;
            saltarBlancos();
            // A comma right before the line end leaves an empty last field.
            if (i >= n || finDeLinea(i)) campos.append(QString());
        }
    }
    return campos;
}

}  // namespace

std::vector<ConexionRegistrada> LeerConexiones(const QString& ruta) {
    QFile archivo(ruta);
    if (!archivo.exists()) return {};
    if (!archivo.open(QIODevice::ReadOnly)) plataforma::Lanzar(plataforma::errores::PermisoDenegado);
    const QStringList campos = camposDelArchivo(plataforma::DecodificarAnsi(archivo.readAll()));
    std::vector<ConexionRegistrada> registros;
    for (qsizetype i = 0; i < campos.size(); i += 5) {
        auto campo = [&](qsizetype k) { return i + k < campos.size() ? campos.at(i + k) : QString(); };
        registros.push_back({campo(0), campo(1), campo(2), campo(3), campo(4)});
    }
    return registros;
}
