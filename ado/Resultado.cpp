// Row storage of a client-side result and the conversions between cells, ADO types and QVariant.
#include "Resultado.h"

#include "Constantes.h"
#include "ErrorEjecucion.h"

#include <QDateTime>
#include <QRegularExpression>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>
#include <sys/mman.h>

namespace ado {

namespace {

constexpr size_t PaginaGrande = 2u << 20;
constexpr size_t BloqueMaximo = PaginaGrande;

QVariant Nulo() { return QVariant::fromValue(nullptr); }

bool PareceFecha(const char* p, size_t n) {
    // "yyyy-MM-dd HH:mm:ss" with optional ".zzz": the text dates are stored as.
    if (n != 19 && n != 23) return false;
    static const char molde[] = "0000-00-00 00:00:00.000";
    for (size_t i = 0; i < n; ++i) {
        if (molde[i] == '0' ? (p[i] < '0' || p[i] > '9') : p[i] != molde[i]) return false;
    }
    return true;
}

QDateTime LeerFecha(const QString& texto) {
    // The stored form first, then the day-first forms the suite writes ("dd/mm/yy hh:mm").
    static const char* const formatos[] = {"yyyy-MM-dd HH:mm:ss.zzz", "yyyy-MM-dd HH:mm:ss", "yyyy-MM-ddTHH:mm:ss",
                                           "yyyy-MM-dd HH:mm", "yyyy-MM-dd", "dd/MM/yyyy HH:mm:ss",
                                           "dd/MM/yyyy HH:mm", "dd/MM/yyyy", "dd/MM/yy HH:mm:ss", "dd/MM/yy HH:mm",
                                           "dd/MM/yy", "yyyyMMdd"};
    const QString t = texto.trimmed();
    for (const char* f : formatos) {
        QDateTime d = QDateTime::fromString(t, QLatin1String(f));
        if (!d.isValid() && !std::strchr(f, 'H')) {
            const QDate dia = QDate::fromString(t, QLatin1String(f));
            if (dia.isValid()) d = dia.startOfDay();
        }
        if (d.isValid()) {
            // Two-digit years as SQL Server reads them: 00 to 49 are this century.
            if (std::strstr(f, "/yy") && !std::strstr(f, "yyyy") && d.date().year() < 1950) d = d.addYears(100);
            return d;
        }
    }
    return {};
}

bool LeerNumero(const QString& texto, double& numero) {
    QString t = texto.trimmed();
    bool ok = false;
    numero = t.toDouble(&ok);
    if (!ok && t.count(QLatin1Char(',')) == 1 && !t.contains(QLatin1Char('.'))) {
        t.replace(QLatin1Char(','), QLatin1Char('.'));
        numero = t.toDouble(&ok);
    }
    return ok;
}

bool EsTipoEntero(int tipo) {
    return tipo == adSmallInt || tipo == adInteger || tipo == adTinyInt || tipo == adUnsignedTinyInt || tipo == adBigInt;
}
bool EsTipoReal(int tipo) {
    return tipo == adSingle || tipo == adDouble || tipo == adCurrency || tipo == adDecimal || tipo == adNumeric;
}

[[noreturn]] void ErrorConversion() { plataforma::Lanzar(plataforma::errores::ConversionNoValida); }

}  // namespace

namespace {
size_t Redondeado(size_t bytes) { return (bytes + PaginaGrande - 1) / PaginaGrande * PaginaGrande; }
}  // namespace

void* ReservarGrande(size_t bytes) {
    if (bytes < PaginaGrande) {
        void* p = std::malloc(bytes ? bytes : 1);
        if (!p) throw std::bad_alloc();
        return p;
    }
    // A mapping of whole huge pages on a huge-page boundary: the extra piece mapped to find the
    // boundary is given back, so nothing beyond the rounded size ever becomes resident.
    const size_t tamano = Redondeado(bytes);
    void* crudo = mmap(nullptr, tamano + PaginaGrande, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (crudo == MAP_FAILED) throw std::bad_alloc();
    const auto inicio = reinterpret_cast<uintptr_t>(crudo);
    const uintptr_t alineado = (inicio + PaginaGrande - 1) / PaginaGrande * PaginaGrande;
    if (alineado > inicio) munmap(crudo, alineado - inicio);
    const uintptr_t fin = inicio + tamano + PaginaGrande;
    if (fin > alineado + tamano) munmap(reinterpret_cast<void*>(alineado + tamano), fin - alineado - tamano);
    madvise(reinterpret_cast<void*>(alineado), tamano, MADV_HUGEPAGE);
    return reinterpret_cast<void*>(alineado);
}

void LiberarGrande(void* p, size_t bytes) {
    if (bytes < PaginaGrande) std::free(p);
    else if (p) munmap(p, Redondeado(bytes));
}

bool EsTipoTexto(int tipo) {
    return tipo == adBSTR || tipo == adChar || tipo == adWChar || tipo == adVarChar || tipo == adLongVarChar ||
           tipo == adVarWChar || tipo == adLongVarWChar || tipo == adGUID;
}
bool EsTipoFecha(int tipo) { return tipo == adDate || tipo == adDBDate || tipo == adDBTime || tipo == adDBTimeStamp; }

QString TextoDeFecha(const QDateTime& fecha) { return fecha.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")); }

Resultado::Resultado(std::shared_ptr<const Columnas> columnas)
    : columnas_(std::move(columnas)), ancho_(columnas_->size()) {}

Resultado::~Resultado() {
    for (const Bloque& b : bloques_) LiberarGrande(b.datos, b.tamano);
}

Celda* Resultado::agregarFila() {
    celdas_.resize(celdas_.size() + ancho_);
    ++filas_;
    return celdas_.data() + celdas_.size() - ancho_;
}

void Resultado::quitarFila(size_t i) {
    const auto inicio = celdas_.begin() + static_cast<ptrdiff_t>(i * ancho_);
    celdas_.erase(inicio, inicio + static_cast<ptrdiff_t>(ancho_));
    --filas_;
}

char* Resultado::guardar(size_t largo) {
    if (largo > restante_) {
        // Blocks grow geometrically up to 1 MB, so small results stay small and big ones waste little.
        size_t tamano = std::max(proximoBloque_, largo);
        bloques_.push_back({static_cast<char*>(ReservarGrande(tamano)), tamano});
        libre_ = bloques_.back().datos;
        restante_ = tamano;
        proximoBloque_ = std::min(proximoBloque_ * 2, BloqueMaximo);
    }
    char* p = libre_;
    libre_ += largo;
    restante_ -= largo;
    return p;
}

void Resultado::texto(Celda& c, const char* bytes, size_t largo) {
    char* p = guardar(largo);
    if (largo) std::memcpy(p, bytes, largo);
    c.datos = p;
    c.largo = static_cast<uint32_t>(largo);
    c.clase = ClaseValor::Texto;
}

void Resultado::binario(Celda& c, const void* bytes, size_t largo) {
    texto(c, static_cast<const char*>(bytes), largo);
    c.clase = ClaseValor::Binario;
}

void Resultado::asignar(Celda& c, const QVariant& valor) {
    if (!valor.isValid() || valor.isNull()) {
        c.clase = ClaseValor::Nulo;
        c.largo = 0;
        return;
    }
    switch (valor.typeId()) {
        case QMetaType::Bool: c.entero = valor.toBool() ? 1 : 0; c.clase = ClaseValor::Entero; return;
        case QMetaType::Int: case QMetaType::LongLong: case QMetaType::UInt: case QMetaType::Short:
            c.entero = valor.toLongLong(); c.clase = ClaseValor::Entero; return;
        case QMetaType::Double: case QMetaType::Float: c.real = valor.toDouble(); c.clase = ClaseValor::Real; return;
        case QMetaType::QByteArray: { const QByteArray b = valor.toByteArray(); binario(c, b.constData(), b.size()); return; }
        case QMetaType::QDateTime: { const QByteArray b = TextoDeFecha(valor.toDateTime()).toUtf8(); texto(c, b.constData(), b.size()); return; }
        default: { const QByteArray b = valor.toString().toUtf8(); texto(c, b.constData(), b.size()); return; }
    }
}

void Resultado::tiparExpresiones() {
    bool falta = false;
    for (const Columna& c : *columnas_) falta |= !c.tipoDeclarado;
    if (!falta) return;
    auto nuevas = std::make_shared<Columnas>(*columnas_);
    for (size_t j = 0; j < ancho_; ++j) {
        Columna& col = (*nuevas)[j];
        if (col.tipoDeclarado) continue;
        col.tipo = adVarChar;
        col.definedSize = 255;
        for (size_t i = 0; i < filas(); ++i) {
            const Celda& c = fila(i)[j];
            if (c.clase == ClaseValor::Nulo) continue;
            switch (c.clase) {
                case ClaseValor::Entero:
                    col.tipo = (c.entero >= INT32_MIN && c.entero <= INT32_MAX) ? adInteger : adBigInt;
                    col.definedSize = col.tipo == adInteger ? 4 : 8;
                    break;
                case ClaseValor::Real: col.tipo = adDouble; col.definedSize = 8; break;
                case ClaseValor::Binario: col.tipo = adLongVarBinary; col.definedSize = 2147483647; break;
                default:
                    if (PareceFecha(c.datos, c.largo)) { col.tipo = adDBTimeStamp; col.definedSize = 16; }
                    break;
            }
            break;
        }
    }
    columnas_ = std::move(nuevas);
}

void TipoDeclarado(const QByteArray& declarado, int& tipo, int64_t& tamano) {
    QByteArray t = declarado.trimmed().toLower();
    int64_t n = -1;
    const int paren = t.indexOf('(');
    if (paren >= 0) {
        const QByteArray dentro = t.mid(paren + 1, t.indexOf(')', paren) - paren - 1).trimmed();
        bool ok = false;
        n = dentro.split(',').value(0).trimmed().toLongLong(&ok);
        if (!ok) n = dentro == "max" ? -2 : -1;
        t = t.left(paren).trimmed();
    }
    struct Entrada { const char* nombre; int tipo; int64_t tamano; };
    static const Entrada tabla[] = {
        {"char", adChar, 1}, {"nchar", adWChar, 1}, {"varchar", adVarChar, 1}, {"nvarchar", adVarWChar, 1},
        {"text", adLongVarChar, 2147483647}, {"ntext", adLongVarWChar, 1073741823}, {"sysname", adVarWChar, 128},
        {"int", adInteger, 4}, {"integer", adInteger, 4}, {"smallint", adSmallInt, 2}, {"tinyint", adUnsignedTinyInt, 1},
        {"bigint", adBigInt, 8}, {"bit", adBoolean, 2}, {"money", adCurrency, 8}, {"smallmoney", adCurrency, 8},
        {"decimal", adNumeric, 19}, {"numeric", adNumeric, 19}, {"float", adDouble, 8}, {"double", adDouble, 8},
        {"real", adSingle, 4}, {"datetime", adDBTimeStamp, 16}, {"smalldatetime", adDBTimeStamp, 16},
        {"datetime2", adDBTimeStamp, 16}, {"date", adDBDate, 6}, {"time", adDBTime, 6},
        {"uniqueidentifier", adGUID, 16}, {"varbinary", adVarBinary, 1}, {"image", adLongVarBinary, 2147483647},
        {"blob", adLongVarBinary, 2147483647},
    };
    for (const Entrada& e : tabla) {
        if (t == e.nombre) {
            tipo = e.tipo;
            tamano = e.tamano;
            if (n >= 0 && (tipo == adChar || tipo == adWChar || tipo == adVarChar || tipo == adVarWChar || tipo == adVarBinary)) tamano = n;
            if (n == -2) { tipo = tipo == adVarWChar ? adLongVarWChar : tipo == adVarBinary ? adLongVarBinary : adLongVarChar; tamano = 2147483647; }
            return;
        }
    }
    // SQLite's own affinity rules for any other spelling.
    if (t.contains("int")) { tipo = adInteger; tamano = 4; }
    else if (t.contains("char") || t.contains("clob") || t.contains("text")) { tipo = adVarChar; tamano = n > 0 ? n : 255; }
    else if (t.contains("real") || t.contains("floa") || t.contains("doub")) { tipo = adDouble; tamano = 8; }
    else if (t.contains("date") || t.contains("time")) { tipo = adDBTimeStamp; tamano = 16; }
    else { tipo = adNumeric; tamano = 19; }
}

QVariant ValorDeCelda(const Celda& c, const Columna& col) {
    switch (c.clase) {
        case ClaseValor::Nulo: return Nulo();
        case ClaseValor::Entero:
            if (col.tipo == adBoolean) return QVariant(c.entero != 0);
            if (EsTipoTexto(col.tipo)) return QVariant(QString::number(c.entero));
            if (EsTipoReal(col.tipo)) return QVariant(static_cast<double>(c.entero));
            if (col.tipo == adBigInt || c.entero < INT32_MIN || c.entero > INT32_MAX) return QVariant(static_cast<qlonglong>(c.entero));
            return QVariant(static_cast<int>(c.entero));
        case ClaseValor::Real:
            if (EsTipoTexto(col.tipo)) return QVariant(QString::number(c.real, 'g', 15));
            if (EsTipoEntero(col.tipo) && c.real == static_cast<double>(static_cast<int64_t>(c.real))) {
                return col.tipo == adBigInt ? QVariant(static_cast<qlonglong>(c.real)) : QVariant(static_cast<int>(c.real));
            }
            return QVariant(c.real);
        case ClaseValor::Binario: return QVariant(QByteArray(c.datos, static_cast<qsizetype>(c.largo)));
        case ClaseValor::Texto: break;
    }
    if (col.tipo == adVarChar || col.tipo == adChar || col.tipo == adVarWChar || col.tipo == adWChar) {
        return QVariant(QString::fromUtf8(c.datos, static_cast<qsizetype>(c.largo)));
    }
    const QString texto = QString::fromUtf8(c.datos, static_cast<qsizetype>(c.largo));
    if (EsTipoFecha(col.tipo)) {
        const QDateTime d = LeerFecha(texto);
        if (d.isValid()) return col.tipo == adDBDate ? QVariant(d.date()) : QVariant(d);
    } else if (col.tipo == adBoolean) {
        return QVariant(texto.trimmed() != QLatin1String("0") && texto.trimmed().compare(QLatin1String("false"), Qt::CaseInsensitive) != 0);
    } else if (EsTipoEntero(col.tipo) || EsTipoReal(col.tipo)) {
        double numero = 0;
        if (LeerNumero(texto, numero)) return ValorDeCelda(Celda{{.real = numero}, 0, ClaseValor::Real}, col);
    }
    return QVariant(texto);
}

QVariant ConvertirParaColumna(const QVariant& valor, const Columna& col) {
    if (!valor.isValid() || valor.isNull()) return Nulo();
    const int id = valor.typeId();
    if (EsTipoTexto(col.tipo)) {
        if (id == QMetaType::QDateTime) return TextoDeFecha(valor.toDateTime());
        if (id == QMetaType::Bool) return valor.toBool() ? QStringLiteral("-1") : QStringLiteral("0");
        return valor.toString();
    }
    if (col.tipo == adBoolean) {
        if (id == QMetaType::Bool) return valor;
        if (id == QMetaType::QString) {
            const QString t = valor.toString().trimmed();
            if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || t.compare(QLatin1String("verdadero"), Qt::CaseInsensitive) == 0) return true;
            if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 || t.compare(QLatin1String("falso"), Qt::CaseInsensitive) == 0) return false;
            double n = 0;
            if (!LeerNumero(t, n)) ErrorConversion();
            return n != 0;
        }
        bool ok = false;
        const double n = valor.toDouble(&ok);
        if (!ok) ErrorConversion();
        return n != 0;
    }
    if (EsTipoEntero(col.tipo) || EsTipoReal(col.tipo)) {
        double n = 0;
        if (id == QMetaType::Bool) n = valor.toBool() ? -1 : 0;
        else if (id == QMetaType::QString) {
            if (valor.toString().trimmed().isEmpty()) return Nulo();
            if (!LeerNumero(valor.toString(), n)) ErrorConversion();
        } else {
            bool ok = false;
            n = valor.toDouble(&ok);
            if (!ok) ErrorConversion();
        }
        if (EsTipoEntero(col.tipo)) {
            if (n != static_cast<double>(static_cast<int64_t>(n))) n = std::round(n);
            return QVariant(static_cast<qlonglong>(n));
        }
        return QVariant(n);
    }
    if (EsTipoFecha(col.tipo)) {
        if (id == QMetaType::QDateTime) return valor;
        if (id == QMetaType::QDate) return valor.toDate().startOfDay();
        if (id == QMetaType::QString) {
            if (valor.toString().trimmed().isEmpty()) return Nulo();
            const QDateTime d = LeerFecha(valor.toString());
            if (!d.isValid()) ErrorConversion();
            return d;
        }
        ErrorConversion();
    }
    return valor;
}

}  // namespace ado
