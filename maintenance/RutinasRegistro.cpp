#include "RutinasRegistro.h"

#include "DB_Dll.h"
#include "Dialogos.h"
#include "MensajeError.h"
#include "Recordset.h"
#include "Sesiones.h"
#include "Texto.h"
#include "Utilidades.h"

#include <QDateTime>

namespace {

// Native errors of the server that the save explains in words of its own.
constexpr int32_t kConversion = 1010;
constexpr int32_t kNulo = 515;
constexpr int32_t kClaveDuplicada = 2627;

const QString kSalto = QStringLiteral("\r\n");

QString TextoConversion(const QString& campo) {
    return QStringLiteral("Verifique las siguientes opciones: ") + kSalto + kSalto +
           QStringLiteral("1) Ha ingresado letras donde debe ingresar numeros") + kSalto + kSalto +
           QStringLiteral("2) Debe ingresar una fecha y el formato es incorrecto") + kSalto + kSalto + QStringLiteral("En el campo: ") + campo;
}

int Aviso(const QString& texto, const QString& titulo) {
    plataforma::MsgBox(texto, plataforma::estilo::vbCritical + plataforma::estilo::vbOKOnly, titulo);
    return 0;
}

}  // namespace

void AsignarCampo(ado::Recordset& registro, QString& campo, const QString& texto) {
    const Utilidades utilidades;
    campo = utilidades.QuitarCaracteres(campo, QStringLiteral("["), QStringLiteral("]"));
    ado::Field& columna = registro.Fields(campo);
    const int tipo = columna.Type();
    if (DB_Dll::ADOText(tipo)) {
        const QString valor = columna.DefinedSize() >= 30 ? texto.trimmed()
                                                          : utilidades.FormatearCodigo(texto, static_cast<int>(columna.DefinedSize()));
        columna = valor;
        if (columna.Value().toString().trimmed().isEmpty()) columna = ado::Nulo();
    } else if (DB_Dll::ADONumeric(tipo)) {
        columna = DB_Dll::SQLValue(texto, QStringLiteral("@"));
    } else if (DB_Dll::ADOBoolean(tipo)) {
        QString copia = texto;
        columna = ValorLogico(copia, true);
    } else if (DB_Dll::ADOCurrency(tipo)) {
        columna = DB_Dll::SQLValue(utilidades.ValorNumerico(texto), QStringLiteral("@"));
    } else if (DB_Dll::adodate(tipo)) {
        const QDateTime fecha = QDateTime::fromString(texto.trimmed(), QStringLiteral("dd/MM/yyyy HH:mm"));
        const QDate dia = QDate::fromString(texto.trimmed(), QStringLiteral("dd/MM/yyyy"));
        const QDate corta = QDate::fromString(texto.trimmed(), QStringLiteral("dd/MM/yy"));
        if (fecha.isValid()) columna = fecha;
        else if (dia.isValid()) columna = QDateTime(dia, QTime(0, 0));
        else if (corta.isValid()) columna = QDateTime(corta.addYears(corta.year() < 1930 ? 100 : 0), QTime(0, 0));
        else columna = ado::Nulo();
    } else {
        columna = texto;
    }
}

bool ValorLogico(QString& texto, bool porDefecto) {
    if (texto.isEmpty()) texto = QStringLiteral("0");
    const QString valor = texto.toUpper();
    auto es = [&](std::initializer_list<const char*> lista) {
        for (const char* v : lista) {
            if (plataforma::IgualesSinMayusculas(valor, QLatin1String(v))) return true;
        }
        return false;
    };
    if (porDefecto) return !es({"FALSE", "FALSO", "0", "NO", "N"});
    return es({"TRUE", "VERDADERO", "-1", "1", "SI", "S"});
}

int16_t ErroresADO(const plataforma::ErrorEjecucion& error, const QString& campo) {
    if (error.Number == plataforma::errores::ConversionNoValida) return static_cast<int16_t>(Aviso(TextoConversion(campo), QStringLiteral("Error en conversion de datos")));
    ado::Errors* errores = nullptr;
    if (DB_Dll* sesion = DB_Dll::Principal()) errores = &sesion->gCnn().Errors();
    // The collection keeps the last failure of the connection until someone clears it: it only
    // describes this error when the error came from it.
    if (errores && errores->Count() > 0 && errores->Item(0).Number == error.Number) {
        const ado::Error primero = errores->Item(0);
        const QString detalle = QStringLiteral("Descripcion del Error: ") + QString::number(primero.NativeError) + QStringLiteral(" - ") + primero.Description;
        switch (primero.NativeError) {
            case kConversion:
                errores->Clear();
                return static_cast<int16_t>(Aviso(TextoConversion(campo), QStringLiteral("Error en conversion de datos ")));
            case kNulo:
                errores->Clear();
                return static_cast<int16_t>(Aviso(detalle, QStringLiteral("Error en conversion de datos - NULOS NO PERMITIDO")));
            case kClaveDuplicada:
                errores->Clear();
                return static_cast<int16_t>(Aviso(detalle + kSalto + kSalto +
                                                      QStringLiteral("La grabacion se ha cancelado... Cambie el campo principal e intente grabar nuevamente"),
                                                  QStringLiteral("Clave Duplicada")));
            default:
                break;
        }
    }
    const int16_t respuesta = MensajeError(error, std::nullopt, QStringLiteral("Actualizar Datos"));
    if (respuesta == plataforma::respuesta::vbRetry || respuesta == plataforma::respuesta::vbIgnore || respuesta == plataforma::respuesta::vbAbort) return respuesta;
    return 0;
}
