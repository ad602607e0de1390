// Starting other programs: detached, so they outlive this one, as the suite's programs do.
#pragma once

#include <QString>
#include <QStringList>

namespace plataforma {

// Starts `programa` with its arguments, detached; returns its process id, 0 when it could not start.
qint64 IniciarPrograma(const QString& programa, const QStringList& argumentos = {}, const QString& carpeta = QString());

}  // namespace plataforma
