#include "VentanaDemo.h"

#include "Connection.h"
#include "EstadoAplicacion.h"
#include "Inicio.h"
#include "Recordset.h"
#include "UtilCx.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {
const QString kCadena = QStringLiteral("PROVIDER=SQLOLEDB;Server=(localdb);Database =DEMO;UId=DEMO;Pwd=DEMO;");
}

VentanaDemo::VentanaDemo() { InstalarServiciosInicio({}); }

VentanaDemo::~VentanaDemo() {
    v.reset();
    InstalarServiciosInicio({});
}

void VentanaDemo::Abrir() {
    Conectar();
    Estado().gNombreUsuario = QStringLiteral("DEMO");
    Estado().gClaveUsuario = QStringLiteral("DEMO");
    v = std::make_unique<FRMTA_QUENDAL>(&consulta);
    v->Form_Load();
    v->show();
    v->activateWindow();
    QApplication::setActiveWindow(v.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(v.get()));
    QApplication::processEvents();
}

void VentanaDemo::Pulsar(Qt::Key tecla, Qt::KeyboardModifiers modificadores) {
    QWidget* destino = QApplication::focusWidget() ? QApplication::focusWidget() : v.get();
    QTest::keyClick(destino, tecla, modificadores);
    QApplication::processEvents();
}

void VentanaDemo::Escribir(const QString& texto) {
    for (const QChar c : texto) {
        QWidget* destino = QApplication::focusWidget() ? QApplication::focusWidget() : v.get();
        if (c.unicode() < 128) {
            QTest::keyClick(destino, c.toLatin1());
        } else {  // the key of a Latin-1 letter has the code of its capital
            QTest::sendKeyEvent(QTest::Click, destino, static_cast<Qt::Key>(c.toUpper().unicode()), QString(c), Qt::NoModifier);
        }
    }
}

QVariant VentanaDemo::Columna(const QString& codigo, const QString& columna) {
    return Valor(QStringLiteral("SELECT ") + columna + QStringLiteral(" FROM TA_QUENDAL WHERE LTRIM(RTRIM(codigo)) = '") + codigo + QStringLiteral("'"));
}

int VentanaDemo::Filas() { return Valor(QStringLiteral("SELECT COUNT(*) FROM TA_QUENDAL")).toInt(); }

QStringList VentanaDemo::Tabla() {
    ado::Connection cn;
    cn.Open(kCadena);
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT codigo, descripcion FROM TA_QUENDAL ORDER BY codigo"), cn);
    QStringList filas;
    for (; !rs.Eof(); rs.MoveNext()) filas << rs.Fields(0).Value().toString() + QLatin1Char('|') + rs.Fields(1).Value().toString();
    return filas;
}

bool VentanaDemo::EnEntradaDeCodigo() const {
    const UtilCx& b = *v->UtilCx1;
    return v->txtFields[0]->isEnabled() && !v->txtFields[1]->isEnabled() && b.NuevoEnabled() && !b.CancelarEnabled() && !b.BorrarEnabled() &&
           !b.GrabarEnabled() && b.CerrarEnabled();
}

bool VentanaDemo::EnEdicionDeDetalle() const {
    const UtilCx& b = *v->UtilCx1;
    return v->txtFields[0]->isEnabled() && v->txtFields[1]->isEnabled() && !b.NuevoEnabled() && b.CancelarEnabled() && b.BorrarEnabled() &&
           b.GrabarEnabled() && !b.CerrarEnabled();
}
