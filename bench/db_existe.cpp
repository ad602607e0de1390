// The code check's cost: ExisteEnTabla on a full TA_QUENDAL (9,999 codes) against the statement
// it sends, in SQLite's own dialect, prepared, stepped and finalized with the raw sqlite3 API on
// the same file. The ratio of the two is the database object's and ado's overhead.
#include "DB_Dll.h"
#include "motor_sqlite.h"
#include "proveedor.h"
#include "tsql_sqlite.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

// A code in the middle of the table, one at its end, and one that does not exist (a new code:
// the whole table is read).
const char* const Codigos[] = {"5000", "9999", "X1"};

QString Ruta() { return ado::RutaBaseLocal(QStringLiteral("BANCO")); }

DB_Dll& Sesion() {
    static DB_Dll db;
    return db;
}

void Preparar() {
    ado::CrearBaseDatos(Ruta());
    DB_Dll& db = Sesion();
    db.gServidor = QStringLiteral("(localdb)");
    db.gDBName = db.gUsuario = db.gUserPassWord = QStringLiteral("BANCO");
    db.OpenServerADODB(false, ado::adUseClient, QString(), false, false);
    db.gCnn().Execute(QStringLiteral("CREATE TABLE TA_QUENDAL (codigo char(4) NOT NULL PRIMARY KEY, descripcion varchar(50))"));
    db.gCnn().Execute(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 9999) "
                                     "INSERT INTO TA_QUENDAL SELECT substr('    ' || i, -4, 4), 'Tipo ' || i FROM n"));
}

void ExisteCrudo(benchmark::State& state) {
    const QString codigo = QString::fromLatin1(Codigos[state.range(0)]);
    // The statement ExisteEnTabla builds for a text code, as the emulation sends it.
    const QString tsql = QStringLiteral("SELECT TOP 1  * FROM TA_QUENDAL with(nolock)  WHERE LTRIM(RTRIM(Codigo)) =") + DB_Dll::SQLValue(codigo);
    const QByteArray sql = ado::tsql::TraducirLote(tsql).front().sql;
    sqlite3* db = nullptr;
    sqlite3_open_v2(Ruta().toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    ado::RegistrarEmulacion(db);
    for (auto _ : state) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, sql.constData(), static_cast<int>(sql.size()), &st, nullptr);
        bool existe = sqlite3_step(st) == SQLITE_ROW;
        if (existe) benchmark::DoNotOptimize(sqlite3_column_text(st, 1));
        sqlite3_finalize(st);
        benchmark::DoNotOptimize(existe);
    }
    state.SetLabel(sql.constData());
    sqlite3_close(db);
}

void ExisteEnTabla(benchmark::State& state) {
    const QString codigo = QString::fromLatin1(Codigos[state.range(0)]);
    DB_Dll& db = Sesion();
    bool esperado = state.range(0) != 2;
    for (auto _ : state) {
        bool existe = db.ExisteEnTabla(QStringLiteral("TA_QUENDAL"), codigo);
        if (existe != esperado) state.SkipWithError("wrong answer");
        benchmark::DoNotOptimize(existe);
    }
}

}  // namespace

BENCHMARK(ExisteCrudo)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(ExisteEnTabla)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    QTemporaryDir carpeta;
    qputenv("VELMORA_HOME", QFile::encodeName(carpeta.path()));
    Preparar();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
