#include "ErrorEjecucion.h"

#include "Carpetas.h"

namespace plataforma {

ErrorRuntime::ErrorRuntime(ErrorEjecucion error) : error_(std::move(error)) {
    texto_ = QStringLiteral("%1: %2").arg(error_.Number).arg(error_.Description).toStdString();
}

QString DescripcionError(int32_t numero) {
    switch (numero) {
        case errores::ArgumentoNoValido: return QStringLiteral("Llamada a procedimiento o argumento no válido");
        case errores::Desbordamiento: return QStringLiteral("Desbordamiento");
        case errores::TiposNoCoinciden: return QStringLiteral("No coinciden los tipos");
        case errores::ArchivoNoEncontrado: return QStringLiteral("No se ha encontrado el archivo");
        case errores::PermisoDenegado: return QStringLiteral("Permiso denegado");
        case errores::RutaNoEncontrada: return QStringLiteral("No se ha encontrado la ruta de acceso");
        case errores::ObjetoCerrado: return QStringLiteral("No se permite realizar la operación si el objeto está cerrado.");
        case errores::ObjetoAbierto: return QStringLiteral("No se permite realizar la operación si el objeto está abierto.");
        case errores::ContextoNoValido: return QStringLiteral("No se permite realizar la operación en este contexto.");
        case errores::ConexionNoValida: return QStringLiteral("La conexión no se puede usar para realizar esta operación. Está cerrada o no es válida en este contexto.");
        case errores::ElementoNoEncontrado: return QStringLiteral("No se encontró el elemento en la colección que corresponde con el nombre o el ordinal pedido.");
        case errores::ConversionNoValida: return QStringLiteral("La aplicación usa un valor de tipo incorrecto para la operación actual.");
        default: return QString();
    }
}

void Lanzar(int32_t numero, const QString& descripcion, const QString& origen) {
    ErrorEjecucion e;
    e.Number = numero;
    e.Description = descripcion.isEmpty() ? DescripcionError(numero) : descripcion;
    e.Source = origen.isEmpty() ? NombreEjecutable() : origen;
    throw ErrorRuntime(std::move(e));
}

}  // namespace plataforma
