// The company configuration kept in TA_CONFIGURACION: reading and writing keys, loading the
// whole set into the state record at start-up, the company data and the server's clock.
#pragma once

#include <QDateTime>
#include <QString>

// The VALOR of a key on the main connection (" " when the key has no row; "1" for a blank
// "THEME"); `ValorAux` receives the row's ValorAux. Empty when the connection is not open.
// Failing statements go to the shell's error box ("Cfg"): Ignorar goes on, anything else leaves.
QString LeerConfiguracion(const QString& Clave, QString& ValorAux);
QString LeerConfiguracion(const QString& Clave);
// The same on the statistics connection, always in TA_CONFIGURACION ("CfgCX").
QString LeerConfiguracionEstadisticas(const QString& Clave, QString& ValorAux);
// Creates or updates the key in the statistics database (continue-on-error).
void GrabarConfiguracion(const QString& Clave, const QVariant& Valor, const QString& ValorAux, bool PoliticaNegocio,
                         const QString& Grupo, bool Recortar = true);
// Loads every configuration field of the state record (continue-on-error).
void CargarConfiguracion(const QString& CarpetaPrograma);

struct DatosDeEmpresa {
    QString RazonSocial, Cuit, InicioActividades, IngresosBrutos, CondicionIva, PuntoVenta, Domicilio;
};
// The company's (or the business unit's) data; also sets gCondicionIva and gCondIvaEmpresa.
DatosDeEmpresa DatosEmpresa(const QString& UNegocio);

// The server's date and time (seconds kept, fractions lost); when the server gives none, the
// "FECHAOPERHASTA" key (if gUtilizarFechaDia) or the computer's clock.
QDateTime FechaServidor();

// The sales-type programs whose decimals come from "CantidadDecimalesMerkal".
bool EsProgramaDeVentas(const QString& ejecutable);
