// The SQLite engine: opening, the statement and translation cache, reading rows into a client-side
// result, transactions with SQL Server's nesting count, schema rowsets, and the error mapping.
#include "motor_sqlite.h"

#include "Constantes.h"
#include "ErrorEjecucion.h"
#include "tsql_sqlite.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <array>
#include <climits>
#include <cstring>
#include <sqlite3.h>
#include <string>

namespace ado {

namespace {

// ---- Text rules of SQL Server: case ignored for every letter, trailing blanks ignored ---------

// Decodes one UTF-8 character at p (n bytes left); invalid bytes come back one by one.
inline char32_t Decodificar(const unsigned char* p, int n, int& usados) {
    const unsigned char c = p[0];
    if (c < 0x80) { usados = 1; return c; }
    int largo = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 0;
    if (largo == 0 || largo > n) { usados = 1; return 0xDC00u + c; }
    char32_t u = c & (0x3F >> (largo - 1));
    for (int k = 1; k < largo; ++k) {
        if ((p[k] & 0xC0) != 0x80) { usados = 1; return 0xDC00u + c; }
        u = (u << 6) | (p[k] & 0x3F);
    }
    usados = largo;
    return u;
}

inline char32_t Plegar(char32_t u) {
    if (u < 0x80) return (u >= 'A' && u <= 'Z') ? u + 32 : u;
    return QChar::toCaseFolded(u);
}

// The order of Spanish text: a letter with an accent sorts with its base letter and Ñ between
// N and O. Weights are even for every base character, Ñ takes the odd slot after N.
inline uint32_t PesoPrimario(char32_t plegado) {
    if (plegado < 0x80) return plegado * 2;
    if (plegado == 0xF1) return 'n' * 2 + 1;
    if (plegado <= 0x24F) {
        static const auto bases = [] {
            std::array<char16_t, 0x250> tabla{};
            for (char16_t u = 0x80; u < 0x250; ++u) {
                const QString d = QChar(u).decomposition();
                const char16_t base = d.isEmpty() ? u : d[0].unicode();
                tabla[u] = base < 0x80 ? static_cast<char16_t>(Plegar(base)) : u;
            }
            return tabla;
        }();
        return static_cast<uint32_t>(bases[plegado]) * 2;
    }
    return static_cast<uint32_t>(plegado) * 2;
}

// First pass: the primary order (accents and Ñ as above), blanks padding the shorter text.
// Second pass, only when the first finds them equal: the exact letters, so that texts that
// differ only by an accent are still different ("MUNOZ" is not "MUÑOZ").
int CompararTexto(void*, int n1, const void* a, int n2, const void* b) {
    const auto* p = static_cast<const unsigned char*>(a);
    const auto* q = static_cast<const unsigned char*>(b);
    int i = 0, j = 0;
    bool soloAscii = true;
    auto siguiente = [](const unsigned char* t, int n, int& k, bool& ascii) -> char32_t {
        if (t[k] < 0x80) {
            const unsigned char c = t[k++];
            return (c >= 'A' && c <= 'Z') ? c + 32 : c;
        }
        ascii = false;
        int usados = 0;
        const char32_t u = Plegar(Decodificar(t + k, n - k, usados));
        k += usados;
        return u;
    };
    while (i < n1 || j < n2) {
        const char32_t cx = i < n1 ? siguiente(p, n1, i, soloAscii) : U' ';
        const char32_t cy = j < n2 ? siguiente(q, n2, j, soloAscii) : U' ';
        if (cx == cy) continue;
        const uint32_t px = PesoPrimario(cx), py = PesoPrimario(cy);
        if (px != py) return px < py ? -1 : 1;
    }
    if (soloAscii) return 0;
    // Same primary order: the exact (folded) letters decide.
    i = j = 0;
    while (i < n1 || j < n2) {
        const char32_t cx = i < n1 ? siguiente(p, n1, i, soloAscii) : U' ';
        const char32_t cy = j < n2 ? siguiente(q, n2, j, soloAscii) : U' ';
        if (cx != cy) return cx < cy ? -1 : 1;
    }
    return 0;
}

std::u32string Plegado(const unsigned char* p, int n) {
    std::u32string s;
    s.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n;) {
        int u = 0;
        s.push_back(Plegar(Decodificar(p + i, n - i, u)));
        i += u;
    }
    return s;
}

// One element of a LIKE pattern at position k matches c; `siguiente` receives the position after it.
bool CoincideElemento(const std::u32string& patron, size_t k, char32_t c, char32_t escape, size_t& siguiente) {
    const char32_t e = patron[k];
    if (e == escape && k + 1 < patron.size()) { siguiente = k + 2; return patron[k + 1] == c; }
    if (e == '_') { siguiente = k + 1; return true; }
    if (e == '[') {
        size_t m = k + 1;
        const bool negado = m < patron.size() && patron[m] == '^';
        if (negado) ++m;
        bool dentro = false;
        size_t inicio = m;
        while (m < patron.size() && (patron[m] != ']' || m == inicio)) {
            if (m + 2 < patron.size() && patron[m + 1] == '-' && patron[m + 2] != ']') {
                dentro |= c >= patron[m] && c <= patron[m + 2];
                m += 3;
            } else {
                dentro |= c == patron[m];
                ++m;
            }
        }
        if (m < patron.size()) { siguiente = m + 1; return dentro != negado; }
        // No closing bracket: the "[" is an ordinary character.
    }
    siguiente = k + 1;
    return e == c;
}

bool Como(const std::u32string& patron, const std::u32string& texto, char32_t escape) {
    size_t k = 0, i = 0, estrellaK = std::u32string::npos, estrellaI = 0;
    while (i < texto.size()) {
        size_t siguiente = 0;
        if (k < patron.size() && patron[k] == '%' && patron[k] != escape) {
            estrellaK = ++k;
            estrellaI = i;
        } else if (k < patron.size() && CoincideElemento(patron, k, texto[i], escape, siguiente)) {
            k = siguiente;
            ++i;
        } else if (estrellaK != std::u32string::npos) {
            k = estrellaK;
            i = ++estrellaI;
        } else {
            return false;
        }
    }
    while (k < patron.size() && patron[k] == '%') ++k;
    return k == patron.size();
}

void FuncionComo(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) return sqlite3_result_null(ctx);
    char32_t escape = 0xFFFFFFFF;
    if (argc == 3) {
        const auto* e = sqlite3_value_text(argv[2]);
        const int n = sqlite3_value_bytes(argv[2]);
        if (!e || n == 0) return sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
        int u = 0;
        escape = Plegar(Decodificar(e, n, u));
    }
    const auto* patron = sqlite3_value_text(argv[0]);
    const int np = sqlite3_value_bytes(argv[0]);
    const auto* texto = sqlite3_value_text(argv[1]);
    const int nt = sqlite3_value_bytes(argv[1]);
    if (!patron || !texto) return sqlite3_result_error_nomem(ctx);
    sqlite3_result_int(ctx, Como(Plegado(patron, np), Plegado(texto, nt), escape) ? 1 : 0);
}

void FuncionLargo(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
    const auto* p = sqlite3_value_text(argv[0]);
    int n = sqlite3_value_bytes(argv[0]);
    if (!p) return sqlite3_result_error_nomem(ctx);
    while (n > 0 && p[n - 1] == ' ') --n;
    int caracteres = 0;
    for (int i = 0; i < n; ++i) caracteres += (p[i] & 0xC0) != 0x80;
    sqlite3_result_int(ctx, caracteres);
}

QString Texto(sqlite3_value* v) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return p ? QString::fromUtf8(p, sqlite3_value_bytes(v)) : QString();
}

void ResultadoTexto(sqlite3_context* ctx, const QString& s) {
    const QByteArray b = s.toUtf8();
    sqlite3_result_text(ctx, b.constData(), static_cast<int>(b.size()), SQLITE_TRANSIENT);
}

void FuncionPosicion(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    for (int k = 0; k < argc; ++k) if (sqlite3_value_type(argv[k]) == SQLITE_NULL) return sqlite3_result_null(ctx);
    const QString buscado = Texto(argv[0]);
    const QString texto = Texto(argv[1]);
    qsizetype desde = argc == 3 ? std::max<qsizetype>(sqlite3_value_int64(argv[2]) - 1, 0) : 0;
    if (buscado.isEmpty() || desde > texto.size()) return sqlite3_result_int(ctx, 0);
    sqlite3_result_int64(ctx, texto.indexOf(buscado, desde, Qt::CaseInsensitive) + 1);
}

void FuncionMayusculas(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
    ResultadoTexto(ctx, Texto(argv[0]).toUpper());
}

void FuncionMinusculas(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
    ResultadoTexto(ctx, Texto(argv[0]).toLower());
}

void FuncionFechaActual(sqlite3_context* ctx, int, sqlite3_value**) {
    ResultadoTexto(ctx, TextoDeFecha(QDateTime::currentDateTime()));
}

// ---- Error mapping ------------------------------------------------------------------------------

QString Entre(const QString& mensaje, const QString& desde) {
    const qsizetype p = mensaje.indexOf(desde);
    return p < 0 ? QString() : mensaje.mid(p + desde.size()).trimmed();
}

Error Registro(int32_t numero, int32_t nativo, const char* estado, const QString& descripcion, const QString& origen) {
    return Error{numero, descripcion, origen, QString::fromLatin1(estado), nativo};
}

std::vector<Error> ErroresDe(int codigo, const QString& mensaje, const QString& origen) {
    using namespace plataforma::errores;
    const QString terminada = QStringLiteral("Se terminó la instrucción.");
    const int primario = codigo & 0xFF;
    std::vector<Error> e;
    if (primario == SQLITE_CONSTRAINT) {
        const QString detalle = Entre(mensaje, QStringLiteral("failed:"));
        const QString tabla = detalle.section(QLatin1Char('.'), 0, 0);
        if (codigo == SQLITE_CONSTRAINT_PRIMARYKEY || codigo == SQLITE_CONSTRAINT_UNIQUE) {
            e.push_back(Registro(ErrorIntegridad, nativos::ClaveDuplicada, "23000",
                                 QStringLiteral("Infracción de la restricción PRIMARY KEY o UNIQUE KEY '%1'. No se puede insertar una clave duplicada en el objeto 'dbo.%2'.")
                                     .arg(detalle, tabla), origen));
        } else if (codigo == SQLITE_CONSTRAINT_NOTNULL) {
            e.push_back(Registro(ErrorIntegridad, nativos::NuloNoPermitido, "23000",
                                 QStringLiteral("No se puede insertar el valor NULL en la columna '%1', tabla '%2'; la columna no admite valores NULL.")
                                     .arg(detalle.section(QLatin1Char('.'), 1), tabla), origen));
        } else if (codigo == SQLITE_CONSTRAINT_CHECK && detalle.startsWith(QLatin1String(tsql::PrefijoLargo))) {
            e.push_back(Registro(errores::DatosTruncados, nativos::Truncamiento, "22001",
                                 QStringLiteral("Los datos de cadena o binarios se truncarían."), origen));
        } else if (codigo == SQLITE_CONSTRAINT_FOREIGNKEY) {
            e.push_back(Registro(ErrorIntegridad, nativos::ConflictoRestriccion, "23000",
                                 QStringLiteral("Instrucción en conflicto con la restricción FOREIGN KEY."), origen));
        } else {
            e.push_back(Registro(ErrorIntegridad, nativos::ConflictoRestriccion, "23000",
                                 QStringLiteral("Instrucción en conflicto con la restricción CHECK '%1'.").arg(detalle), origen));
        }
        e.push_back(Registro(ErrorIntegridad, nativos::InstruccionTerminada, "01000", terminada, origen));
        return e;
    }
    switch (primario) {
        case SQLITE_ERROR:
            if (mensaje.startsWith(QLatin1String("no such table")) || mensaje.startsWith(QLatin1String("no such view"))) {
                e.push_back(Registro(ObjetoNoEncontrado, nativos::ObjetoNoValido, "42S02",
                                     QStringLiteral("El nombre de objeto '%1' no es válido.").arg(Entre(mensaje, QStringLiteral(":"))), origen));
            } else if (mensaje.startsWith(QLatin1String("no such column"))) {
                e.push_back(Registro(ErrorSintaxisSql, nativos::ColumnaNoValida, "42S22",
                                     QStringLiteral("El nombre de columna '%1' no es válido.").arg(Entre(mensaje, QStringLiteral(":"))), origen));
            } else {
                e.push_back(Registro(ErrorSintaxisSql, nativos::SintaxisIncorrecta, "42000",
                                     QStringLiteral("Sintaxis incorrecta o instrucción no válida (%1).").arg(mensaje), origen));
            }
            return e;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            e.push_back(Registro(ErrorNoEspecificado, nativos::BloqueoAgotado, "HYT00",
                                 QStringLiteral("Se superó el tiempo de espera de la solicitud de bloqueo (%1).").arg(mensaje), origen));
            return e;
        case SQLITE_NOMEM:
            e.push_back(Registro(ErrorNoEspecificado, 701, "HY001", QStringLiteral("No hay memoria suficiente para ejecutar esta consulta."), origen));
            return e;
        case SQLITE_FULL:
            e.push_back(Registro(ErrorNoEspecificado, 1105, "HY000", QStringLiteral("No hay espacio en el disco para la base de datos (%1).").arg(mensaje), origen));
            return e;
        case SQLITE_IOERR:
            e.push_back(Registro(ErrorNoEspecificado, 823, "HY000", QStringLiteral("Error de E/S en el archivo de la base de datos (%1).").arg(mensaje), origen));
            return e;
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            e.push_back(Registro(ErrorNoEspecificado, 824, "HY000", QStringLiteral("El archivo de la base de datos está dañado o no es una base de datos (%1).").arg(mensaje), origen));
            return e;
        case SQLITE_READONLY:
        case SQLITE_PERM:
            e.push_back(Registro(ErrorNoEspecificado, 3906, "HY000", QStringLiteral("No se puede escribir en la base de datos (%1).").arg(mensaje), origen));
            return e;
        case SQLITE_CANTOPEN:
            e.push_back(Registro(ErrorNoEspecificado, nativos::BaseNoAbre, "42000", QStringLiteral("No se puede abrir el archivo de la base de datos (%1).").arg(mensaje), origen));
            return e;
        default:
            // Never 11 (SQLITE_CORRUPT's own number): that native number means a lost network connection.
            e.push_back(Registro(ErrorNoEspecificado, 0, "HY000", QStringLiteral("Error del motor de base de datos (%1).").arg(mensaje), origen));
            return e;
    }
}

// ---- The engine ----------------------------------------------------------------------------------

struct Preparada {
    tsql::ClaseSentencia clase = tsql::ClaseSentencia::Comun;
    QByteArray sql;
    sqlite3_stmt* stmt = nullptr;
    std::shared_ptr<const Columnas> columnas;  // described on first use
};
using Traduccion = std::vector<Preparada>;

class MotorSqlite final : public Motor {
public:
    MotorSqlite(sqlite3* db, DatosMotor datos) : db_(db), datos_(std::move(datos)) {}
    ~MotorSqlite() override {
        vaciarCache();
        for (sqlite3_stmt* stmt : std::as_const(nativas_)) sqlite3_finalize(stmt);
        sqlite3_close_v2(db_);
    }

    const DatosMotor& datos() const override { return datos_; }

    std::unique_ptr<Resultado> ejecutar(const QString& lote, int64_t& afectados) override {
        std::shared_ptr<Traduccion> traduccion = traducir(lote);
        std::unique_ptr<Resultado> primero;
        bool cambioEsquema = false;
        for (Preparada& p : *traduccion) {
            switch (p.clase) {
                case tsql::ClaseSentencia::Iniciar: iniciarTransaccion(); continue;
                case tsql::ClaseSentencia::Confirmar: confirmarTransaccion(); continue;
                case tsql::ClaseSentencia::Deshacer: deshacerTransaccion(); continue;
                case tsql::ClaseSentencia::Comun: break;
            }
            if (!p.stmt) preparar(p.sql, p.stmt);
            if (!p.stmt) continue;  // only a comment
            const bool escribe = !sqlite3_stmt_readonly(p.stmt);
            if (sqlite3_column_count(p.stmt) > 0 && !primero) {
                if (!p.columnas || p.columnas->size() != static_cast<size_t>(sqlite3_column_count(p.stmt))) p.columnas = describir(p.stmt);
                primero = leer(p.stmt, p.columnas);
            } else {
                pasar(p.stmt);
            }
            if (escribe) {
                afectados += sqlite3_changes(db_);
                const QByteArray inicio = p.sql.left(8).toUpper();
                cambioEsquema |= inicio.startsWith("CREATE") || inicio.startsWith("ALTER") || inicio.startsWith("DROP");
            }
        }
        if (cambioEsquema) vaciarCache();
        return primero;
    }

    int64_t ejecutarNativo(const QString& sql, const std::vector<QVariant>& parametros) override {
        sqlite3_stmt* stmt = nativa(sql);
        enlazar(stmt, parametros);
        pasar(stmt);
        return sqlite3_changes(db_);
    }

    std::unique_ptr<Resultado> releerInsertada(const QString& tabla, std::shared_ptr<const Columnas> columnas) override {
        QString sql = QStringLiteral("SELECT ");
        for (size_t j = 0; j < columnas->size(); ++j) {
            const Columna& c = (*columnas)[j];
            if (j) sql += QLatin1Char(',');
            sql += c.columnaOrigen.isEmpty() || !IgualesTabla(c.tabla, tabla) ? QStringLiteral("NULL") : Citar(c.columnaOrigen);
        }
        sql += QStringLiteral(" FROM ") + Citar(tabla) + QStringLiteral(" WHERE rowid = last_insert_rowid()");
        sqlite3_stmt* stmt = nullptr;
        const QByteArray texto = sql.toUtf8();
        if (sqlite3_prepare_v2(db_, texto.constData(), static_cast<int>(texto.size()), &stmt, nullptr) != SQLITE_OK) {
            sqlite3_finalize(stmt);
            return nullptr;  // a table without rowid: the values written stay as they were given
        }
        std::unique_ptr<Resultado> r;
        try {
            r = leer(stmt, std::move(columnas));
        } catch (...) {
            sqlite3_finalize(stmt);
            throw;
        }
        sqlite3_finalize(stmt);
        return r;
    }

    TablaBase describirTabla(const QString& tabla) override {
        TablaBase t{tabla, {}};
        sqlite3_stmt* stmt = nativa(QStringLiteral("SELECT name, pk FROM pragma_table_info(?) WHERE pk > 0 ORDER BY pk"));
        enlazar(stmt, {tabla});
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) t.clave.push_back(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0))));
        sqlite3_reset(stmt);
        if (rc != SQLITE_DONE) fallar(rc);
        return t;
    }

    void iniciarTransaccion() override {
        // BEGIN IMMEDIATE takes the write lock now: two writers wait for each other (busy timeout)
        // instead of failing when the first one tries to write inside its transaction.
        if (nivel_ == 0) ejecutarSimple("BEGIN IMMEDIATE");
        ++nivel_;
    }

    void confirmarTransaccion() override {
        sincronizarNivel();
        if (nivel_ == 0) {
            throw FalloMotor(std::vector<Error>{Registro(plataforma::errores::ErrorNoEspecificado, nativos::CommitSinBegin, "25000",
                                       QStringLiteral("La solicitud COMMIT TRANSACTION no tiene la correspondiente BEGIN TRANSACTION."), datos_.origenErrores)});
        }
        if (nivel_ == 1) ejecutarSimple("COMMIT");
        --nivel_;
    }

    void deshacerTransaccion() override {
        sincronizarNivel();
        if (nivel_ == 0) {
            throw FalloMotor(std::vector<Error>{Registro(plataforma::errores::ErrorNoEspecificado, nativos::RollbackSinBegin, "25000",
                                       QStringLiteral("La solicitud ROLLBACK TRANSACTION no tiene la correspondiente BEGIN TRANSACTION."), datos_.origenErrores)});
        }
        nivel_ = 0;
        if (!sqlite3_get_autocommit(db_)) ejecutarSimple("ROLLBACK");
    }

    int nivelTransaccion() const override { return nivel_; }

    std::unique_ptr<Resultado> esquemaTablas(const QString& tabla) override {
        static const char* const nombres[] = {"TABLE_CATALOG", "TABLE_SCHEMA", "TABLE_NAME", "TABLE_TYPE", "TABLE_GUID", "DESCRIPTION", "TABLE_PROPID", "DATE_CREATED", "DATE_MODIFIED"};
        static const char* const tipos[] = {"nvarchar(128)", "nvarchar(128)", "nvarchar(128)", "nvarchar(128)", "uniqueidentifier", "nvarchar(255)", "int", "datetime", "datetime"};
        auto r = std::make_unique<Resultado>(ColumnasFijas(nombres, tipos, 9));
        sqlite3_stmt* stmt = nativa(QStringLiteral("SELECT name, type FROM sqlite_master WHERE type IN ('table','view') AND substr(name,1,7) <> 'sqlite_' "
                                                   "AND (?1 = '' OR name = ?1 COLLATE TEXTO) ORDER BY name"));
        enlazar(stmt, {tabla});
        const QByteArray base = datos_.baseDatos.toUtf8();
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            Celda* c = r->agregarFila();
            r->texto(c[0], base.constData(), base.size());
            r->texto(c[2], reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)), static_cast<size_t>(sqlite3_column_bytes(stmt, 0)));
            const bool vista = std::strcmp(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)), "view") == 0;
            r->texto(c[3], vista ? "VIEW" : "TABLE", vista ? 4 : 5);
        }
        sqlite3_reset(stmt);
        if (rc != SQLITE_DONE) fallar(rc);
        return r;
    }

    std::unique_ptr<Resultado> esquemaColumnas(const QString& tabla, const QString& columna) override {
        static const char* const nombres[] = {"TABLE_CATALOG", "TABLE_SCHEMA", "TABLE_NAME", "COLUMN_NAME", "ORDINAL_POSITION", "COLUMN_HASDEFAULT",
                                              "COLUMN_DEFAULT", "IS_NULLABLE", "DATA_TYPE", "CHARACTER_MAXIMUM_LENGTH"};
        static const char* const tipos[] = {"nvarchar(128)", "nvarchar(128)", "nvarchar(128)", "nvarchar(128)", "int", "bit", "nvarchar(255)", "bit", "smallint", "int"};
        auto r = std::make_unique<Resultado>(ColumnasFijas(nombres, tipos, 10));
        sqlite3_stmt* stmt = nativa(QStringLiteral(
            "SELECT m.name, p.name, p.cid + 1, p.dflt_value, p.\"notnull\", p.type FROM sqlite_master m JOIN pragma_table_info(m.name) p "
            "WHERE m.type IN ('table','view') AND substr(m.name,1,7) <> 'sqlite_' AND (?1 = '' OR m.name = ?1 COLLATE TEXTO) "
            "AND (?2 = '' OR p.name = ?2 COLLATE TEXTO) ORDER BY m.name, p.cid"));
        enlazar(stmt, {tabla, columna});
        const QByteArray base = datos_.baseDatos.toUtf8();
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            Celda* c = r->agregarFila();
            r->texto(c[0], base.constData(), base.size());
            for (int k : {0, 1}) r->texto(c[2 + k], reinterpret_cast<const char*>(sqlite3_column_text(stmt, k)), static_cast<size_t>(sqlite3_column_bytes(stmt, k)));
            c[4].entero = sqlite3_column_int64(stmt, 2); c[4].clase = ClaseValor::Entero;
            const bool conDefecto = sqlite3_column_type(stmt, 3) != SQLITE_NULL;
            c[5].entero = conDefecto; c[5].clase = ClaseValor::Entero;
            if (conDefecto) r->texto(c[6], reinterpret_cast<const char*>(sqlite3_column_text(stmt, 3)), static_cast<size_t>(sqlite3_column_bytes(stmt, 3)));
            c[7].entero = sqlite3_column_int(stmt, 4) == 0; c[7].clase = ClaseValor::Entero;
            int tipo = 0;
            int64_t tamano = 0;
            TipoDeclarado(QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 5))), tipo, tamano);
            c[8].entero = tipo; c[8].clase = ClaseValor::Entero;
            if (EsTipoTexto(tipo)) { c[9].entero = tamano; c[9].clase = ClaseValor::Entero; }
        }
        sqlite3_reset(stmt);
        if (rc != SQLITE_DONE) fallar(rc);
        return r;
    }

    void fijarTiempoEspera(int segundos) override {
        sqlite3_busy_timeout(db_, segundos <= 0 || segundos > INT_MAX / 1000 ? INT_MAX : segundos * 1000);
    }

private:
    static QString Citar(const QString& nombre) { return QLatin1Char('"') + QString(nombre).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"'); }
    static bool IgualesTabla(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

    static std::shared_ptr<const Columnas> ColumnasFijas(const char* const* nombres, const char* const* tipos, int n) {
        auto c = std::make_shared<Columnas>(static_cast<size_t>(n));
        for (int k = 0; k < n; ++k) {
            (*c)[k].nombre = QString::fromLatin1(nombres[k]);
            (*c)[k].tipoDeclarado = true;
            TipoDeclarado(QByteArray(tipos[k]), (*c)[k].tipo, (*c)[k].definedSize);
        }
        return c;
    }

    [[noreturn]] void fallar(int rc) {
        const QString mensaje = QString::fromUtf8(sqlite3_errmsg(db_));
        int codigo = sqlite3_extended_errcode(db_);
        if ((codigo & 0xFF) != (rc & 0xFF)) codigo = rc;
        sincronizarNivel();
        throw FalloMotor(ErroresDe(codigo, mensaje, datos_.origenErrores));
    }

    // SQLite ends a transaction by itself after some failures (a full disk, no memory).
    void sincronizarNivel() {
        if (nivel_ > 0 && sqlite3_get_autocommit(db_)) nivel_ = 0;
    }

    void ejecutarSimple(const char* sql) {
        const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK) fallar(rc);
    }

    std::shared_ptr<Traduccion> traducir(const QString& lote) {
        auto it = cache_.constFind(lote);
        if (it != cache_.constEnd()) return *it;
        if (cache_.size() >= 256) vaciarCache();
        auto t = std::make_shared<Traduccion>();
        for (tsql::Sentencia& s : tsql::TraducirLote(lote)) t->push_back({s.clase, std::move(s.sql), nullptr, nullptr});
        cache_.insert(lote, t);
        return t;
    }

    void vaciarCache() {
        for (const auto& t : std::as_const(cache_)) {
            for (Preparada& p : *t) { sqlite3_finalize(p.stmt); p.stmt = nullptr; }
        }
        cache_.clear();
    }

    void preparar(const QByteArray& sql, sqlite3_stmt*& stmt) {
        const int rc = sqlite3_prepare_v3(db_, sql.constData(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
        if (rc != SQLITE_OK) {
            sqlite3_finalize(stmt);
            stmt = nullptr;
            fallar(rc);
        }
    }

    sqlite3_stmt* nativa(const QString& sql) {
        auto it = nativas_.find(sql);
        if (it != nativas_.end()) return *it;
        if (nativas_.size() >= 64) {
            for (sqlite3_stmt* s : std::as_const(nativas_)) sqlite3_finalize(s);
            nativas_.clear();
        }
        sqlite3_stmt* stmt = nullptr;
        preparar(sql.toUtf8(), stmt);
        nativas_.insert(sql, stmt);
        return stmt;
    }

    void enlazar(sqlite3_stmt* stmt, const std::vector<QVariant>& parametros) {
        sqlite3_reset(stmt);
        sqlite3_clear_bindings(stmt);
        for (size_t k = 0; k < parametros.size(); ++k) {
            const QVariant& v = parametros[k];
            const int n = static_cast<int>(k) + 1;
            int rc = SQLITE_OK;
            if (!v.isValid() || v.isNull()) rc = sqlite3_bind_null(stmt, n);
            else switch (v.typeId()) {
                case QMetaType::Bool: rc = sqlite3_bind_int(stmt, n, v.toBool() ? 1 : 0); break;
                case QMetaType::Int: case QMetaType::LongLong: case QMetaType::UInt: case QMetaType::Short:
                    rc = sqlite3_bind_int64(stmt, n, v.toLongLong()); break;
                case QMetaType::Double: case QMetaType::Float: rc = sqlite3_bind_double(stmt, n, v.toDouble()); break;
                case QMetaType::QByteArray: { const QByteArray b = v.toByteArray(); rc = sqlite3_bind_blob64(stmt, n, b.constData(), static_cast<sqlite3_uint64>(b.size()), SQLITE_TRANSIENT); break; }
                case QMetaType::QDateTime: { const QByteArray b = TextoDeFecha(v.toDateTime()).toUtf8(); rc = sqlite3_bind_text64(stmt, n, b.constData(), static_cast<sqlite3_uint64>(b.size()), SQLITE_TRANSIENT, SQLITE_UTF8); break; }
                default: { const QByteArray b = v.toString().toUtf8(); rc = sqlite3_bind_text64(stmt, n, b.constData(), static_cast<sqlite3_uint64>(b.size()), SQLITE_TRANSIENT, SQLITE_UTF8); break; }
            }
            if (rc != SQLITE_OK) fallar(rc);
        }
    }

    void pasar(sqlite3_stmt* stmt) {
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {}
        sqlite3_reset(stmt);
        if (rc != SQLITE_DONE) fallar(rc);
    }

    std::shared_ptr<const Columnas> describir(sqlite3_stmt* stmt) {
        const int n = sqlite3_column_count(stmt);
        auto c = std::make_shared<Columnas>(static_cast<size_t>(n));
        for (int j = 0; j < n; ++j) {
            Columna& col = (*c)[static_cast<size_t>(j)];
            col.nombre = QString::fromUtf8(sqlite3_column_name(stmt, j));
            if (const char* tabla = sqlite3_column_table_name(stmt, j)) col.tabla = QString::fromUtf8(tabla);
            if (const char* origen = sqlite3_column_origin_name(stmt, j)) col.columnaOrigen = QString::fromUtf8(origen);
            if (const char* declarado = sqlite3_column_decltype(stmt, j)) {
                col.tipoDeclarado = true;
                TipoDeclarado(QByteArray(declarado), col.tipo, col.definedSize);
            }
        }
        return c;
    }

    std::unique_ptr<Resultado> leer(sqlite3_stmt* stmt, std::shared_ptr<const Columnas> columnas) {
        auto r = std::make_unique<Resultado>(std::move(columnas));
        const int n = static_cast<int>(r->numColumnas());
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            Celda* c = r->agregarFila();
            for (int j = 0; j < n; ++j) {
                // One call per cell: the connection has no mutex (NOMUTEX), so the column's
                // value can be read directly.
                sqlite3_value* v = sqlite3_column_value(stmt, j);
                switch (sqlite3_value_type(v)) {
                    case SQLITE_INTEGER: c[j].entero = sqlite3_value_int64(v); c[j].clase = ClaseValor::Entero; break;
                    case SQLITE_FLOAT: c[j].real = sqlite3_value_double(v); c[j].clase = ClaseValor::Real; break;
                    case SQLITE_TEXT: {
                        const char* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
                        if (!p) { sqlite3_reset(stmt); fallar(SQLITE_NOMEM); }
                        r->texto(c[j], p, static_cast<size_t>(sqlite3_value_bytes(v)));
                        break;
                    }
                    case SQLITE_BLOB: {
                        const void* p = sqlite3_value_blob(v);
                        const int bytes = sqlite3_value_bytes(v);
                        if (!p && bytes > 0) { sqlite3_reset(stmt); fallar(SQLITE_NOMEM); }
                        r->binario(c[j], p, static_cast<size_t>(bytes));
                        break;
                    }
                    default: break;
                }
            }
        }
        sqlite3_reset(stmt);
        if (rc != SQLITE_DONE) fallar(rc);
        r->tiparExpresiones();
        return r;
    }

    sqlite3* db_;
    DatosMotor datos_;
    int nivel_ = 0;
    QHash<QString, std::shared_ptr<Traduccion>> cache_;
    QHash<QString, sqlite3_stmt*> nativas_;
};

int Configurar(sqlite3* db) {
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, 30000);
    return RegistrarEmulacion(db);
}

[[noreturn]] void FalloApertura(sqlite3* db, int rc, const QString& origen) {
    const QString mensaje = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
    int codigo = db ? sqlite3_extended_errcode(db) : rc;
    if ((codigo & 0xFF) != (rc & 0xFF)) codigo = rc;
    sqlite3_close_v2(db);
    throw FalloMotor(ErroresDe(codigo, mensaje, origen));
}

}  // namespace

int RegistrarEmulacion(sqlite3* db) {
    const int texto = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    int rc = sqlite3_create_collation(db, tsql::Colacion, SQLITE_UTF8, nullptr, CompararTexto);
    struct Funcion { const char* nombre; int argumentos; int opciones; void (*f)(sqlite3_context*, int, sqlite3_value**); };
    const Funcion funciones[] = {
        {"like", 2, texto, FuncionComo}, {"like", 3, texto, FuncionComo}, {"len", 1, texto, FuncionLargo},
        {"charindex", 2, texto, FuncionPosicion}, {"charindex", 3, texto, FuncionPosicion},
        {"upper", 1, texto, FuncionMayusculas}, {"lower", 1, texto, FuncionMinusculas},
        {"getdate", 0, SQLITE_UTF8, FuncionFechaActual}};
    for (const Funcion& f : funciones) {
        if (rc == SQLITE_OK) rc = sqlite3_create_function(db, f.nombre, f.argumentos, f.opciones, nullptr, f.f, nullptr, nullptr);
    }
    return rc;
}

std::unique_ptr<Motor> AbrirMotorSqlite(const QString& ruta, const DatosMotor& datos) {
    sqlite3* db = nullptr;
    const QByteArray nombre = QFile::encodeName(ruta);
    // Without SQLITE_OPEN_CREATE: a database that does not exist fails as it does on a server.
    // NOMUTEX: a connection is used by one thread only, so each column read skips a mutex.
    int rc = sqlite3_open_v2(nombre.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) FalloApertura(db, rc, datos.origenErrores);
    rc = Configurar(db);
    if (rc != SQLITE_OK) FalloApertura(db, rc, datos.origenErrores);
    // Reading through a memory map saves copying every page of a large result out of the file.
    for (const char* pragma : {"PRAGMA journal_mode=WAL", "PRAGMA foreign_keys=ON", "PRAGMA synchronous=NORMAL", "PRAGMA mmap_size=268435456"}) {
        rc = sqlite3_exec(db, pragma, nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK) FalloApertura(db, rc, datos.origenErrores);
    }
    return std::make_unique<MotorSqlite>(db, datos);
}

void CrearArchivoSqlite(const QString& ruta) {
    QDir().mkpath(QFileInfo(ruta).absolutePath());
    sqlite3* db = nullptr;
    const QByteArray nombre = QFile::encodeName(ruta);
    int rc = sqlite3_open_v2(nombre.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) FalloApertura(db, rc, QStringLiteral("SQLite"));
    sqlite3_close_v2(db);
}

}  // namespace ado
