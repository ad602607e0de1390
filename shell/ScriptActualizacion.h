// The update script runner: a list of statements sent as one batch inside a transaction on the
// main connection, committed, or rolled back with an AUX_ERR row and (when asked) a message.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

struct ResultadoScript {
    bool Fallo = false;
    int32_t ErrorNativo = 0;
    QString Script;      // the batch as sent
    QString ErrorTexto;  // the errors' lines, or the first description when silenced
};

// Runs the non-empty statements as "BEGIN TRANSACTION " CR CR (CR statement)... CR. Runtime
// errors of its own steps go to the shell's error box ("GActualizarDatoScript").
void EjecutarScript(const QStringList& Sentencias, ResultadoScript& resultado, bool SilenciarDuplicado,
                    bool SilenciarRestriccion, bool Mostrar);
