// The dialog service: the scripted one used by every test, and the Qt boxes' buttons and keys.
#include "DialogosGuionados.h"
#include "DialogosQt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace plataforma;

TEST(Dialogos, EstilosBotonesYRespuestas) {
    EXPECT_EQ(BotonesDeEstilo(estilo::vbAbortRetryIgnore + estilo::vbCritical), (QList<int>{3, 4, 5}));
    EXPECT_EQ(RespuestaPorDefecto(estilo::vbYesNo + estilo::vbQuestion + estilo::vbDefaultButton2), respuesta::vbNo);
    EXPECT_EQ(RespuestaPorDefecto(estilo::vbYesNoCancel + estilo::vbDefaultButton3), respuesta::vbCancel);
    EXPECT_EQ(RespuestaAlCerrar(estilo::vbYesNo), 0);
    EXPECT_EQ(RespuestaAlCerrar(estilo::vbAbortRetryIgnore), 0);
    EXPECT_EQ(RespuestaAlCerrar(estilo::vbOKOnly), respuesta::vbOK);
    EXPECT_EQ(RespuestaAlCerrar(estilo::vbRetryCancel), respuesta::vbCancel);
    const QStringList textos = {TextoBoton(1), TextoBoton(2), TextoBoton(3), TextoBoton(4), TextoBoton(5), TextoBoton(6), TextoBoton(7)};
    EXPECT_EQ(textos, (QStringList{"Aceptar", "Cancelar", "Anular", "Reintentar", "Omitir", "Sí", "No"}));
}

TEST(Dialogos, ElGuionResponde) {
    DialogosGuionados guion;
    guion.espera("Titulo", "¿Borra?", estilo::vbYesNo, respuesta::vbYes).esperaEntrada("Clave", "secreto");
    EXPECT_EQ(MsgBox("¿Borra?", estilo::vbYesNo, "Titulo"), respuesta::vbYes);
    EXPECT_EQ(InputBox("Ingrese", "Clave"), "secreto");
    EXPECT_TRUE(guion.completo());
}

TEST(Dialogos, ElTituloVacioEsElNombreDelPrograma) {
    DialogosGuionados guion;
    guion.espera("pruebas_platform", "Hola", estilo::vbOKOnly, respuesta::vbOK);
    MsgBox("Hola");
}

namespace {

// Presses `tecla` (or clicks the button with `boton` as caption) in the box that opens next.
void alAbrirseLaCaja(Qt::Key tecla, const QString& boton = QString()) {
    QTimer::singleShot(0, [=] {
        auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(caja, nullptr);
        if (!boton.isEmpty()) {
            for (QAbstractButton* b : caja->buttons()) {
                if (b->text() == boton) b->click();
            }
            return;
        }
        QTest::keyClick(caja, tecla);
        if (QApplication::activeModalWidget() == caja) {
            // Esc did nothing (as on the original): answer with the last button to finish.
            caja->close();
            if (QApplication::activeModalWidget() == caja) caja->buttons().last()->click();
        }
    });
}

}  // namespace

TEST(DialogosQt, EscSoloDondeHayCancelarOAceptarSolo) {
    DialogosQt qt;
    struct Caso { int estilo; Qt::Key tecla; int esperado; };
    const Caso casos[] = {
        {estilo::vbOKOnly, Qt::Key_Escape, respuesta::vbOK},
        {estilo::vbOKCancel, Qt::Key_Escape, respuesta::vbCancel},
        // Yes/No has no escape: Esc and close do nothing, so the test ends it with the last button ("No").
        {estilo::vbYesNo + estilo::vbDefaultButton1, Qt::Key_Escape, respuesta::vbNo},
        {estilo::vbAbortRetryIgnore, Qt::Key_Escape, respuesta::vbIgnore},
        // Enter takes the default button.
        {estilo::vbYesNo + estilo::vbDefaultButton2, Qt::Key_Return, respuesta::vbNo},
        {estilo::vbAbortRetryIgnore + estilo::vbDefaultButton2, Qt::Key_Return, respuesta::vbRetry},
    };
    for (const Caso& c : casos) {
        alAbrirseLaCaja(c.tecla);
        EXPECT_EQ(qt.MsgBox("texto", c.estilo, "titulo"), c.esperado) << "estilo " << c.estilo;
    }
}

TEST(DialogosQt, BotonesEnCastellano) {
    DialogosQt qt;
    alAbrirseLaCaja(Qt::Key_unknown, "Sí");
    EXPECT_EQ(qt.MsgBox("¿Sigue?", estilo::vbYesNoCancel, "t"), respuesta::vbYes);
    alAbrirseLaCaja(Qt::Key_unknown, "Omitir");
    EXPECT_EQ(qt.MsgBox("Error", estilo::vbAbortRetryIgnore, "t"), respuesta::vbIgnore);
}
