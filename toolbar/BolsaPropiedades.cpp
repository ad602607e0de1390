// The in-memory property bag.
#include "BolsaPropiedades.h"

#include "Texto.h"

BolsaPropiedadesMemoria::BolsaPropiedadesMemoria(const QVariantMap& valores) {
    for (auto it = valores.cbegin(); it != valores.cend(); ++it) entradas_.append({it.key(), it.value(), QVariant()});
}

QVariant BolsaPropiedadesMemoria::LeerPropiedad(const QString& nombre, const QVariant& defecto) const {
    for (const Entrada& e : entradas_)
        if (plataforma::IgualesSinMayusculas(e.nombre, nombre)) return e.valor;
    return defecto;
}

void BolsaPropiedadesMemoria::EscribirPropiedad(const QString& nombre, const QVariant& valor, const QVariant& defecto) {
    for (Entrada& e : entradas_) {
        if (plataforma::IgualesSinMayusculas(e.nombre, nombre)) {
            e.valor = valor;
            e.defecto = defecto;
            return;
        }
    }
    entradas_.append({nombre, valor, defecto});
}

QVariantMap BolsaPropiedadesMemoria::Mapa() const {
    QVariantMap mapa;
    for (const Entrada& e : entradas_) mapa.insert(e.nombre, e.valor);
    return mapa;
}
