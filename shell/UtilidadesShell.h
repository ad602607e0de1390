// Small shared routines of the shell: the date and time format texts of the logs, and whether a
// file can be read.
#pragma once

#include <QString>

// The original's format texts; format a date with them through plataforma::FormatearFecha.
QString FormatoFechaHora();  // "dd/mm/yy hh:mm"
QString FormatoFecha();      // "dd/mm/yy"
QString FormatoHora();       // "hh:mm"

// True when the file can be opened for reading; double quotes around the path are ignored; a
// folder or a missing file is false. Never raises.
bool ExisteArchivo(const QString& archivo);
