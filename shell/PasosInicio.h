// The pieces of the start-up that only compute: the first colours, the command text, the INI
// section of this station, the toolbar style and the Oracle marker of the server text.
#pragma once

#include "EstadoAplicacion.h"
#include "ParametrosInicio.h"

#include <QStringList>

class ArchivoIni;
class Sistema;
class Utilidades;

// Text colour black, background white.
void ColoresIniciales(EstadoAplicacion& estado);

// The process arguments (without the program) joined by single blanks, so that
// Ta_Quendal "@Server=x; @DbName=y;" and the unquoted form read the same.
QString ComandoDelProceso(const QStringList& argumentos);

// `lineaComando` when not empty, else the process's command text; when that is blank and
// `desdeIni` is true, the default command built from the INI file.
QString ObtenerComando(const QString& lineaComando, const QString& comandoProceso, bool desdeIni, const ArchivoIni& ini,
                       const Utilidades& utilidades, const Sistema& sistema);

// "<COMPUTER>|<USER>" in upper case, cut to 50 characters when longer once trimmed.
QString SeccionIni(const QString& equipo, const QString& usuarioSistema);

// The numeric value of "FlatToolbars" in the station's section (default "1").
double LeerFlatToolbars(const ArchivoIni& ini, const QString& seccion);

// A server text starting with "#" is an Oracle server: the "#" goes, and an empty connection
// string becomes the Oracle provider's string for the database, user and password.
void AplicarMarcaOracle(ValoresComando& valores, QString& connString);
