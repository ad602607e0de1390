#include "Sesiones.h"

namespace {
DB_Dll* estadisticas = nullptr;
}

DB_Dll& SesionDB() {
    DB_Dll* principal = DB_Dll::Principal();
    if (!principal) plataforma::Lanzar(plataforma::errores::ObjetoCerrado);
    return *principal;
}

void InstalarSesionEstadisticas(DB_Dll* sesion) { estadisticas = sesion; }

DB_Dll& SesionEstadisticas() {
    if (!estadisticas) plataforma::Lanzar(plataforma::errores::ObjetoCerrado);
    return *estadisticas;
}
