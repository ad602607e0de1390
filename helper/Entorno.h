// The helper component's environment object: told the application folder once at start-up.
#pragma once

#include <QString>

class Entorno {
public:
    void EstablecerCarpeta(const QString& carpeta) { carpeta_ = carpeta; }
    const QString& Carpeta() const { return carpeta_; }

private:
    QString carpeta_;
};
