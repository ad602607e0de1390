// The helper component's operations on a window's array of text boxes. A box belongs to the
// array through two dynamic properties its window sets: "Index" (its place, from 0) and
// "DataField" (the table column it is bound to); "Tag" names the table its lookup uses.
#pragma once

#include <QList>
#include <QString>

class QLineEdit;
class QWidget;

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
    // Enter (13) is the key that advances.
    bool EsTeclaAvance(int KeyCode) const;
    // Moves the focus from the focused box to the next box of its array; the last box keeps it.
    void Avanzar(int KeyCode) const;
    // May change or cancel a typed character (KeyAscii, a Windows-1252 byte; 0 cancels): control
    // characters other than Backspace and Enter are cancelled. Characters outside Windows-1252
    // never get this far (they have no KeyAscii).
    void FiltrarTecla(QLineEdit* caja, int& KeyAscii) const;
};
