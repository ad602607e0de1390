// The start-up and the shutdown of the program. The start-up reaches the windows above it only
// through the interfaces below, which app/ installs before it runs.
#pragma once

#include <QString>
#include <QVariant>
#include <optional>

class Entorno;

// The progress notice shown while the start-up connects.
class AvisoInicio {
public:
    virtual ~AvisoInicio() = default;
    virtual void CartelInicio(const QString& Titulo, bool PermiteCancelar) = 0;
    virtual void CartelMostrar(bool& Cancelado, const std::optional<QVariant>& L1, const std::optional<QVariant>& l2,
                               const std::optional<QVariant>& l3) = 0;
    virtual void CartelCerrar() = 0;
};

// The shared lookup object: pointed at the connection and at its mask file, which it creates
// with its default entries when missing.
class EnlaceConsultas {
public:
    virtual ~EnlaceConsultas() = default;
    virtual void Enlazar(const QString& connString, bool usarMascaras, const QString& rutaMascaras) = 0;
    virtual void CrearMascarasConsultas(const QString& rutaMascaras) = 0;
};

struct ServiciosInicio {
    AvisoInicio* aviso = nullptr;
    EnlaceConsultas* consultas = nullptr;
    Entorno* entorno = nullptr;
};
void InstalarServiciosInicio(const ServiciosInicio& servicios);

// The program's folder as the start-up uses it, ending in "/".
QString CarpetaPrograma();

// Connects, checks the user, loads the configuration and logs the access; any path that cannot
// get there ends the program at once (an invalid-argument error only skips its statement).
void InicioAplicacion(bool ParametrosDesdeIni, const QString& LineaComando, QString& ConnString, int lCursor);
// Opens the statistics database quietly and takes the command time-out from it.
void AbrirConexionEstadisticas();
// Stamps the exit on the access row and releases the shared objects.
void FinalizarAplicacion();
