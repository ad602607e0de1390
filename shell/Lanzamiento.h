// Opening documents and web addresses with the desktop's handler, and starting the suite's other
// programs with this session's command text.
#pragma once

#include <QString>

// Opens a file or web address; an address with blanks and no double quotes is quoted first.
// Raises the runtime error "file not found" (53) when the desktop's handler cannot be started.
void AbrirEnlace(const QString& Direccion, bool Minimizada);

// The command text this session hands to a program it starts: same server, database and user.
// The user's password travels in it, as the suite's programs expect.
QString ComandoParaOtroPrograma(const QString& Parametro);

// Starts a suite program: "SHELL:NAME" or "NAME" from the program folder, or a path (a text with
// "\" or "/", whose first six characters are dropped), with this session's command text.
// `Parametro` keeps what follows its first blank. `Resultado` is the process id, 0 when nothing
// started ("Opcion no Implementada!" is shown then). Failures go to the shell's error box ("MenuExes").
void EjecutarPrograma(const QString& Programa, QString& Parametro, qint64& Resultado);
