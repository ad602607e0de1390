// Task permissions: which menu task the user reaches this program (or form) under, recorded with
// the access-log row. Recorded, not enforced.
#pragma once

#include <QString>

// What the name mapping decides for a program name: the process name the task query looks for,
// whether the query runs, and whether an access row is written at all.
struct ReglaPrograma {
    QString proceso;
    bool consultaTarea = true;
    bool escribeAcceso = true;
};
ReglaPrograma ReglaDePrograma(const QString& nombre);

// Resolves the form and task and writes the access row (continue-on-error, nothing shown).
void CargarPermisos(const QString& Formulario);
