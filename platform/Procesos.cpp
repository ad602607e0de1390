#include "Procesos.h"

#include <QProcess>

namespace plataforma {

qint64 IniciarPrograma(const QString& programa, const QStringList& argumentos, const QString& carpeta) {
    qint64 pid = 0;
    if (!QProcess::startDetached(programa, argumentos, carpeta, &pid)) return 0;
    return pid;
}

}  // namespace plataforma
