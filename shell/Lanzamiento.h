// Opening documents and web addresses with the desktop's handler, and starting the suite's other
// programs with this session's command text.
#pragma once

#include <QString>

// Opens a file or web address; an address with blanks and no double quotes is quoted first.
// Raises the runtime error "file not found" (53) when the desktop's handler cannot be started.
void AbrirEnlace(const QString& Direccion, bool Minimizada);
