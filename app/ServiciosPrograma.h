// The program-wide objects app/ owns and the small adapters that plug the windows into the
// interfaces the lower layers declare.
#pragma once

#include "ConsultaCompartida.h"
#include "DB_Dll.h"
#include "DialogoAcceso.h"
#include "DialogosQt.h"
#include "Dll_Display.h"
#include "Entorno.h"
#include "Inicio.h"

// The start-up's notice is the one Dll_Display of the program.
class AvisoDisplay final : public AvisoInicio {
public:
    explicit AvisoDisplay(Dll_Display& display) : display_(display) {}
    void CartelInicio(const QString& Titulo, bool PermiteCancelar) override { display_.CartelInicio(Titulo, PermiteCancelar); }
    void CartelMostrar(bool& Cancelado, const std::optional<QVariant>& L1, const std::optional<QVariant>& l2,
                       const std::optional<QVariant>& l3) override {
        display_.CartelMostrar(Cancelado, L1, l2, l3);
    }
    void CartelCerrar() override { display_.CartelCerrar(); }

private:
    Dll_Display& display_;
};

// The lookup object's wiring: it keeps the connection and the mask file's path; the window hands
// it the connection again once it has loaded.
class EnlaceConsultasPrograma final : public EnlaceConsultas, public ConsultaCompartida {
public:
    void AsignarConexion(const QString& connString) override { gConnString = connString; }
    void Enlazar(const QString& connString, bool usarMascaras, const QString& rutaMascaras) override {
        gConnString = connString;
        gUsarMascarasConsultas = usarMascaras;
        gRutaMascaraConsultas = rutaMascaras;
    }
    void CrearMascarasConsultas(const QString&) override {}

    QString gConnString;
    bool gUsarMascarasConsultas = false;
    QString gRutaMascaraConsultas;
};

// Everything the program holds for the whole run, installed where the layers look for it.
struct ServiciosPrograma {
    ServiciosPrograma();
    ~ServiciosPrograma();

    plataforma::DialogosQt dialogos;
    DB_Dll SesionDB;
    DB_Dll SesionEstadisticas;
    Dll_Display display;
    AvisoDisplay aviso{display};
    EnlaceConsultasPrograma gConsulta;
    Entorno entorno;
    DialogoAcceso dialogoAcceso;
};
