#include "ServiciosPrograma.h"

#include "Sesiones.h"

ServiciosPrograma::ServiciosPrograma() {
    plataforma::InstalarDialogos(&dialogos);
    DB_Dll::InstalarPrincipal(&SesionDB);
    InstalarSesionEstadisticas(&SesionEstadisticas);
    basedatos::InstalarDialogoConexion(&dialogoAcceso);
    InstalarServiciosInicio({&aviso, &gConsulta, &entorno});
}

ServiciosPrograma::~ServiciosPrograma() {
    InstalarServiciosInicio({});
    basedatos::InstalarDialogoConexion(nullptr);
    InstalarSesionEstadisticas(nullptr);
    DB_Dll::InstalarPrincipal(nullptr);
    plataforma::InstalarDialogos(nullptr);
}
