// A dialog service for tests: each expected box is scripted with its title, text, style and the
// answer to give; a box nobody expected, or one left unshown, fails the test.
#pragma once

#include "Dialogos.h"

#include <QStringList>
#include <deque>

class DialogosGuionados final : public plataforma::ServicioDialogos {
public:
    DialogosGuionados();   // installs itself
    ~DialogosGuionados() override;  // uninstalls; fails on boxes still expected

    // A message box with exactly this title and text; estilo -1 accepts any style.
    DialogosGuionados& espera(const QString& titulo, const QString& texto, int estilo, int respuesta);
    // A message box whose text contains `fragmento`.
    DialogosGuionados& esperaConTexto(const QString& fragmento, int respuesta);
    // An input box; `respuesta` is what the operator types (empty = cancelled).
    DialogosGuionados& esperaEntrada(const QString& titulo, const QString& respuesta);

    int MsgBox(const QString& texto, int estilo, const QString& titulo) override;
    QString InputBox(const QString& texto, const QString& titulo, const QString& defecto) override;

    const QStringList& vistos() const { return vistos_; }  // "title|text|style" of every box shown
    bool completo() const { return esperados_.empty(); }

private:
    struct Caja {
        bool entrada = false;
        bool parcial = false;
        QString titulo, texto;
        int estilo = -1;
        int respuesta = 0;
        QString textoRespuesta;
    };
    std::deque<Caja> esperados_;
    QStringList vistos_;
};
