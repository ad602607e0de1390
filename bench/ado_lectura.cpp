// Reading speed and memory of ado's Recordset against the raw sqlite3 API on the same file:
// a million (code, description) rows read in full, a one-row existence query on a 9,999-row
// table, and the heap a client-side recordset of 100,000 rows of 50 characters keeps.
#include "Connection.h"
#include "Recordset.h"
#include "motor_sqlite.h"
#include "proveedor.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QFile>
#include <benchmark/benchmark.h>
#include <cstring>
#include <malloc.h>
#include <sqlite3.h>

namespace {

const QString Cadena = QStringLiteral("PROVIDER=SQLOLEDB;Server=(localdb);Database =BANCO;UId=BANCO;Pwd=BANCO;");
const char* const ConsultaTotal = "SELECT codigo, descripcion FROM TA_LECTURA";
const QString Existencia = QStringLiteral("SELECT codigo FROM TA_QUENDAL with(nolock) WHERE codigo = '  12'");

QString Ruta() { return ado::RutaBaseLocal(QStringLiteral("BANCO")); }

void Preparar() {
    ado::CrearBaseDatos(Ruta());
    ado::Connection cn;
    cn.Open(Cadena);
    cn.Execute(QStringLiteral("CREATE TABLE TA_LECTURA (codigo int PRIMARY KEY, descripcion varchar(50))\r"
                              "CREATE TABLE TA_QUENDAL (codigo char(4) NOT NULL PRIMARY KEY, descripcion varchar(50))\r"
                              "CREATE TABLE TA_TEXTO (texto varchar(50))"));
    cn.BeginTrans();
    cn.Execute(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000000) "
                              "INSERT INTO TA_LECTURA SELECT i, 'Descripcion del tipo de vehiculo ' || i FROM n"));
    cn.Execute(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 9999) "
                              "INSERT INTO TA_QUENDAL SELECT substr('    ' || i, -4, 4), 'Tipo ' || i FROM n"));
    cn.Execute(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000) "
                              "INSERT INTO TA_TEXTO SELECT substr(printf('%050d', i), 1, 50) FROM n"));
    cn.CommitTrans();
}

sqlite3* AbrirCrudo() {
    sqlite3* db = nullptr;
    sqlite3_open_v2(Ruta().toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    ado::RegistrarEmulacion(db);
    return db;
}

void LecturaCruda(benchmark::State& state) {
    sqlite3* db = AbrirCrudo();
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, ConsultaTotal, -1, &st, nullptr);
    for (auto _ : state) {
        size_t bytes = 0;
        while (sqlite3_step(st) == SQLITE_ROW) {
            bytes += static_cast<size_t>(sqlite3_column_int(st, 0));
            const unsigned char* d = sqlite3_column_text(st, 1);
            bytes += static_cast<size_t>(sqlite3_column_bytes(st, 1)) + d[0];
        }
        sqlite3_reset(st);
        benchmark::DoNotOptimize(bytes);
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
}

// The raw loop turning each description into a QString, the fair baseline of the full read below.
void LecturaCrudaConTexto(benchmark::State& state) {
    sqlite3* db = AbrirCrudo();
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, ConsultaTotal, -1, &st, nullptr);
    for (auto _ : state) {
        size_t bytes = 0;
        while (sqlite3_step(st) == SQLITE_ROW) {
            bytes += static_cast<size_t>(sqlite3_column_int(st, 0));
            const char* d = reinterpret_cast<const char*>(sqlite3_column_text(st, 1));
            bytes += static_cast<size_t>(QString::fromUtf8(d, sqlite3_column_bytes(st, 1)).size());
        }
        sqlite3_reset(st);
        benchmark::DoNotOptimize(bytes);
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
}

// What a program loop does: open, read both fields of every row as values, move on.
void LecturaRecordset(benchmark::State& state) {
    ado::Connection cn;
    cn.Open(Cadena);
    for (auto _ : state) {
        size_t bytes = 0;
        ado::Recordset rs;
        rs.Open(QString::fromLatin1(ConsultaTotal), cn);
        ado::Field& codigo = rs.Fields(0);
        ado::Field& descripcion = rs.Fields(QStringLiteral("descripcion"));
        while (!rs.Eof()) {
            bytes += static_cast<size_t>(codigo.Value().toInt());
            bytes += static_cast<size_t>(descripcion.Value().toString().size());
            rs.MoveNext();
        }
        benchmark::DoNotOptimize(bytes);
    }
}

// The same loop touching only the code: the descriptions are never converted.
void LecturaRecordsetSoloCodigo(benchmark::State& state) {
    ado::Connection cn;
    cn.Open(Cadena);
    for (auto _ : state) {
        size_t bytes = 0;
        ado::Recordset rs;
        rs.Open(QString::fromLatin1(ConsultaTotal), cn);
        ado::Field& codigo = rs.Fields(0);
        while (!rs.Eof()) {
            bytes += static_cast<size_t>(codigo.Value().toInt());
            rs.MoveNext();
        }
        benchmark::DoNotOptimize(bytes);
    }
}

void ExistenciaCruda(benchmark::State& state) {
    sqlite3* db = AbrirCrudo();
    sqlite3_stmt* st = nullptr;
    // The statement as the emulation sends it.
    sqlite3_prepare_v2(db, "SELECT codigo FROM TA_QUENDAL  WHERE codigo = '  12' COLLATE TEXTO", -1, &st, nullptr);
    for (auto _ : state) {
        bool existe = sqlite3_step(st) == SQLITE_ROW;
        if (existe) benchmark::DoNotOptimize(sqlite3_column_text(st, 0));
        sqlite3_reset(st);
        benchmark::DoNotOptimize(existe);
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
}

void ExistenciaRecordset(benchmark::State& state) {
    ado::Connection cn;
    cn.Open(Cadena);
    for (auto _ : state) {
        ado::Recordset rs;
        rs.Open(Existencia, cn, ado::adOpenForwardOnly, ado::adLockReadOnly, -1);
        bool existe = !rs.BOF();
        benchmark::DoNotOptimize(existe);
        rs.Close();
    }
}

// A line of /proc/self/status in kB ("VmHWM:", "VmRSS:").
double MemoriaProceso(const char* clave) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& linea : f.readAll().split('\n')) {
        if (linea.startsWith(clave)) return linea.mid(static_cast<qsizetype>(std::strlen(clave))).trimmed().split(' ').value(0).toDouble() * 1024.0;
    }
    return 0;
}

// Memory of an open recordset of 100,000 rows of 50 characters, against the raw text (5 MB):
// resident size kept once open, and the peak while it opens.
void MemoriaRecordset(benchmark::State& state) {
    ado::Connection cn;
    cn.Open(Cadena);
    double proporcion = 0, pico = 0, picoPropio = 0;
    for (auto _ : state) {
        malloc_trim(0);
        // The peak resident size is reset, so the high-water mark below is this open's own peak.
        QFile limpiar(QStringLiteral("/proc/self/clear_refs"));
        if (limpiar.open(QIODevice::WriteOnly)) limpiar.write("5");
        const double residenteAntes = MemoriaProceso("VmRSS:");
        const double archivoAntes = MemoriaProceso("RssFile:") + MemoriaProceso("RssShmem:");
        ado::Recordset rs;
        rs.Open(QStringLiteral("SELECT texto FROM TA_TEXTO"), cn);
        proporcion = (MemoriaProceso("VmRSS:") - residenteAntes) / (100000.0 * 50.0);
        pico = (MemoriaProceso("VmHWM:") - residenteAntes) / (100000.0 * 50.0);
        // The same peak without the database file's pages mapped by the engine (the page cache).
        const double archivo = MemoriaProceso("RssFile:") + MemoriaProceso("RssShmem:") - archivoAntes;
        picoPropio = pico - archivo / (100000.0 * 50.0);
        benchmark::DoNotOptimize(rs.RecordCount());
    }
    state.counters["retenido_por_byte_de_texto"] = proporcion;
    state.counters["pico_residente_por_byte_de_texto"] = pico;
    state.counters["pico_sin_archivo_por_byte_de_texto"] = picoPropio;
}

}  // namespace

BENCHMARK(LecturaCruda)->Unit(benchmark::kMillisecond);
BENCHMARK(LecturaCrudaConTexto)->Unit(benchmark::kMillisecond);
BENCHMARK(LecturaRecordset)->Unit(benchmark::kMillisecond);
BENCHMARK(LecturaRecordsetSoloCodigo)->Unit(benchmark::kMillisecond);
BENCHMARK(ExistenciaCruda)->Unit(benchmark::kMicrosecond);
BENCHMARK(ExistenciaRecordset)->Unit(benchmark::kMicrosecond);
BENCHMARK(MemoriaRecordset)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir carpeta;
    qputenv("VELMORA_HOME", QFile::encodeName(carpeta.path()));
    Preparar();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
