// Where the program's files live and what the machine is called: the application folder, the
// executable's name, the suite's files found whatever the case of their names, environment
// variables read without case, computer and user names.
#pragma once

#include <QString>

namespace plataforma {

// The executable's folder when it is writable (a build or a portable install), else the per-user
// data folder; the environment variable VELMORA_HOME overrides both. No trailing "/".
QString CarpetaAplicacion();
// The folder of the executable itself (resources installed beside it), no trailing "/".
QString CarpetaEjecutable();
// The executable's name without folder or extension ("Ta_Quendal").
QString NombreEjecutable();

// The path of the file `nombre` in `carpeta`: the existing file whose name matches without case,
// or, when none exists, the path with `nombre` spelled as given (so a new file keeps the
// spelling of its first creation). `nombre` may hold sub-folders ("Styles/x.qss").
QString RutaEnCarpeta(const QString& carpeta, const QString& nombre);
// The same inside the application folder.
QString RutaAplicacion(const QString& nombre);

// An environment variable found by name without case ("temp" finds TEMP); empty when unset.
QString VariableEntorno(const QString& nombre);

QString NombreEquipo();
QString NombreUsuarioSistema();

}  // namespace plataforma
