// Fuzz target of the T-SQL emulation: any text is split and rewritten, and every statement it
// yields is prepared and stepped (reads only) on an in-memory engine with the emulation's
// collation and functions, so LIKE, LEN and CHARINDEX meet arbitrary text too.
#include "motor_sqlite.h"
#include "tsql_sqlite.h"

#include <QString>
#include <cstdint>
#include <cstdlib>
#include <sqlite3.h>

namespace {

int SoloLectura(void*, int accion, const char*, const char*, const char*, const char*) {
    switch (accion) {
        case SQLITE_SELECT: case SQLITE_READ: case SQLITE_FUNCTION: case SQLITE_RECURSIVE: return SQLITE_OK;
        default: return SQLITE_DENY;
    }
}

int Limite(void* pasos) { return ++*static_cast<int*>(pasos) > 2000; }

sqlite3* Motor() {
    static sqlite3* db = [] {
        sqlite3* d = nullptr;
        sqlite3_open(":memory:", &d);
        ado::RegistrarEmulacion(d);
        sqlite3_exec(d, "CREATE TABLE T (a varchar(20) COLLATE TEXTO PRIMARY KEY, b int);"
                        "INSERT INTO T VALUES ('MUÑOZ', 1), ('  12', 2), ('ab  ', NULL);", nullptr, nullptr, nullptr);
        sqlite3_set_authorizer(d, SoloLectura, nullptr);
        return d;
    }();
    return db;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo) {
    const QString lote = QString::fromUtf8(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(largo));
    const auto sentencias = ado::tsql::TraducirLote(lote);
    // Translating twice gives the same statements: nothing depends on hidden state.
    if (ado::tsql::TraducirLote(lote).size() != sentencias.size()) std::abort();
    sqlite3* db = Motor();
    int pasos = 0;
    sqlite3_progress_handler(db, 100, Limite, &pasos);
    for (const auto& s : sentencias) {
        if (s.clase != ado::tsql::ClaseSentencia::Comun) continue;
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, s.sql.constData(), static_cast<int>(s.sql.size()), &st, nullptr) == SQLITE_OK && st) {
            for (int fila = 0; fila < 50 && sqlite3_step(st) == SQLITE_ROW; ++fila) {}
        }
        sqlite3_finalize(st);
    }
    return 0;
}
