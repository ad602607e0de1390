// Creating a company database (and the statistics database beside it) on the embedded engine.
#pragma once

#include <QString>

namespace velmoradb {

struct OpcionesCrear {
    QString servidor;
    QString base;
    bool demo = false;
    bool reemplazar = false;
};

// Returns the process exit code; messages go to standard output (progress) and error (failures).
int CrearBase(const OpcionesCrear& opciones);

// The database name of the statistics connection, created beside every company database.
inline constexpr const char* BaseEstadisticas = "CX_ESTADISTICAS";

}  // namespace velmoradb
