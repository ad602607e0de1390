#include "Sistema.h"

#include "Carpetas.h"

#include <QDir>

QString Sistema::NombreEquipo() const { return plataforma::NombreEquipo(); }

QString Sistema::NombreUsuarioSistema() const { return plataforma::NombreUsuarioSistema(); }

QString Sistema::CarpetaAuxiliar() const { return QDir::tempPath(); }
