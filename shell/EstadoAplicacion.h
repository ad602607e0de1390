// The program-wide state record: created empty when the program starts (texts empty, numbers
// zero, flags false) and readable everywhere. Its fields keep the suite's names.
#pragma once

#include <QString>
#include <cstdint>

struct EstadoAplicacion {
    // Application user and session.
    QString gNombreUsuario;
    QString gClaveUsuario;  // clear text, or "* *": take the password from the user table
    QString gSeccionIni;    // "<COMPUTER>|<USER>", at most 50 characters
    double gFlatToolbars = 0;
    uint32_t gColorFondo = 0;  // 0x00BBGGRR
    uint32_t gColorLetra = 0;
    QString gMenu;
    QString gParametroAdicional;
    QString gCaja;
    int16_t gTimeOut = 0;  // seconds
    int32_t gIdControlAcceso = 0;
    QString gArchivoAyuda;  // the help file F1 would open
    QString gProcesoLote;  // a batch process's name; nothing in this program sets it

    // Company configuration, loaded from the configuration table at start-up.
    QString gTablaConfiguracion;
    bool gMostrarStockenConsultas = false;
    QString gTituloClientes;
    QString gTituloProveedores;
    QString gArchivoTareas;
    bool gExigeClaveConsultaLike = false;
    bool gUsaConsultaLike = false;
    QString gCantidadDecimales;
    bool gConfidencialidad = false;
    bool gUsaMultiplesMonedas = false;
    bool gUsaFacturaProforma = false;
    bool gUsaCentroCosto = false;
    bool gUsaStockKg = false;
    QString gUNegocio;
    QString gClasePUsa;
    QString gUnidadM3;
    QString gUnidadBL;
    QString gUnidadKG;
    int16_t gPeriodo = 0;
    bool gRazonSocialPorUneg = false;
    bool gValidaCodigoBarra = false;
    bool gModuloOrdenDeTrabajo = false;
    bool gModificaPrecioVenta = false;
    bool gModificaPrecioCompra = false;
    bool gMaderera = false;
    QString gMadTiras;
    QString gMadP2;
    QString gMadML;
    QString gMadM2;
    QString gMadHojas;
    QString gMadMLP2;
    QString gMadM2P2;
    QString gMadMLM2;
    QString gCuentaCtroDist;
    int64_t gMaxDto = 0;          // money: ten-thousandths
    int64_t gMaxDtoProforma = 0;  // money: ten-thousandths
    bool gPideClaveStockNeg = false;
    bool gPideClaveMarkUpBase = false;
    bool gPideClaveLimiteCredito = false;
    bool gBloqueoActivo = false;
    bool gUtilizarFechaDia = false;
    bool gAsignaLoteIng = false;
    bool gAsignaLoteIngOP = false;
    QString gCondicionIva;
    int16_t gCondIvaEmpresa = 0;
    QString gTopDefault;
};

// The program's one state record.
EstadoAplicacion& Estado();
