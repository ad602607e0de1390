// The program's two database objects as the shell reaches them: SesionDB (the main instance,
// installed on DB_Dll by app/) and SesionEstadisticas (the statistics database).
#pragma once

#include "DB_Dll.h"

// The main instance. Raises the runtime error "object closed" (3704) when app/ installed none.
DB_Dll& SesionDB();

void InstalarSesionEstadisticas(DB_Dll* sesion);
DB_Dll& SesionEstadisticas();
