// Starting other programs (detached, so they outlive this one, as the suite's programs do) and
// letting this one's pending events run in the middle of long work.
#pragma once

#include <QString>
#include <QStringList>

namespace plataforma {

// Starts `programa` with its arguments, detached; returns its process id, 0 when it could not start.
qint64 IniciarPrograma(const QString& programa, const QStringList& argumentos = {}, const QString& carpeta = QString());

// The original's DoEvents during database work: paint and timers run, user input waits and
// arrives later, in order, so a key typed meanwhile never lands in a box about to be disabled.
void ProcesarEventosPendientes();

}  // namespace plataforma
