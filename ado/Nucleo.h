// What a Connection shares with the recordsets opened on it: the engine, the Errors collection
// and the simulated failures of the test seam. Internal to the ado library.
#pragma once

#include "Connection.h"
#include "Errors.h"
#include "Motor.h"

#include <memory>

namespace ado {

struct Nucleo {
    std::unique_ptr<Motor> motor;
    ado::Errors errores;
    QString origen;   // Source of the errors raised while no engine is open

    struct FalloSimulado {
        int restantes = 0;
    };
    FalloSimulado fallos[static_cast<int>(Operacion::Cantidad)];
    bool servidorCaido = false;

    // Raises the first record of a failure after putting every record into Errors.
    [[noreturn]] void lanzar(std::vector<Error> registros);
    [[noreturn]] void lanzar(const FalloMotor& f) { lanzar(f.errores()); }
    // A simulated lost connection, when one is programmed for this operation.
    void comprobarFallo(Operacion operacion);
    // The engine, or 3709 when the connection is closed.
    Motor& motorAbierto();
};

}  // namespace ado
