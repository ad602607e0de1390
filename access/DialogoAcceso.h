// The access dialog as the database object and the log-in ask for it: a fresh frmAcceso per
// request, filled with the values, shown modally, read back when accepted.
#pragma once

#include "DialogoConexion.h"

class DialogoAcceso final : public basedatos::DialogoConexion {
public:
    bool PedirConexion(basedatos::ParametrosConexion& valores) override;
};
