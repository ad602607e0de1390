#include "DialogosQt.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace plataforma {

namespace {

QMessageBox::Icon iconoDeEstilo(int estiloCaja) {
    switch (estiloCaja & 0x70) {
        case estilo::vbCritical: return QMessageBox::Critical;
        case estilo::vbQuestion: return QMessageBox::Question;
        case estilo::vbExclamation: return QMessageBox::Warning;
        case estilo::vbInformation: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}

}  // namespace

int DialogosQt::MsgBox(const QString& texto, int estiloCaja, const QString& titulo) {
    QMessageBox caja(iconoDeEstilo(estiloCaja), titulo, texto, QMessageBox::NoButton, QApplication::activeWindow());
    const QList<int> respuestas = BotonesDeEstilo(estiloCaja);
    QList<QAbstractButton*> botones;
    for (int r : respuestas) {
        // ActionRole everywhere: Qt must not pick an escape button of its own (it would make "No"
        // answer Esc); the escape button is set only where the original's box has one.
        QPushButton* b = caja.addButton(TextoBoton(r), QMessageBox::ActionRole);
        b->setAutoDefault(false);
        botones.append(b);
    }
    const int porDefecto = respuestas.indexOf(RespuestaPorDefecto(estiloCaja));
    caja.setDefaultButton(static_cast<QPushButton*>(botones.at(porDefecto)));
    const int alCerrar = RespuestaAlCerrar(estiloCaja);
    if (alCerrar != 0) caja.setEscapeButton(botones.at(respuestas.indexOf(alCerrar)));
    caja.exec();
    const int indice = botones.indexOf(caja.clickedButton());
    if (indice >= 0) return respuestas.at(indice);
    return alCerrar != 0 ? alCerrar : RespuestaPorDefecto(estiloCaja);
}

QString DialogosQt::InputBox(const QString& texto, const QString& titulo, const QString& defecto) {
    QInputDialog dialogo(QApplication::activeWindow());
    dialogo.setWindowTitle(titulo);
    dialogo.setLabelText(texto);
    dialogo.setTextValue(defecto);
    dialogo.setOkButtonText(TextoBoton(respuesta::vbOK));
    dialogo.setCancelButtonText(TextoBoton(respuesta::vbCancel));
    if (dialogo.exec() != QDialog::Accepted) return QString();
    return dialogo.textValue();
}

}  // namespace plataforma
