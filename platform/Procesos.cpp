#include "Procesos.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>

namespace plataforma {

qint64 IniciarPrograma(const QString& programa, const QStringList& argumentos, const QString& carpeta) {
    qint64 pid = 0;
    if (!QProcess::startDetached(programa, argumentos, carpeta, &pid)) return 0;
    return pid;
}

void ProcesarEventosPendientes() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace plataforma
