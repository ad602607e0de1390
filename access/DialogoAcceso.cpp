#include "DialogoAcceso.h"

#include "frmAcceso.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

bool DialogoAcceso::PedirConexion(basedatos::ParametrosConexion& valores) {
    frmAcceso ventana(QApplication::activeWindow());
    ventana.TxtDbName->setText(valores.baseDatos);
    ventana.TxtServidor->setText(valores.servidor);
    ventana.TxtUserId->setText(valores.usuario);
    ventana.TxtUserPassword->setText(valores.clave);
    ventana.CboPlataformaDB->setCurrentIndex(valores.plataforma);
    ventana.exec();
    if (!ventana.Aceptar) return false;
    valores.baseDatos = ventana.TxtDbName->text();
    valores.servidor = ventana.TxtServidor->text();
    valores.usuario = ventana.TxtUserId->text();
    valores.clave = ventana.TxtUserPassword->text();
    valores.plataforma = ventana.CboPlataformaDB->currentIndex();
    return true;
}
