// Fault loops in the manner of SQLite's own tests: the Nth allocation of the engine fails, or the
// Nth file write, once or for good, for N = 1, 2, ... over open, fetch, update and a batch. Every
// fault must end as a runtime error with its record in Errors, never a crash or a leak, and the
// file must stay sound.
#include "CarpetaDePrueba.h"
#include "Connection.h"
#include "ErrorEjecucion.h"
#include "Recordset.h"
#include "motor_sqlite.h"
#include "proveedor.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

// ---- The injector: one countdown shared by the allocator and the file writes ---------------------

struct Inyector {
    bool enMemoria = false;    // which kind of call is counted
    bool activo = false;
    bool persistente = false;
    long objetivo = 0;
    long llamadas = 0;
    bool disparado = false;
    long vivas = 0;            // allocations not yet freed

    bool fallar() {
        if (!activo) return false;
        ++llamadas;
        if (llamadas == objetivo || (persistente && llamadas > objetivo)) {
            disparado = true;
            return true;
        }
        return false;
    }
    void armar(bool memoria, long n, bool siempre) {
        enMemoria = memoria; objetivo = n; persistente = siempre; llamadas = 0; disparado = false; activo = true;
    }
};
Inyector inyector;

sqlite3_mem_methods memoriaReal;

void* Reservar(int n) {
    if (inyector.enMemoria && inyector.fallar()) return nullptr;
    void* p = memoriaReal.xMalloc(n);
    if (p) ++inyector.vivas;
    return p;
}
void Liberar(void* p) {
    if (p) --inyector.vivas;
    memoriaReal.xFree(p);
}
void* Reasignar(void* p, int n) {
    if (inyector.enMemoria && inyector.fallar()) return nullptr;
    return memoriaReal.xRealloc(p, n);
}

// A VFS over the platform's own whose files fail the chosen write.
sqlite3_vfs* vfsReal = nullptr;
struct Archivo {
    sqlite3_file base;
    sqlite3_file* real;
};
sqlite3_file* Real(sqlite3_file* f) { return reinterpret_cast<Archivo*>(f)->real; }

int Cerrar(sqlite3_file* f) { return Real(f)->pMethods->xClose(Real(f)); }
int Leer(sqlite3_file* f, void* b, int n, sqlite3_int64 o) { return Real(f)->pMethods->xRead(Real(f), b, n, o); }
int Escribir(sqlite3_file* f, const void* b, int n, sqlite3_int64 o) {
    if (!inyector.enMemoria && inyector.fallar()) return SQLITE_IOERR_WRITE;
    return Real(f)->pMethods->xWrite(Real(f), b, n, o);
}
int Truncar(sqlite3_file* f, sqlite3_int64 n) { return Real(f)->pMethods->xTruncate(Real(f), n); }
int Sincronizar(sqlite3_file* f, int o) { return Real(f)->pMethods->xSync(Real(f), o); }
int Tamano(sqlite3_file* f, sqlite3_int64* n) { return Real(f)->pMethods->xFileSize(Real(f), n); }
int Bloquear(sqlite3_file* f, int n) { return Real(f)->pMethods->xLock(Real(f), n); }
int Desbloquear(sqlite3_file* f, int n) { return Real(f)->pMethods->xUnlock(Real(f), n); }
int Reservado(sqlite3_file* f, int* r) { return Real(f)->pMethods->xCheckReservedLock(Real(f), r); }
int Control(sqlite3_file* f, int op, void* a) { return Real(f)->pMethods->xFileControl(Real(f), op, a); }
int Sector(sqlite3_file* f) { return Real(f)->pMethods->xSectorSize(Real(f)); }
int Caracteristicas(sqlite3_file* f) { return Real(f)->pMethods->xDeviceCharacteristics(Real(f)); }
int MapaShm(sqlite3_file* f, int i, int t, int e, void volatile** p) { return Real(f)->pMethods->xShmMap(Real(f), i, t, e, p); }
int BloqueoShm(sqlite3_file* f, int o, int n, int fl) { return Real(f)->pMethods->xShmLock(Real(f), o, n, fl); }
void BarreraShm(sqlite3_file* f) { Real(f)->pMethods->xShmBarrier(Real(f)); }
int QuitarShm(sqlite3_file* f, int b) { return Real(f)->pMethods->xShmUnmap(Real(f), b); }
int Traer(sqlite3_file* f, sqlite3_int64 o, int n, void** p) { return Real(f)->pMethods->xFetch(Real(f), o, n, p); }
int Soltar(sqlite3_file* f, sqlite3_int64 o, void* p) { return Real(f)->pMethods->xUnfetch(Real(f), o, p); }

const sqlite3_io_methods metodos = {3, Cerrar, Leer, Escribir, Truncar, Sincronizar, Tamano, Bloquear, Desbloquear, Reservado,
                                    Control, Sector, Caracteristicas, MapaShm, BloqueoShm, BarreraShm, QuitarShm, Traer, Soltar};

int Abrir(sqlite3_vfs*, sqlite3_filename nombre, sqlite3_file* f, int flags, int* salida) {
    auto* a = reinterpret_cast<Archivo*>(f);
    a->real = reinterpret_cast<sqlite3_file*>(a + 1);
    const int rc = vfsReal->xOpen(vfsReal, nombre, a->real, flags, salida);
    a->base.pMethods = (rc == SQLITE_OK && a->real->pMethods) ? &metodos : nullptr;
    return rc;
}
int Borrar(sqlite3_vfs*, const char* n, int s) { return vfsReal->xDelete(vfsReal, n, s); }
int Acceso(sqlite3_vfs*, const char* n, int f, int* r) { return vfsReal->xAccess(vfsReal, n, f, r); }
int RutaCompleta(sqlite3_vfs*, const char* n, int t, char* s) { return vfsReal->xFullPathname(vfsReal, n, t, s); }
int Azar(sqlite3_vfs*, int n, char* s) { return vfsReal->xRandomness(vfsReal, n, s); }
int Dormir(sqlite3_vfs*, int us) { return vfsReal->xSleep(vfsReal, us); }
int Hora(sqlite3_vfs*, double* t) { return vfsReal->xCurrentTime(vfsReal, t); }
int UltimoError(sqlite3_vfs*, int n, char* s) { return vfsReal->xGetLastError(vfsReal, n, s); }
int Hora64(sqlite3_vfs*, sqlite3_int64* t) { return vfsReal->xCurrentTimeInt64(vfsReal, t); }

sqlite3_vfs vfsFallas;

// Installed before main, before anything starts the engine.
const bool instalado = [] {
    sqlite3_config(SQLITE_CONFIG_GETMALLOC, &memoriaReal);
    sqlite3_mem_methods propia = memoriaReal;
    propia.xMalloc = Reservar;
    propia.xFree = Liberar;
    propia.xRealloc = Reasignar;
    sqlite3_config(SQLITE_CONFIG_MALLOC, &propia);
    vfsReal = sqlite3_vfs_find(nullptr);
    vfsFallas = sqlite3_vfs{2, static_cast<int>(sizeof(Archivo)) + vfsReal->szOsFile, vfsReal->mxPathname, nullptr, "fallas", nullptr,
                            Abrir, Borrar, Acceso, RutaCompleta, nullptr, nullptr, nullptr, nullptr, Azar, Dormir, Hora, UltimoError, Hora64,
                            nullptr, nullptr, nullptr};
    sqlite3_vfs_register(&vfsFallas, 1);
    return true;
}();

const QString Cadena = QStringLiteral("PROVIDER=SQLOLEDB;Server=(localdb);Database =FALLAS;UId=FALLAS;Pwd=FALLAS;");

// ---- The work under faults -----------------------------------------------------------------------

class Fallos : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(instalado); }

    void PrepararArchivo() {
        const QString ruta = ado::RutaBaseLocal(QStringLiteral("FALLAS"));
        for (const char* sufijo : {"", "-wal", "-shm"}) QFile::remove(ruta + QLatin1String(sufijo));
        ado::CrearBaseDatos(ruta);
        ado::Connection cn;
        cn.Open(Cadena);
        cn.Execute(QStringLiteral("CREATE TABLE TA_QUENDAL (codigo char(4) NOT NULL PRIMARY KEY, descripcion varchar(50) NULL)\r"
                                  "INSERT INTO TA_QUENDAL VALUES ('   1', 'AUTO')\rINSERT INTO TA_QUENDAL VALUES ('   2', 'MOTO')"));
    }

    // Each step either succeeds or raises a runtime error; anything else fails the test (a crash
    // ends it). Returns how many steps raised.
    int Trabajo() {
        int errores = 0;
        ado::Connection cn;
        auto paso = [&](auto&& f) {
            try {
                f();
            } catch (const plataforma::ErrorRuntime& e) {
                ++errores;
                EXPECT_NE(e.numero(), 0);
                // An engine failure (an HRESULT) always leaves its record in Errors.
                if (e.numero() < 0) {
                    EXPECT_GT(cn.Errors().Count(), 0);
                    if (cn.Errors().Count() > 0) { EXPECT_FALSE(cn.Errors()[0].Description.isEmpty()); }
                }
            }
        };
        paso([&] { cn.Open(Cadena); });
        if (cn.State() != ado::adStateOpen) return errores;
        paso([&] {
            ado::Recordset rs;
            rs.Open(QStringLiteral("SELECT * FROM TA_QUENDAL with(nolock) WHERE descripcion LIKE '%o%' ORDER BY codigo"), cn);
            for (; !rs.Eof(); rs.MoveNext()) rs.Fields(QStringLiteral("descripcion")).Value();
        });
        paso([&] {
            ado::Recordset rs;
            rs.Open(QStringLiteral("SELECT * FROM TA_QUENDAL"), cn, ado::adOpenDynamic, ado::adLockOptimistic);
            rs.Fields(1) = QStringLiteral("CAMBIADO");
            try {
                rs.Update();
            } catch (...) {
                rs.CancelUpdate();
                throw;
            }
            rs.AddNew();
            rs.Fields(0) = QStringLiteral("   3");
            rs.Fields(1) = QStringLiteral("NUEVO");
            try {
                rs.Update();
            } catch (...) {
                rs.CancelUpdate();
                throw;
            }
        });
        bool loteFallido = true;
        paso([&] {
            cn.Execute(QStringLiteral("BEGIN TRANSACTION \r\r\rINSERT INTO TA_QUENDAL VALUES ('   4', 'A')\rUPDATE TA_QUENDAL SET descripcion = 'B' WHERE codigo = '   4'\r"));
            cn.Execute(QStringLiteral("COMMIT TRANSACTION"));
            loteFallido = false;
        });
        // The script runner's answer to a failed batch; it may fail too (the transaction may be gone).
        if (loteFallido) paso([&] { cn.Execute(QStringLiteral("ROLLBACK TRANSACTION")); });
        paso([&] { cn.Close(); });
        return errores;
    }

    static QString Integridad() {
        sqlite3* db = nullptr;
        QString resultado = QStringLiteral("no abre");
        if (sqlite3_open_v2(ado::RutaBaseLocal(QStringLiteral("FALLAS")).toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
            ado::RegistrarEmulacion(db);
            sqlite3_stmt* st = nullptr;
            if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW) {
                resultado = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
            }
            sqlite3_finalize(st);
        }
        sqlite3_close(db);
        return resultado;
    }

    void Bucle(bool memoria) {
        PrepararArchivo();
        Trabajo();  // the first run leaves the engine's process-wide allocations behind
        for (bool persistente : {false, true}) {
            for (long n = 1;; ++n) {
                PrepararArchivo();
                const long vivasAntes = inyector.vivas;
                inyector.armar(memoria, n, persistente);
                Trabajo();
                inyector.activo = false;
                const bool disparado = inyector.disparado;
                EXPECT_EQ(inyector.vivas, vivasAntes) << "fuga con N = " << n << (persistente ? " persistente" : "");
                EXPECT_EQ(Integridad(), QStringLiteral("ok")) << "N = " << n << (persistente ? " persistente" : "");
                if (::testing::Test::HasFailure() || !disparado) {
                    std::printf("%s %s: %ld puntos de falla recorridos\n", memoria ? "memoria" : "escrituras", persistente ? "persistente" : "una vez", n - 1);
                    break;
                }
            }
        }
        PrepararArchivo();
        EXPECT_EQ(Trabajo(), 0);  // without faults everything works again
    }

    CarpetaDePrueba carpeta;
};

TEST_F(Fallos, CadaReservaDeMemoria) { Bucle(true); }

TEST_F(Fallos, CadaEscrituraEnArchivo) { Bucle(false); }

}  // namespace
