#include "Inicio.h"

#include "ArchivoIni.h"
#include "Carpetas.h"
#include "Configuracion.h"
#include "EjecutorPasos.h"
#include "Entorno.h"
#include "EstadoAplicacion.h"
#include "FinProceso.h"
#include "ParametrosInicio.h"
#include "PasosInicio.h"
#include "Permisos.h"
#include "Sesiones.h"
#include "Sistema.h"
#include "Texto.h"
#include "UsuarioAcceso.h"
#include "Utilidades.h"
#include "UtilidadesShell.h"

#include <QCoreApplication>

namespace {

ServiciosInicio servicios;

void cartelCerrar() {
    if (servicios.aviso) servicios.aviso->CartelCerrar();
}

// The start-up's one handler: the notice closes; an invalid-argument error goes on with the next
// statement; any other error ends the program at once, without a message.
plataforma::Respuesta manejadorInicio(const plataforma::ErrorEjecucion& error) {
    cartelCerrar();
    if (error.Number == plataforma::errores::ArgumentoNoValido) return plataforma::Respuesta::Seguir;
    plataforma::TerminarProceso();
}

}  // namespace

void InstalarServiciosInicio(const ServiciosInicio& s) { servicios = s; }

QString CarpetaPrograma() { return Utilidades().CarpetaConBarra(plataforma::CarpetaAplicacion()); }

void InicioAplicacion(bool ParametrosDesdeIni, const QString& LineaComando, QString& ConnString, int lCursor) {
    const Utilidades utilidades;
    const Sistema sistema;
    const ArchivoIni ini;
    EstadoAplicacion& estado = Estado();
    QString appDir, comando;
    ValoresComando valores;
    bool yaConectado = false;

    plataforma::EjecutarPasos(
        {
            [&] {
                if (!servicios.aviso) return;
                servicios.aviso->CartelInicio(QStringLiteral("Conectando Base de Datos"), false);
                bool cancelado = false;
                servicios.aviso->CartelMostrar(cancelado, QVariant(QStringLiteral("Iniciando Aplicacion")),
                                               QVariant(plataforma::NombreEjecutable()), QVariant(QStringLiteral("Espere por favor")));
            },
            [&] {
                appDir = CarpetaPrograma();
                estado.gArchivoAyuda = appDir + QStringLiteral("htmlhelp/dazorovudave.chm");
            },
            [&] { ColoresIniciales(estado); },
            [&] {
                comando = ObtenerComando(LineaComando, ComandoDelProceso(QCoreApplication::arguments()), ParametrosDesdeIni, ini, utilidades, sistema);
            },
            [&] { estado.gSeccionIni = SeccionIni(sistema.NombreEquipo(), sistema.NombreUsuarioSistema()); },
            [&] { estado.gFlatToolbars = LeerFlatToolbars(ini, estado.gSeccionIni); },
            [&] { yaConectado = SesionDB().gOpenFlag; },
            [&] { if (!yaConectado) LeerParametros(comando, estado, valores, manejadorInicio); },
            [&] { if (!yaConectado) AplicarMarcaOracle(valores, ConnString); },
        },
        manejadorInicio);

    // Steps 10 to 15 run again when the operator names another server or database at log-in.
    for (bool reconectar = true; reconectar;) {
        reconectar = false;
        plataforma::EjecutarPasos(
            {
                [&] {
                    if (yaConectado) return;
                    DB_Dll& sesion = SesionDB();
                    sesion.gUsuario = valores.base;
                    sesion.gDBName = valores.base;
                    sesion.gUserPassWord = valores.base;
                    sesion.gServidor = NormalizarServidor(valores.servidor);
                    sesion.gNombreUsuarioSesion = estado.gNombreUsuario;
                    const bool pedir = valores.servidor.trimmed().isEmpty() || valores.usuario.trimmed().isEmpty();
                    sesion.OpenServerADODB(pedir, lCursor, ConnString, true, true);
                    if (!sesion.gOpenFlag) plataforma::TerminarProceso();
                },
                [&] { if (!yaConectado) AbrirConexionEstadisticas(); },
                [&] {
                    if (yaConectado) return;
                    SesionDB().gCnn().setCommandTimeout(estado.gTimeOut);
                    SesionDB().gCnn().setIsolationLevel(ado::adXactReadUncommitted);
                },
                [&] {
                    DB_Dll& sesion = SesionDB();
                    if (sesion.gDBName.isEmpty()) return;
                    if (servicios.entorno) servicios.entorno->EstablecerCarpeta(appDir);
                    sesion.gCnn().setDefaultDatabase(sesion.gDBName);
                    const QString mascaras = appDir + QStringLiteral("consultas.cvx");
                    if (servicios.consultas) {
                        servicios.consultas->Enlazar(sesion.gConnString, true, mascaras);
                        if (!ExisteArchivo(plataforma::RutaEnCarpeta(plataforma::CarpetaAplicacion(), QStringLiteral("consultas.cvx")))) {
                            servicios.consultas->CrearMascarasConsultas(mascaras);
                        }
                    }
                    sesion.gCnn().setDefaultDatabase(sesion.gDBName);
                    CargarConfiguracion(appDir);
                },
                [&] {
                    if (estado.gClaveUsuario != QLatin1String("* *")) return;
                    ado::Recordset rs;
                    SesionDB().AbrirRecordset(QStringLiteral("Select * from ta_usuarios  with(nolock)  where Nombre = ") +
                                                  DB_Dll::SQLValue(estado.gNombreUsuario),
                                              rs);
                    if (!rs.Eof()) estado.gClaveUsuario = utilidades.Decodificar(utilidades.ValorCampo(rs.Fields(QStringLiteral("Password")).Value()).toString());
                    SesionDB().CierraRecordset(rs);
                },
                [&] {
                    if (ValidarUsuario(estado.gNombreUsuario, estado.gClaveUsuario)) return;
                    QString servidor, base;
                    if (IntentosIngreso(servidor, base) == ResultadoIngreso::OtraConexion) {
                        valores.servidor = servidor;
                        valores.base = base;
                        ConnString.clear();
                        yaConectado = false;
                        reconectar = true;
                    }
                },
                [&] { SesionDB().gNombreUsuarioSesion = estado.gNombreUsuario; },
            },
            manejadorInicio);
    }

    plataforma::EjecutarPasos({[&] { CargarPermisos(QString()); }, [&] { cartelCerrar(); }}, manejadorInicio);
}

void AbrirConexionEstadisticas() {
    EstadoAplicacion& estado = Estado();
    const QString base = QStringLiteral("CX_ESTADISTICAS");
    plataforma::EjecutarContinuando({
        [&] { estado.gTimeOut = 90; },
        [&] { if (SesionEstadisticas().gOpenFlag) SesionEstadisticas().gCnn().Close(); },
        [&] {
            DB_Dll& e = SesionEstadisticas();
            e.gProveedor = SesionDB().pSQLOLEDB();
            e.gServidor = SesionDB().gServidor;
            e.gDBName = base;
            e.gUsuario = base;
            e.gUserPassWord = base;
        },
        [&] { SesionEstadisticas().OpenServerADODB(false, ado::adUseClient, QString(), true, false); },
        [&] {
            if (!SesionEstadisticas().gOpenFlag) return;
            SesionEstadisticas().gCnn().setDefaultDatabase(base);
            QString aux;
            estado.gTimeOut = static_cast<int16_t>(plataforma::Val(LeerConfiguracionEstadisticas(QStringLiteral("TimeOut"), aux)));
            if (estado.gTimeOut == 0) GrabarConfiguracion(QStringLiteral("TimeOut"), 0, QString(), false, QStringLiteral("BaseDeDatos"));
        },
        [&] { if (estado.gTimeOut == 0) estado.gTimeOut = 90; },
    });
}

void FinalizarAplicacion() {
    plataforma::EjecutarContinuando({
        [] { RegistrarEgreso(); },
        [] { cartelCerrar(); },
        [] { if (SesionDB().gCnn().State() != ado::adStateClosed) SesionDB().gCnn().Close(); },
    });
}
