// The box-array operations: clearing, finding a column, advancing the focus, filtering keys.
#include "AyudaFormulario.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct Ventana {
    QWidget w;
    QLineEdit* cajas[3];
    Ventana() {
        const char* columnas[] = {"codigo", "descripcion", "otra"};
        for (int i = 2; i >= 0; --i) {  // created out of order: the index decides
            cajas[i] = new QLineEdit(QString("texto%1").arg(i), &w);
            cajas[i]->setProperty("Index", i);
            cajas[i]->setProperty("DataField", columnas[i]);
            cajas[i]->move(0, 30 * i);
        }
        new QLineEdit("ajena", &w);  // not part of the array
        w.show();
        w.activateWindow();
        QApplication::setActiveWindow(&w);
    }
};

}  // namespace

TEST(AyudaFormulario, LimpiarEIndices) {
    Ventana v;
    const AyudaFormulario ayuda;
    EXPECT_EQ(AyudaFormulario::Cajas(&v.w), (QList<QLineEdit*>{v.cajas[0], v.cajas[1], v.cajas[2]}));
    EXPECT_EQ(ayuda.IndiceCampo("CODIGO", AyudaFormulario::Cajas(&v.w)), 0);
    EXPECT_EQ(ayuda.IndiceCampo(" Descripcion", AyudaFormulario::Cajas(&v.w)), 1);
    EXPECT_EQ(ayuda.IndiceCampo("precio", AyudaFormulario::Cajas(&v.w)), -1);
    ayuda.LimpiarCampos(&v.w, 1);
    EXPECT_EQ(v.cajas[0]->text(), "texto0");
    EXPECT_EQ(v.cajas[1]->text(), "");
    ayuda.LimpiarCampos(&v.w);
    EXPECT_EQ(v.cajas[0]->text(), "");
}

TEST(AyudaFormulario, AvanzarSeQuedaEnLaUltima) {
    Ventana v;
    const AyudaFormulario ayuda;
    v.cajas[1]->setEnabled(true);
    v.cajas[0]->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), v.cajas[0]);
    ayuda.Avanzar(13);
    EXPECT_EQ(QApplication::focusWidget(), v.cajas[1]);
    v.cajas[2]->setEnabled(false);
    ayuda.Avanzar(13);
    EXPECT_EQ(QApplication::focusWidget(), v.cajas[1]);  // nothing enabled after it: it stays
    ayuda.Avanzar(9);
    EXPECT_EQ(QApplication::focusWidget(), v.cajas[1]);
    EXPECT_TRUE(ayuda.EsTeclaAvance(13));
    EXPECT_FALSE(ayuda.EsTeclaAvance(9));
}

TEST(AyudaFormulario, FiltrarTecla) {
    const AyudaFormulario ayuda;
    const std::pair<int, int> casos[] = {{'a', 'a'}, {0xF1, 0xF1}, {'\'', '\''}, {8, 8}, {13, 13}, {1, 0}, {22, 0}, {127, 0}};
    for (auto [entrada, salida] : casos) {
        int tecla = entrada;
        ayuda.FiltrarTecla(nullptr, tecla);
        EXPECT_EQ(tecla, salida) << entrada;
    }
}
