// The shared lookup object as the maintenance window sees it: the window hands it the
// connection once the start-up has opened it. app/ installs the program's one instance.
#pragma once

#include <QString>

class ConsultaCompartida {
public:
    virtual ~ConsultaCompartida() = default;
    virtual void AsignarConexion(const QString& connString) = 0;
};
