// The dialog service on Qt Widgets: Spanish buttons, the original's answer codes, and Esc or the
// close button only where the box has Cancel or OK alone.
#pragma once

#include "Dialogos.h"

namespace plataforma {

class DialogosQt final : public ServicioDialogos {
public:
    int MsgBox(const QString& texto, int estilo, const QString& titulo) override;
    QString InputBox(const QString& texto, const QString& titulo, const QString& defecto) override;
};

}  // namespace plataforma
