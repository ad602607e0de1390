#include "AyudaFormulario.h"

#include "Teclas.h"
#include "Texto.h"

#include <QApplication>
#include <QLineEdit>
#include <algorithm>

QList<QLineEdit*> AyudaFormulario::Cajas(const QWidget* ventana) {
    QList<QLineEdit*> cajas;
    if (!ventana) return cajas;
    for (QLineEdit* caja : ventana->findChildren<QLineEdit*>()) {
        if (caja->property("Index").isValid() && caja->property("DataField").isValid()) cajas.append(caja);
    }
    std::sort(cajas.begin(), cajas.end(), [](QLineEdit* a, QLineEdit* b) { return a->property("Index").toInt() < b->property("Index").toInt(); });
    return cajas;
}

void AyudaFormulario::LimpiarCampos(QWidget* ventana, int primerIndice) const {
    for (QLineEdit* caja : Cajas(ventana)) {
        if (caja->property("Index").toInt() >= primerIndice) caja->clear();
    }
}

void AyudaFormulario::ConfigurarCampos(const QList<QLineEdit*>&, const QString&, const QString&) const {}

int AyudaFormulario::IndiceCampo(const QString& columna, const QList<QLineEdit*>& cajas) const {
    for (QLineEdit* caja : cajas) {
        if (plataforma::IgualesSinMayusculas(caja->property("DataField").toString(), columna.trimmed())) return caja->property("Index").toInt();
    }
    return -1;
}

bool AyudaFormulario::EsTeclaAvance(int KeyCode) const { return KeyCode == plataforma::tecla::vbKeyReturn; }

void AyudaFormulario::Avanzar(int KeyCode) const {
    if (!EsTeclaAvance(KeyCode)) return;
    auto* actual = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (!actual || !actual->property("Index").isValid()) return;
    const QList<QLineEdit*> cajas = Cajas(actual->window());
    const qsizetype posicion = cajas.indexOf(actual);
    for (qsizetype i = posicion + 1; i < cajas.size(); ++i) {
        if (cajas.at(i)->isEnabled() && cajas.at(i)->isVisible()) {
            cajas.at(i)->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void AyudaFormulario::FiltrarTecla(QLineEdit*, int& KeyAscii) const {
    if (KeyAscii < 32 && KeyAscii != plataforma::tecla::vbKeyBack && KeyAscii != plataforma::tecla::vbKeyReturn) KeyAscii = 0;
    if (KeyAscii == 127) KeyAscii = 0;
}
