// The helper component's operations on a window's array of text boxes. A box belongs to the
// array through two dynamic properties its window sets: "Index" (its place, from 0) and
// "DataField" (the table column it is bound to); "Tag" names the table its lookup uses.
#pragma once

#include <QList>
#include <QString>

class QKeyEvent;
class QLineEdit;
class QWidget;

namespace ado {
class Recordset;
}

class AyudaFormulario {
public:
    // The window's boxes ordered by index.
    static QList<QLineEdit*> Cajas(const QWidget* ventana);

    // Empties the window's boxes, from index `primerIndice` on.
    void LimpiarCampos(QWidget* ventana, int primerIndice = 0) const;
    // Prepares the boxes for the table; nothing here needs preparing beyond what the window sets.
    void ConfigurarCampos(const QList<QLineEdit*>& cajas, const QString& tabla, const QString& connString) const;
    // Index of the box bound to `columna` (found without case), -1 when none is.
    int IndiceCampo(const QString& columna, const QList<QLineEdit*>& cajas) const;
    // Copies the recordset's current row into the boxes, each from the column it is bound to
    // (Null as empty text); a box bound to no column of the recordset is left alone.
    void CargarCampos(const QList<QLineEdit*>& cajas, ado::Recordset& registro) const;
    // Enter (13) is the key that advances.
    bool EsTeclaAvance(int KeyCode) const;
    // Moves the focus from the focused box to the next box of its array; the last box keeps it.
    void Avanzar(int KeyCode) const;
    // May change or cancel a typed character (KeyAscii, a Windows-1252 byte; 0 cancels): control
    // characters other than Backspace and Enter are cancelled. Characters outside Windows-1252
    // never get this far (they have no KeyAscii).
    void FiltrarTecla(QLineEdit* caja, int& KeyAscii) const;
    // FiltrarTecla on the character a key event types into the box (printable characters and
    // Backspace, without Ctrl or Alt, whose keys are the box's own commands). When the character
    // is cancelled or changed the event is taken (true) and the changed character is typed here,
    // over the selection and within the box's maximum length; an unchanged one is left to the box.
    bool FiltrarEvento(QLineEdit* caja, QKeyEvent* evento) const;
};
