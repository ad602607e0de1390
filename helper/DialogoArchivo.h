// The helper component's open-file dialog: title, filter in the original's "Texto|*.ext" form,
// the chosen path and whether the operator cancelled.
#pragma once

#include <QString>

class DialogoArchivo {
public:
    void Titulo(const QString& titulo) { titulo_ = titulo; }
    void Filtro(const QString& filtro) { filtro_ = filtro; }
    void MostrarAbrir();
    const QString& NombreArchivo() const { return nombre_; }
    bool Cancelado() const { return cancelado_; }

    // "Textos (*.txt)|*.txt|Todos|*.*" as Qt wants it: "Textos (*.txt);;Todos (*.*)".
    static QString FiltroQt(const QString& filtro);

private:
    QString titulo_, filtro_, nombre_;
    bool cancelado_ = true;
};
