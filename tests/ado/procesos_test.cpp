// Two programs on one file: a writer and a reader at once never see "database is locked", and a
// writer killed in the middle of its work leaves the file sound.
#include "BaseDePrueba.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace ado;

namespace {

// The child process: saves rows in transactions until it has written `lotes` of them; its exit
// status is 0 when every call succeeded.
[[noreturn]] void Escritor(int lotes, int desde, bool registro = false) {
    int estado = 0;
    try {
        Connection cn;
        cn.Open(CadenaPrueba);
        for (int i = 0; i < lotes; ++i) {
            QString lote = QStringLiteral("BEGIN TRANSACTION \r");
            for (int k = 0; k < 20; ++k) {
                lote += registro ? QStringLiteral("\rINSERT INTO TA_REGISTRO VALUES (%1, 'fila %2')").arg(desde + i * 20 + k).arg(i)
                                 : QStringLiteral("\rINSERT INTO TA_QUENDAL VALUES ('%1', 'fila %2')").arg(desde + i * 20 + k, 4).arg(i);
            }
            cn.Execute(lote + QLatin1Char('\r'));
            cn.Execute(QStringLiteral("COMMIT TRANSACTION"));
        }
    } catch (...) {
        estado = 1;
    }
    _exit(estado);
}

}  // namespace

using Procesos = BaseDePrueba;

TEST_F(Procesos, EscritorYLectorALaVez) {
    const pid_t hijo = fork();
    ASSERT_GE(hijo, 0);
    if (hijo == 0) Escritor(100, 0);
    // Meanwhile this process reads and also writes rows of its own.
    int fallos = 0;
    for (int i = 0; i < 200; ++i) {
        try {
            Recordset rs;
            rs.Open(QStringLiteral("SELECT codigo FROM TA_QUENDAL with(nolock) WHERE codigo = ' 100'"), cn);
            if (i % 10 == 0) cn.Execute(QStringLiteral("UPDATE TA_QUENDAL SET descripcion = 'leida' WHERE codigo = '  %1'").arg(i % 100, 2));
        } catch (const plataforma::ErrorRuntime& e) {
            ADD_FAILURE() << e.what();
            ++fallos;
        }
    }
    int estado = -1;
    waitpid(hijo, &estado, 0);
    EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
    EXPECT_EQ(fallos, 0);
    EXPECT_EQ(Valor(QStringLiteral("SELECT COUNT(*) FROM TA_QUENDAL")).toInt(), 2000);
}

TEST_F(Procesos, EscritorMatadoALaMitad) {
    cn.Execute(QStringLiteral("CREATE TABLE TA_REGISTRO (n int PRIMARY KEY, texto varchar(50))"));
    cn.Close();
    for (int intento = 0; intento < 3; ++intento) {
        const pid_t hijo = fork();
        ASSERT_GE(hijo, 0);
        if (hijo == 0) Escritor(1000, 100000 * intento, true);
        usleep(static_cast<useconds_t>(80000 + 40000 * intento));
        kill(hijo, SIGKILL);
        int estado = 0;
        waitpid(hijo, &estado, 0);
        EXPECT_EQ(IntegridadArchivo(), QStringLiteral("ok"));
    }
    cn.Open();
    // Only whole transactions survive: every batch wrote 20 rows.
    const int filas = Valor(QStringLiteral("SELECT COUNT(*) FROM TA_REGISTRO")).toInt();
    EXPECT_GT(filas, 0);
    EXPECT_EQ(filas % 20, 0);
}
