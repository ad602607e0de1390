// The host's storage of a control's properties, the way a designer saves them with the window:
// named values read with a default and written with a default, in the order the control writes
// them. Hosts implement it over their own format; BolsaPropiedadesMemoria keeps them in memory.
#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <QVariantMap>

class BolsaPropiedades {
public:
    virtual ~BolsaPropiedades() = default;
    // The stored value, or `defecto` when the key is absent. Keys are found without case.
    virtual QVariant LeerPropiedad(const QString& nombre, const QVariant& defecto) const = 0;
    // `defecto` lets a store leave out values equal to it; the memory bag keeps everything.
    virtual void EscribirPropiedad(const QString& nombre, const QVariant& valor, const QVariant& defecto) = 0;
};

class BolsaPropiedadesMemoria : public BolsaPropiedades {
public:
    struct Entrada {
        QString nombre;
        QVariant valor;
        QVariant defecto;
    };

    BolsaPropiedadesMemoria() = default;
    // A bag holding the values of a saved map (for instance read back from a settings file).
    explicit BolsaPropiedadesMemoria(const QVariantMap& valores);

    QVariant LeerPropiedad(const QString& nombre, const QVariant& defecto) const override;
    // A key written again keeps its first place and takes the new value.
    void EscribirPropiedad(const QString& nombre, const QVariant& valor, const QVariant& defecto) override;

    const QList<Entrada>& Entradas() const { return entradas_; }
    QVariantMap Mapa() const;

private:
    QList<Entrada> entradas_;
};
