#include "Configuracion.h"

#include "Carpetas.h"
#include "EjecutorPasos.h"
#include "EstadoAplicacion.h"
#include "FechaRegional.h"
#include "MensajeError.h"
#include "Sesiones.h"
#include "Texto.h"
#include "Utilidades.h"

#include <QLocale>
#include <cmath>
#include <cstdlib>
#include <ctime>

using plataforma::IgualesSinMayusculas;

namespace {

// One key read on `sesion`'s connection from `tabla`; `rutina` labels the error box.
QString leerClave(DB_Dll& sesion, const QString& tabla, const QString& Clave, QString& ValorAux, const QString& rutina) {
    const Utilidades u;
    const QString clave = Clave.trimmed();
    QString resultado;
    ado::Recordset rs;
    const auto fin = plataforma::EjecutarPasos(
        {
            [&] {
                QString sentencia = QStringLiteral("SELECT VALOR, valoraux FROM ") + tabla + QStringLiteral(" with(nolock)  WHERE CLAVE = ") +
                                    DB_Dll::SQLValue(clave);
                if (IgualesSinMayusculas(clave, QStringLiteral("[FECHA HASTA]")) || IgualesSinMayusculas(clave, QStringLiteral("[FECHA DESDE]"))) {
                    sentencia = sentencia.toUpper();
                }
                sesion.AbrirRecordset(sentencia, rs, &sesion.gCnn(), ado::adOpenForwardOnly, ado::adLockReadOnly);
            },
            [&] {
                if (rs.Eof()) {
                    resultado = QStringLiteral(" ");
                    ValorAux.clear();
                } else {
                    resultado = u.ValorCampo(rs.Fields(0).Value()).toString();
                    ValorAux = u.ValorCampo(rs.Fields(1).Value()).toString();
                }
            },
            [&] { sesion.CierraRecordset(rs); },
            [&] { if (IgualesSinMayusculas(clave, QStringLiteral("THEME")) && resultado.trimmed().isEmpty()) resultado = QStringLiteral("1"); },
        },
        [&](const plataforma::ErrorEjecucion& e) {
            return MensajeError(e, std::nullopt, rutina) == 5 ? plataforma::Respuesta::Seguir : plataforma::Respuesta::Salir;
        });
    if (!fin.completo) {
        if (rs.State() != ado::adStateClosed) rs.Close();
        return QString();
    }
    return resultado;
}

bool reglaSi(const QString& valor) { return IgualesSinMayusculas(valor, QStringLiteral("SI")); }
bool reglaNoEsNo(const QString& valor) {
    const QString v = valor.trimmed();
    return !v.isEmpty() && !IgualesSinMayusculas(v, QStringLiteral("NO"));
}

// The ten sales-type programs of the suite whose decimals come from "CantidadDecimalesMerkal".
constexpr const char* kProgramasDeVentas[] = {
    "VENTAS", "VENTAS2", "PUNTOVENTA", "COMANDAS", "REMITOS", "ORDENESTRABAJO", "PRESUPUESTOS", "INFORMESDIFERIDOS",
    "FACTURACIONAUTOMATICA", "PEDIDOS",
};

}  // namespace

bool EsProgramaDeVentas(const QString& ejecutable) {
    for (const char* p : kProgramasDeVentas) {
        if (IgualesSinMayusculas(ejecutable, QString::fromLatin1(p))) return true;
    }
    return false;
}

QString LeerConfiguracion(const QString& Clave, QString& ValorAux) {
    DB_Dll& sesion = SesionDB();
    if (!sesion.gOpenFlag) return QString();
    EstadoAplicacion& estado = Estado();
    if (estado.gTablaConfiguracion.trimmed().isEmpty()) estado.gTablaConfiguracion = QStringLiteral("TA_CONFIGURACION");
    return leerClave(sesion, estado.gTablaConfiguracion, Clave, ValorAux, QStringLiteral("Cfg"));
}

QString LeerConfiguracion(const QString& Clave) {
    QString aux;
    return LeerConfiguracion(Clave, aux);
}

QString LeerConfiguracionEstadisticas(const QString& Clave, QString& ValorAux) {
    return leerClave(SesionEstadisticas(), QStringLiteral("TA_CONFIGURACION"), Clave, ValorAux, QStringLiteral("CfgCX"));
}

void GrabarConfiguracion(const QString& Clave, const QVariant& Valor, const QString& ValorAux, bool PoliticaNegocio, const QString& Grupo,
                         bool Recortar) {
    const Utilidades u;
    ado::Recordset rs;
    plataforma::EjecutarContinuando({
        [&] {
            DB_Dll& sesion = SesionEstadisticas();
            sesion.AbrirRecordset(QStringLiteral("SELECT * FROM ") + QStringLiteral("TA_CONFIGURACION") +
                                      QStringLiteral(" with(nolock)  WHERE CLAVE = ") + DB_Dll::SQLValue(Clave),
                                  rs, &sesion.gCnn(), ado::adOpenDynamic, ado::adLockOptimistic);
        },
        [&] {
            if (rs.Eof()) rs.AddNew();
            else rs.MoveFirst();
        },
        [&] { rs.Fields(QStringLiteral("Grupo")) = u.ValorCampo(Grupo); },
        [&] { rs.Fields(QStringLiteral("Clave")) = u.ValorCampo(Clave.trimmed().toUpper()); },
        [&] { rs.Fields(QStringLiteral("Valor")) = u.ValorCampo(Recortar ? QVariant(Valor.toString().trimmed()) : Valor); },
        [&] { rs.Fields(QStringLiteral("PoliticaNegocio")) = PoliticaNegocio; },
        [&] { if (!ValorAux.isEmpty()) rs.Fields(QStringLiteral("ValorAux")) = u.ValorCampo(ValorAux.trimmed()); },
        [&] { rs.Update(); },
        [&] { SesionEstadisticas().CierraRecordset(rs); },
    });
}

DatosDeEmpresa DatosEmpresa(const QString& UNegocio) {
    const Utilidades u;
    EstadoAplicacion& estado = Estado();
    DatosDeEmpresa d;
    ado::Recordset rs;
    bool existe = false;
    const QString unidad = UNegocio.trimmed();
    auto vacio = [](const QString& t) { return t.isEmpty(); };
    plataforma::EjecutarContinuando({
        [&] {
            if (UNegocio.isEmpty()) return plataforma::Flujo::Siguiente;
            existe = SesionDB().ExisteEnTabla(QStringLiteral("v_ta_unidadNegocio"), u.FormatearCodigo(UNegocio, 4), QStringLiteral("codigo"), &rs, 8);
            return plataforma::Flujo::Siguiente;
        },
        [&] {
            if (!existe) return;
            d.RazonSocial = u.ValorCampo(rs.Fields(QStringLiteral("razon_social")).Value()).toString();
            d.Cuit = u.ValorCampo(rs.Fields(QStringLiteral("Cuit")).Value()).toString();
        },
        [&] {
            if (!existe) return;
            if (!d.Cuit.isEmpty()) {
                d.InicioActividades = LeerConfiguracion(QStringLiteral("INICIO_ACTIVIDADES_UN_") + unidad).trimmed();
                d.IngresosBrutos = LeerConfiguracion(QStringLiteral("INGRESOS_BRUTOS_UN_") + unidad).trimmed();
                d.CondicionIva = LeerConfiguracion(QStringLiteral("CONDICIONIVA_UN_") + unidad).trimmed();
                d.Domicilio = LeerConfiguracion(QStringLiteral("DOMICILIO_UN_") + unidad).trimmed();
            } else {
                d.InicioActividades.clear();
                d.IngresosBrutos.clear();
                d.CondicionIva.clear();
                d.Domicilio.clear();
                d.RazonSocial.clear();
            }
        },
        [&] { if (existe) d.PuntoVenta = u.ValorCampo(rs.Fields(QStringLiteral("PDV")).Value()).toString().trimmed(); },
        [&] { if (rs.State() != ado::adStateClosed) SesionDB().CierraRecordset(rs); },
        [&] { if (vacio(d.RazonSocial)) d.RazonSocial = LeerConfiguracion(QStringLiteral("NOMBRE")); },
        [&] { if (vacio(d.Cuit)) d.Cuit = LeerConfiguracion(QStringLiteral("cuit")); },
        [&] { if (vacio(d.CondicionIva)) d.CondicionIva = LeerConfiguracion(QStringLiteral("CONDIVAEMPRESA")); },
        [&] { if (vacio(d.InicioActividades)) d.InicioActividades = LeerConfiguracion(QStringLiteral("INICIOACTIVIDADES")).trimmed(); },
        [&] { if (vacio(d.IngresosBrutos)) d.IngresosBrutos = LeerConfiguracion(QStringLiteral("NROINGRESOSBRUTOS")).trimmed(); },
        [&] {
            if (vacio(d.Domicilio)) {
                d.Domicilio = LeerConfiguracion(QStringLiteral("CALLE")) + QLatin1Char(' ') + LeerConfiguracion(QStringLiteral("NUMERO")) +
                              QStringLiteral("  ") + LeerConfiguracion(QStringLiteral("PISO")) + QLatin1Char(' ') +
                              LeerConfiguracion(QStringLiteral("Departamento"));
            }
        },
        [&] {
            estado.gCondicionIva = d.CondicionIva;
            estado.gCondIvaEmpresa = static_cast<int16_t>(u.ValorEntero(d.CondicionIva));
        },
    });
    return d;
}

QDateTime FechaServidor() {
    QDateTime resultado;
    ado::Recordset rs;
    plataforma::EjecutarContinuando({
        [&] { SesionDB().AbrirRecordset(QStringLiteral("select  getDate() as fecha"), rs); },
        [&] {
            if (!rs.Eof()) {
                const QDateTime fecha = rs.Fields(QStringLiteral("fecha")).Value().toDateTime();
                const QString texto = QLocale::c().toString(fecha, QStringLiteral("dd/MM/yyyy HH:mm:ss"));
                resultado = QLocale::c().toDateTime(texto, QStringLiteral("dd/MM/yyyy HH:mm:ss"));
            }
        },
        [&] {
            if (resultado.isValid()) return;
            if (Estado().gUtilizarFechaDia) {
                if (const auto fecha = basedatos::FechaRegional(LeerConfiguracion(QStringLiteral("FECHAOPERHASTA")))) {
                    resultado = QDateTime(*fecha, QTime(0, 0));
                }
            }
        },
        [&] { if (rs.State() != ado::adStateClosed) SesionDB().CierraRecordset(rs); },
    });
    if (!resultado.isValid()) resultado = QDateTime::currentDateTime();
    return resultado;
}

void CargarConfiguracion(const QString& CarpetaPrograma) {
    const Utilidades u;
    EstadoAplicacion& e = Estado();
    auto leer = [](const char* clave) { return LeerConfiguracion(QString::fromLatin1(clave)); };
    auto texto = [&](const char* clave) { return leer(clave).trimmed(); };
    auto color = [&](const char* clave) { return static_cast<uint32_t>(std::llround(u.ValorNumerico(leer(clave)))); };
    auto dinero = [&](const char* clave) { return static_cast<int64_t>(std::llround(u.ValorNumerico(texto(clave)) * 10000.0)); };
    ado::Recordset rs;
    plataforma::EjecutarContinuando({
        [&] { std::srand(static_cast<unsigned>(std::time(nullptr))); },
        [&] { e.gTablaConfiguracion = QStringLiteral("ta_configuracion"); },
        [&] { e.gMostrarStockenConsultas = reglaSi(u.ValorCampo(leer("MostrarStockenConsultas")).toString()); },
        [&] { e.gTituloClientes = texto("TituloClientes"); },
        [&] { e.gTituloProveedores = texto("TituloProveedores"); },
        [&] { e.gArchivoTareas = CarpetaPrograma + QStringLiteral("CXDOCTareas.cvx"); },
        [&] { e.gExigeClaveConsultaLike = reglaSi(leer("EXIGECLAVECONSULTALIKEARTICULOS")); },
        [&] { e.gUsaConsultaLike = reglaSi(leer("UsaConsultaLike")); },
        [&] { e.gCantidadDecimales = leer("CantidadDecimales"); },
        [&] {
            e.gConfidencialidad = reglaSi(leer("SS_CONFIDENCIALIDAD"));
            SesionDB().gConfidencialidad = e.gConfidencialidad;  // the database object rewrites synonyms with it
        },
        [&] {
            if (EsProgramaDeVentas(plataforma::NombreEjecutable()) && u.ValorNumerico(leer("CantidadDecimalesMerkal")) > 0) {
                e.gCantidadDecimales = leer("CantidadDecimalesMerkal");
            }
        },
        [&] { e.gUsaMultiplesMonedas = reglaSi(leer("UsaMultilesMonedas")); },
        [&] { e.gUsaFacturaProforma = reglaSi(leer("UsaFacturaProforma")); },
        [&] { e.gUsaCentroCosto = reglaSi(leer("USACCOSTO")); },
        [&] { e.gUsaStockKg = reglaSi(leer("USA_STK_STOCK_UDKG")); },
        [&] {
            SesionDB().AbrirRecordset(QStringLiteral("Select * from ta_usuarios  with(nolock)  where Nombre = ") + DB_Dll::SQLValue(e.gNombreUsuario), rs);
        },
        [&] { if (!rs.Eof()) e.gUNegocio = u.ValorCampo(rs.Fields(QStringLiteral("UNegocio")).Value()).toString(); },
        [&] { if (!rs.Eof() && e.gUsaFacturaProforma) e.gUsaFacturaProforma = rs.Fields(QStringLiteral("verproforma")).Value().toBool(); },
        [&] {
            if (!rs.Eof()) e.gClasePUsa = u.QuitarCaracteres(u.ValorCampo(rs.Fields(QStringLiteral("clasepusa")).Value()).toString().trimmed(), QStringLiteral(","));
        },
        [&] { if (rs.State() != ado::adStateClosed) SesionDB().CierraRecordset(rs); },
        [&] { if (e.gUNegocio.isEmpty()) e.gUNegocio = QStringLiteral("   1"); },
        [&] { e.gUnidadM3 = texto("UNIDADDEMEDIDA_M3"); },
        [&] { e.gUnidadBL = texto("UNIDADDEMEDIDA_BL"); },
        [&] { e.gUnidadKG = texto("UNIDADDEMEDIDA_KG"); },
        [&] { e.gPeriodo = static_cast<int16_t>(plataforma::Val(leer("PERIODO"))); },
        [&] { e.gRazonSocialPorUneg = reglaSi(texto("RazonSocialPorUneg")); },
        [&] { e.gValidaCodigoBarra = reglaSi(texto("VALIDACODIGOBARRA")); },
        [&] {
            e.gColorFondo = color("CFondo");
            if (e.gColorFondo == 0) e.gColorFondo = 0xFFFF00;
        },
        [&] { e.gColorLetra = color("CLetra"); },
        [&] { e.gModuloOrdenDeTrabajo = !IgualesSinMayusculas(texto("ModuloOrdenDeTrabajo"), QStringLiteral("NO")); },
        [&] { e.gModificaPrecioVenta = reglaNoEsNo(leer("V_ModificaCPrecio")); },
        [&] { e.gModificaPrecioCompra = reglaNoEsNo(leer("C_ModificaCPrecio")); },
        [&] { e.gMaderera = reglaNoEsNo(leer("MADERERA")); },
        [&] { e.gMadTiras = texto("MAD_TIRAS"); },
        [&] { e.gMadP2 = texto("MAD_P2"); },
        [&] { e.gMadML = texto("MAD_ML"); },
        [&] { e.gMadM2 = texto("MAD_M2"); },
        [&] { e.gMadHojas = texto("MAD_HOJAS"); },
        [&] { e.gMadMLP2 = texto("MAD_ML_P2"); },
        [&] { e.gMadM2P2 = texto("MAD_M2_P2"); },
        [&] { e.gMadMLM2 = texto("MAD_ML_M2"); },
        [&] { e.gCuentaCtroDist = texto("CuentaCtroDist"); },
        [&] { e.gMaxDto = dinero("MaxDto"); },
        [&] { e.gMaxDtoProforma = dinero("MaxDtoProforma"); },
        [&] { e.gPideClaveStockNeg = reglaNoEsNo(leer("PideClave_StockNeg")); },
        [&] { e.gPideClaveMarkUpBase = reglaNoEsNo(leer("PideClave_MarkUpBase")); },
        [&] { e.gPideClaveLimiteCredito = reglaNoEsNo(leer("PideClave_LimiteCredito")); },
        [&] { e.gBloqueoActivo = reglaSi(leer("SS_BloqueoActivo")); },
        [&] { e.gUtilizarFechaDia = reglaSi(leer("UTILIZARFECHADIA")); },
        [&] { e.gAsignaLoteIng = reglaSi(leer("AsignacionAutomaticaDeLoteING")); },
        [&] { e.gAsignaLoteIngOP = reglaSi(leer("AsignacionAutomaticaDeLoteINGOP")); },
        [&] { DatosEmpresa(e.gUNegocio); },
        [&] { if (e.gCondIvaEmpresa == 0) e.gCondIvaEmpresa = 1; },
        [&] {
            e.gTopDefault = leer("Top_Default");
            if (e.gTopDefault.trimmed().isEmpty()) e.gTopDefault = QStringLiteral("1000");
        },
    });
}
