// The maintenance window loaded on the demo database through the real start-up, shown, active
// and driven by key presses to whichever box has the focus, as an operator's keyboard would.
#pragma once

#include "BaseDemo.h"
#include "ConsultaCompartida.h"
#include "DialogosGuionados.h"
#include "FRMTA_QUENDAL.h"

#include <QStringList>
#include <memory>

class VentanaDemo : public BaseDemo {
protected:
    VentanaDemo();
    ~VentanaDemo() override;

    // Form_Load with the session already open and user DEMO, then shown and active.
    void Abrir();
    // A key to the focused widget (the window when none has it), then the queued work runs.
    void Pulsar(Qt::Key tecla, Qt::KeyboardModifiers modificadores = Qt::NoModifier);
    void Escribir(const QString& texto);
    // Text of column `columna` of the row with that code (trimmed compare); invalid when absent.
    QVariant Columna(const QString& codigo, const QString& columna = QStringLiteral("descripcion"));
    int Filas();
    // Every row as "codigo|descripcion", in code order.
    QStringList Tabla();
    bool EnEntradaDeCodigo() const;
    bool EnEdicionDeDetalle() const;

    struct Consulta : ConsultaCompartida {
        QString cadena;
        void AsignarConexion(const QString& c) override { cadena = c; }
    } consulta;
    DialogosGuionados cajas;
    std::unique_ptr<FRMTA_QUENDAL> v;
};
