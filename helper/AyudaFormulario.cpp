#include "AyudaFormulario.h"

#include "ArchivosAnsi.h"
#include "Recordset.h"
#include "Teclas.h"
#include "Texto.h"
#include "Utilidades.h"

#include <QApplication>
#include <QKeyEvent>
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

void AyudaFormulario::CargarCampos(const QList<QLineEdit*>& cajas, ado::Recordset& registro) const {
    const Utilidades utilidades;
    ado::Campos& campos = registro.Fields();
    for (QLineEdit* caja : cajas) {
        const QString columna = caja->property("DataField").toString();
        for (int i = 0; i < campos.Count(); ++i) {
            if (!plataforma::IgualesSinMayusculas(campos.Item(i).Name(), columna.trimmed())) continue;
            caja->setText(utilidades.ValorCampo(campos.Item(i).Value()).toString());
            break;
        }
    }
}

bool AyudaFormulario::FiltrarEvento(QLineEdit* caja, QKeyEvent* evento) const {
    if (!caja || !evento || caja->isReadOnly()) return false;
    if (evento->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString texto = evento->text();
    const bool retroceso = evento->key() == Qt::Key_Backspace;
    if (!retroceso && (texto.size() != 1 || !texto.at(0).isPrint())) return false;
    const int original = plataforma::CodigoAscii(evento->key(), texto);
    if (original == 0) return false;  // a character the original could not receive: the box takes it
    int KeyAscii = original;
    FiltrarTecla(caja, KeyAscii);
    if (KeyAscii == original) return false;
    if (KeyAscii == plataforma::tecla::vbKeyBack) {
        caja->backspace();
    } else if (KeyAscii >= 32) {
        // insert() replaces the selection and keeps within the maximum length.
        caja->insert(plataforma::DecodificarAnsi(QByteArray(1, static_cast<char>(KeyAscii))));
    }
    return true;
}
