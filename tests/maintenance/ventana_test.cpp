// The window driven from the keyboard on the demo database: the two states, every action word,
// new, changed and deleted records, validation messages, the duplicate key, keys and focus.
#include "AparienciaVentana.h"
#include "Connection.h"
#include "Dialogos.h"
#include "EstadoAplicacion.h"
#include "Geometria.h"
#include "UtilCx.h"
#include "VentanaDemo.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace plataforma::estilo;
namespace respuesta = plataforma::respuesta;

namespace {

const QString kAviso = QStringLiteral("Aviso al operador...");
const QString kSinCodigo = QStringLiteral(" Debe informar el Codigo!");
const QString kSinDescripcion = QStringLiteral(" Debe informar la Descripciónl! ");

class Ventana : public VentanaDemo {
protected:
    QLineEdit* codigo() const { return v->txtFields[0]; }
    QLineEdit* descripcion() const { return v->txtFields[1]; }
    // Types a code over the proposed one and confirms it.
    void Codigo(const QString& texto) {
        codigo()->selectAll();
        Escribir(texto);
        Pulsar(Qt::Key_Return);
    }
    void Descripcion(const QString& texto) {
        descripcion()->selectAll();
        Escribir(texto);
    }
};

}  // namespace

TEST_F(Ventana, AbreEnEntradaDeCodigoConElSiguienteCodigoSeleccionado) {
    Abrir();
    EXPECT_EQ(v->windowTitle(), "Tipos de Vehiculos");
    EXPECT_TRUE(EnEntradaDeCodigo());
    EXPECT_EQ(codigo()->text(), "13");
    EXPECT_EQ(codigo()->selectedText(), "13");
    EXPECT_EQ(QApplication::focusWidget(), codigo());
    EXPECT_EQ(ColorFondo(codigo()), 0xFFFF00u);
    EXPECT_EQ(descripcion()->text(), "");
    EXPECT_EQ(v->TablaActiva, "TA_QUENDAL");
    EXPECT_FALSE(v->Nuevo || v->Modificacion || v->Baja);
    EXPECT_EQ(consulta.cadena, sesion.gConnString);
    EXPECT_FALSE(v->windowIcon().isNull());
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM Control_Acceso").toInt(), 1);
    // Layout in twips at 15 per pixel; the two hidden captions exist and are never seen.
    EXPECT_EQ(v->size(), QSize(plataforma::Pixeles(6705), plataforma::Pixeles(1950)));
    EXPECT_EQ(codigo()->geometry(), QRect(96, 16, 73, 19));
    EXPECT_EQ(descripcion()->geometry(), QRect(96, 37, 337, 19));
    EXPECT_EQ(v->FrmDatos->geometry(), QRect(1, 58, 441, 70));
    EXPECT_EQ(codigo()->maxLength(), 4);
    EXPECT_EQ(descripcion()->maxLength(), 50);
    EXPECT_EQ(v->lblLabels[6]->text(), "Código:");
    EXPECT_EQ(v->lblLabels[8]->text(), "Descripcion:");
    for (int i : {10, 3}) {
        ASSERT_NE(v->lblLabels[i], nullptr);
        EXPECT_TRUE(v->lblLabels[i]->visibleRegion().isEmpty()) << i;
    }
    EXPECT_EQ(v->lblLabels[10]->text(), "Sistema");
    EXPECT_EQ(v->lblLabels[3]->text(), "Fotografia");
}

TEST_F(Ventana, EnUnaTablaVaciaProponeUno) {
    Ejecutar("DELETE FROM TA_QUENDAL");
    Abrir();
    EXPECT_EQ(codigo()->text(), "1");
    EXPECT_EQ(codigo()->selectedText(), "1");
}

TEST_F(Ventana, CodigoNuevoSeGrabaAlineadoALaDerecha) {
    Abrir();
    Pulsar(Qt::Key_Return);  // the proposed 13
    EXPECT_TRUE(EnEdicionDeDetalle());
    EXPECT_TRUE(v->Nuevo);
    EXPECT_FALSE(v->Modificacion);
    EXPECT_EQ(QApplication::focusWidget(), descripcion());
    EXPECT_EQ(ColorFondo(descripcion()), 0xFFFF00u);
    EXPECT_EQ(ColorFondo(codigo()), 0xFFFFFFu);
    Escribir("  Furgoneta  ");
    Pulsar(Qt::Key_F2);
    EXPECT_EQ(Filas(), 13);
    EXPECT_EQ(Valor("SELECT descripcion FROM TA_QUENDAL WHERE codigo = '  13'").toString(), "Furgoneta");
    EXPECT_TRUE(EnEntradaDeCodigo());
    EXPECT_EQ(codigo()->text(), "14");
    EXPECT_EQ(codigo()->selectedText(), "14");
    EXPECT_EQ(QApplication::focusWidget(), codigo());
}

TEST_F(Ventana, CodigoExistenteCargaYActualizaSoloEsaFila) {
    Abrir();
    const QStringList antes = Tabla();
    Codigo("7");
    EXPECT_TRUE(EnEdicionDeDetalle());
    EXPECT_TRUE(v->Modificacion);
    EXPECT_FALSE(v->Nuevo);
    EXPECT_EQ(descripcion()->text(), "FURGON");
    // A second Enter on the last box stays there and never reloads the record over the edit.
    Descripcion("FURGON GRANDE");
    Pulsar(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), descripcion());
    EXPECT_EQ(descripcion()->text(), "FURGON GRANDE");
    Pulsar(Qt::Key_F2);
    EXPECT_TRUE(EnEntradaDeCodigo());
    QStringList esperado = antes;
    esperado.replace(esperado.indexOf("   7|FURGON"), "   7|FURGON GRANDE");
    EXPECT_EQ(Tabla(), esperado);
}

TEST_F(Ventana, BorrarPreguntaConNoPorDefecto) {
    struct Caso {
        int respuesta;
        bool borrada;
    };
    for (const Caso& caso : {Caso{respuesta::vbNo, false}, Caso{respuesta::vbYes, true}}) {
        SCOPED_TRACE(caso.respuesta);
        if (!v) Abrir();
        Codigo("3");
        ASSERT_TRUE(EnEdicionDeDetalle());
        cajas.espera("Atención!", "Confirma la baja de este registro?", vbYesNo + vbExclamation + vbDefaultButton2, caso.respuesta);
        Pulsar(Qt::Key_F10);
        EXPECT_TRUE(cajas.completo());
        if (caso.borrada) {
            EXPECT_FALSE(Columna("3").isValid());
            EXPECT_EQ(Filas(), 11);
            EXPECT_TRUE(EnEntradaDeCodigo());
            EXPECT_EQ(QApplication::focusWidget(), codigo());
        } else {
            EXPECT_EQ(Columna("3").toString(), "AUTOMOVIL");
            EXPECT_EQ(Filas(), 12);
            EXPECT_TRUE(EnEdicionDeDetalle());
            EXPECT_TRUE(v->Modificacion);
            EXPECT_FALSE(v->Baja);
            EXPECT_EQ(descripcion()->text(), "AUTOMOVIL");
            Pulsar(Qt::Key_Escape);
        }
    }
}

TEST_F(Ventana, NuevoEscYTeclasSinAccion) {
    Abrir();
    // F4 and F6 change nothing in either state.
    for (Qt::Key tecla : {Qt::Key_F4, Qt::Key_F6}) {
        Pulsar(tecla);
        EXPECT_TRUE(EnEntradaDeCodigo());
        EXPECT_EQ(codigo()->text(), "13");
    }
    Codigo("5");
    for (Qt::Key tecla : {Qt::Key_F4, Qt::Key_F6, Qt::Key_F3}) {
        Pulsar(tecla);
        EXPECT_TRUE(EnEdicionDeDetalle()) << tecla;
        EXPECT_EQ(descripcion()->text(), "ACOPLADO");
    }
    // Esc in detail editing cancels: the edit is dropped and a code is proposed again.
    Descripcion("CAMBIADO");
    Pulsar(Qt::Key_Escape);
    EXPECT_TRUE(EnEntradaDeCodigo());
    EXPECT_EQ(codigo()->text(), "13");
    EXPECT_EQ(codigo()->selectedText(), "13");
    EXPECT_EQ(Columna("5").toString(), "ACOPLADO");
    // F3 proposes the next code afresh.
    codigo()->setText("99");
    Pulsar(Qt::Key_F3);
    EXPECT_TRUE(v->Nuevo);
    EXPECT_EQ(codigo()->text(), "13");
    EXPECT_EQ(codigo()->selectedText(), "13");
    EXPECT_TRUE(EnEntradaDeCodigo());
    EXPECT_TRUE(v->isVisible());
}

TEST_F(Ventana, EscEnEntradaDeCodigoCierraYSellaElEgreso) {
    Abrir();
    EXPECT_TRUE(Valor("SELECT EGRESO FROM Control_Acceso").isNull());
    Pulsar(Qt::Key_Escape);
    QTest::qWait(20);
    EXPECT_FALSE(v->isVisible());
    EXPECT_FALSE(Valor("SELECT EGRESO FROM Control_Acceso").isNull());
    EXPECT_EQ(sesion.gCnn().State(), 0);
}

TEST_F(Ventana, ConsultaSoloDondeLaCajaTieneTag) {
    Abrir();
    QSignalSpy pedidas(v.get(), &FRMTA_QUENDAL::consultaPedida);
    EXPECT_TRUE(v->UtilCx1->ConsultaEnabled());
    Pulsar(Qt::Key_F5);
    ASSERT_EQ(pedidas.size(), 1);
    EXPECT_EQ(pedidas.at(0).at(0).toString(), "ta_quendal");
    QTest::mouseClick(codigo(), Qt::RightButton);
    EXPECT_EQ(pedidas.size(), 2);
    Codigo("2");
    ASSERT_EQ(QApplication::focusWidget(), descripcion());
    EXPECT_FALSE(v->UtilCx1->ConsultaEnabled());
    Pulsar(Qt::Key_F5);
    QTest::mouseClick(descripcion(), Qt::RightButton);
    EXPECT_EQ(v->IndiceActual, 1);
    v->UtilCx1_click("CONSULTAR");  // the button, were it enabled
    EXPECT_EQ(pedidas.size(), 2);
    QTest::mouseClick(codigo(), Qt::RightButton);
    EXPECT_EQ(pedidas.size(), 3);
    EXPECT_EQ(v->IndiceActual, 0);
}

TEST_F(Ventana, CodigoYDescripcionEnBlanco) {
    Abrir();
    cajas.espera(kAviso, kSinCodigo, vbInformation, respuesta::vbOK);
    Codigo("   ");
    EXPECT_TRUE(cajas.completo());
    EXPECT_TRUE(v->HayError);
    EXPECT_TRUE(EnEntradaDeCodigo());
    EXPECT_EQ(QApplication::focusWidget(), codigo());

    Codigo("40");
    ASSERT_TRUE(EnEdicionDeDetalle());
    Escribir("   ");
    cajas.espera(kAviso, kSinDescripcion, vbInformation, respuesta::vbOK);
    Pulsar(Qt::Key_Return);
    cajas.espera(kAviso, kSinDescripcion, vbInformation, respuesta::vbOK);
    Pulsar(Qt::Key_F2);
    EXPECT_TRUE(cajas.completo());
    EXPECT_FALSE(Columna("40").isValid());
    EXPECT_TRUE(EnEdicionDeDetalle());
    EXPECT_EQ(QApplication::focusWidget(), descripcion());
    // The code emptied in detail editing stops the save at the code, which takes the focus.
    codigo()->setFocus();
    codigo()->clear();
    Pulsar(Qt::Key_Tab);
    Descripcion("ALGO");
    cajas.espera(kAviso, kSinCodigo, vbInformation, respuesta::vbOK);
    Pulsar(Qt::Key_F2);
    EXPECT_EQ(QApplication::focusWidget(), codigo());
    EXPECT_EQ(Filas(), 12);
}

TEST_F(Ventana, ComillasYAcentosSeGuardanComoSeEscribieron) {
    Abrir();
    Codigo("A'1");
    const QString texto = QStringLiteral("D'Angelo \"Ñandú\" camión; --");
    Escribir(texto);
    Pulsar(Qt::Key_F2);
    EXPECT_TRUE(EnEntradaDeCodigo());
    EXPECT_EQ(Valor("SELECT descripcion FROM TA_QUENDAL WHERE codigo = ' A''1'").toString(), texto);
    EXPECT_EQ(Filas(), 13);
    // Read back through the code check, as typed.
    Codigo("a'1");
    EXPECT_TRUE(v->Modificacion);
    EXPECT_EQ(descripcion()->text(), texto);
}

TEST_F(Ventana, ClaveDuplicadaDejaLaEdicionConLoEscrito) {
    Ejecutar("CREATE UNIQUE INDEX UQ_TA_QUENDAL_DESCRIPCION ON TA_QUENDAL (descripcion)");
    Abrir();
    Codigo("20");
    Escribir("CAMION");
    const QString texto = QStringLiteral(
        "Descripcion del Error: 2627 - Infracción de la restricción PRIMARY KEY o UNIQUE KEY 'TA_QUENDAL.descripcion'. No se puede insertar una "
        "clave duplicada en el objeto 'dbo.TA_QUENDAL'.\r\n\r\nLa grabacion se ha cancelado... Cambie el campo principal e intente grabar nuevamente");
    cajas.espera("Clave Duplicada", texto, vbCritical, respuesta::vbOK);
    Pulsar(Qt::Key_F2);
    EXPECT_TRUE(cajas.completo());
    EXPECT_TRUE(v->HayError);
    EXPECT_TRUE(EnEdicionDeDetalle());
    EXPECT_EQ(codigo()->text(), "20");
    EXPECT_EQ(descripcion()->text(), "CAMION");
    EXPECT_EQ(Filas(), 12);
    EXPECT_EQ(sesion.gCnn().Errors().Count(), 0);
    // Corrected, the same record saves.
    Descripcion("CAMION LIVIANO");
    Pulsar(Qt::Key_F2);
    EXPECT_EQ(Columna("20").toString(), "CAMION LIVIANO");
    EXPECT_TRUE(EnEntradaDeCodigo());
}

TEST_F(Ventana, CodigoAgregadoPorOtroSeActualizaAlGrabar) {
    Abrir();
    Codigo("50");
    ASSERT_TRUE(v->Nuevo);
    Ejecutar("INSERT INTO TA_QUENDAL (codigo, descripcion) VALUES ('  50', 'DE OTRO PUESTO')");
    Escribir("NUESTRA");
    Pulsar(Qt::Key_F2);
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM TA_QUENDAL WHERE codigo = '  50'").toInt(), 1);
    EXPECT_EQ(Columna("50").toString(), "NUESTRA");
    EXPECT_TRUE(EnEntradaDeCodigo());
}

TEST_F(Ventana, TablaDeTeclasDeLaBarraSegunElEstado) {
    Abrir();
    QSignalSpy palabras(v->UtilCx1, &UtilCx::click);
    auto raised = [&](Qt::Key tecla) {
        palabras.clear();
        Pulsar(tecla);
        return palabras.isEmpty() ? QString() : palabras.at(0).at(0).toString();
    };
    // Code entry: F2 and F10 raise nothing, F3 proposes, F5 looks up.
    EXPECT_EQ(raised(Qt::Key_F2), "");
    EXPECT_EQ(raised(Qt::Key_F10), "");
    EXPECT_EQ(raised(Qt::Key_F3), "NUEVO");
    EXPECT_EQ(raised(Qt::Key_F5), "CONSULTAR");
    EXPECT_EQ(raised(Qt::Key_F4), "REPORTE");
    EXPECT_EQ(raised(Qt::Key_F6), "PLANILLA");
    Codigo("9");
    // Detail editing: F3 raises nothing, Esc cancels rather than closes.
    EXPECT_EQ(raised(Qt::Key_F3), "");
    EXPECT_EQ(raised(Qt::Key_Escape), "CANCELAR");
    EXPECT_TRUE(EnEntradaDeCodigo());
    EXPECT_TRUE(v->isVisible());
}

TEST_F(Ventana, ColoresDeFocoYCajaDeMensaje) {
    Abrir();
    Pulsar(Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), descripcion());
    // A message box taking the activation is no loss of focus, nor is coming back from it.
    QFocusEvent salida(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(descripcion(), &salida);
    EXPECT_EQ(ColorFondo(descripcion()), 0xFFFF00u);
    QFocusEvent entrada(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    v->IndiceActual = 0;
    QApplication::sendEvent(descripcion(), &entrada);
    EXPECT_EQ(v->IndiceActual, 0);
    // Clicking back into the code box moves the colours.
    QTest::mouseClick(codigo(), Qt::LeftButton);
    EXPECT_EQ(ColorFondo(codigo()), 0xFFFF00u);
    EXPECT_EQ(ColorFondo(descripcion()), 0xFFFFFFu);
    EXPECT_EQ(v->IndiceActual, 0);
}

TEST_F(Ventana, LargoMaximoYSeleccionAlEscribir) {
    Abrir();
    Escribir("12345");
    EXPECT_EQ(codigo()->text(), "1234");  // the proposed code was selected: typing replaced it
    codigo()->setSelection(1, 2);
    Escribir("x");
    EXPECT_EQ(codigo()->text(), "1x4");
    Pulsar(Qt::Key_Backspace);
    EXPECT_EQ(codigo()->text(), "14");
    Pulsar(Qt::Key_A, Qt::ControlModifier);  // the box's own commands still work
    EXPECT_EQ(codigo()->selectedText(), "14");
}

TEST_F(Ventana, UnReintentoQueSaleBienGrabaUnaVezYSigueEnEdicion) {
    Abrir();
    Codigo("60");
    Escribir("REPETIDA");
    sesion.gCnn().SimularErrorRed(ado::Operacion::Actualizar, 1);
    cajas.esperaConTexto("Error general de red", respuesta::vbRetry);
    Pulsar(Qt::Key_F2);
    EXPECT_TRUE(cajas.completo());
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM TA_QUENDAL WHERE codigo = '  60'").toInt(), 1);
    EXPECT_EQ(Columna("60").toString(), "REPETIDA");
    EXPECT_TRUE(v->HayError);
    EXPECT_TRUE(EnEdicionDeDetalle());
    // Saved again, the record is now found and updated; nothing is doubled.
    Pulsar(Qt::Key_F2);
    EXPECT_TRUE(EnEntradaDeCodigo());
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM TA_QUENDAL WHERE codigo = '  60'").toInt(), 1);
}

TEST_F(Ventana, TrasCerrarNoSeAtiendenMasTeclas) {
    Abrir();
    Escribir("7");
    // Esc and Enter typed ahead: the close waits for the loop, the Enter is not acted on.
    QTest::keyClick(codigo(), Qt::Key_Escape);
    QTest::keyClick(codigo(), Qt::Key_Return);
    EXPECT_TRUE(EnEntradaDeCodigo());
    EXPECT_TRUE(v->isVisible());
    EXPECT_EQ(descripcion()->text(), "");
    QTest::qWait(20);
    EXPECT_FALSE(v->isVisible());
    EXPECT_FALSE(Valor("SELECT EGRESO FROM Control_Acceso").isNull());
}

TEST_F(Ventana, UnCodigoQueNoCabeNoSePropone) {
    Ejecutar("INSERT INTO TA_QUENDAL (codigo, descripcion) VALUES ('9999', 'ULTIMO')");
    Abrir();
    EXPECT_EQ(codigo()->text(), "");  // "10000" cut to four characters would be code 1000's
    EXPECT_TRUE(EnEntradaDeCodigo());
}
