// The command text the suite's programs start one another with: eight parameters found by name
// ("@Server=SRV; @DbName=BASE; ..."), each value ending at ";". Also the default command text
// built from the per-computer INI section when a program is started without one.
#pragma once

#include "EjecutorPasos.h"
#include "EstadoAplicacion.h"

class ArchivoIni;
class Utilidades;

// The values that live only during the start-up.
struct ValoresComando {
    QString servidor;
    QString base;
    QString usuario;
    QString clave;
};

// Takes the command text apart into the state record (gParametroAdicional, gMenu, gCaja,
// gNombreUsuario, gClaveUsuario) and the local values. Each extraction is a statement of the
// start-up: a failing one (a name with no ";" after it raises the invalid-argument error) goes to
// `manejador`, and when that answers Seguir the destination keeps the value it had.
void LeerParametros(const QString& comando, EstadoAplicacion& estado, ValoresComando& valores,
                    const plataforma::Manejador& manejador);
// The same with the start-up's rule for the invalid-argument error: go on with the next statement.
void LeerParametros(const QString& comando, EstadoAplicacion& estado, ValoresComando& valores);

// The default command text from the INI section "<COMPUTER>|<USER>BaseDeDatos".
QString ComandoPorDefecto(const ArchivoIni& ini, const Utilidades& utilidades, const QString& equipo,
                          const QString& usuarioSistema);

// "srv:1433" and "tcp/srv:1433" are the host "srv".
QString NormalizarServidor(const QString& servidor);
