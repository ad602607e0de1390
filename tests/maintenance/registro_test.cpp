// The save's shell routines on the demo database: a box's text into its column, yes/no answers,
// and the operator's message for each kind of database failure.
#include "BaseDemo.h"
#include "DialogosGuionados.h"
#include "Dialogos.h"
#include "Recordset.h"
#include "RutinasRegistro.h"

using namespace plataforma::estilo;

namespace {

class Rutinas : public BaseDemo {
protected:
    Rutinas() { Conectar(); }
    DialogosGuionados cajas;
};

const QString kVerifique = QStringLiteral(
    "Verifique las siguientes opciones: \r\n\r\n1) Ha ingresado letras donde debe ingresar numeros\r\n\r\n"
    "2) Debe ingresar una fecha y el formato es incorrecto\r\n\r\nEn el campo: ");

}  // namespace

TEST_F(Rutinas, AsignarCampoAlineaElCodigoYRecortaLaDescripcion) {
    ado::Recordset rs;
    sesion.AbrirRecordset(QStringLiteral("SELECT * FROM TA_QUENDAL"), rs, nullptr, ado::adOpenDynamic, ado::adLockOptimistic);
    struct Caso {
        const char* campo;
        const char* texto;
        QVariant guardado;
        const char* campoQueda;
    };
    const Caso casos[] = {
        {"[codigo]", "7x", QString("  7x"), "codigo"},
        {"codigo", "  1 ", QString("   1"), "codigo"},
        {"descripcion", "  Camión 'grande'  ", QString("Camión 'grande'"), "descripcion"},
        {"descripcion", "   ", QVariant(), "descripcion"},
    };
    rs.AddNew();
    for (const Caso& c : casos) {
        QString campo = c.campo;
        AsignarCampo(rs, campo, c.texto);
        EXPECT_EQ(campo, c.campoQueda);
        const QVariant valor = rs.Fields(campo).Value();
        if (c.guardado.isValid()) EXPECT_EQ(valor.toString(), c.guardado.toString()) << c.texto;
        else EXPECT_TRUE(ado::EsNulo(valor)) << c.texto;
    }
    rs.CancelUpdate();
}

TEST(ValorLogico, RespuestasYTextoVacio) {
    struct Caso {
        const char* texto;
        bool porDefecto;
        bool valor;
    };
    const Caso casos[] = {{"si", false, true}, {"S", false, true}, {"-1", false, true}, {"verdadero", false, true}, {"x", false, false},
                          {"no", true, false}, {"Falso", true, false}, {"n", true, false}, {"x", true, true}, {"", false, false}};
    for (const Caso& c : casos) {
        QString texto = c.texto;
        EXPECT_EQ(ValorLogico(texto, c.porDefecto), c.valor) << c.texto << c.porDefecto;
    }
    QString vacio;
    EXPECT_FALSE(ValorLogico(vacio, true));
    EXPECT_EQ(vacio, "0");
}

TEST_F(Rutinas, ErroresADOExplicaConversionNulosYClaves) {
    // The failures as the connection reports them: the raised error and its collection.
    try {
        sesion.gCnn().Execute(QStringLiteral("INSERT INTO TA_QUENDAL (codigo, descripcion) VALUES (NULL, 'X')"));
        FAIL() << "the insert should fail";
    } catch (const plataforma::ErrorRuntime& e) {
        cajas.espera("Error en conversion de datos - NULOS NO PERMITIDO",
                     "Descripcion del Error: 515 - No se puede insertar el valor NULL en la columna 'codigo', tabla 'TA_QUENDAL'; la columna no "
                     "admite valores NULL.",
                     vbCritical, 1);
        EXPECT_EQ(ErroresADO(e.error(), "codigo"), 0);
        EXPECT_EQ(sesion.gCnn().Errors().Count(), 0);
    }
    cajas.espera("Error en conversion de datos", kVerifique + "precio", vbCritical, 1);
    EXPECT_EQ(ErroresADO({plataforma::errores::ConversionNoValida, "tipo", "x"}, "precio"), 0);

    const int32_t numero = plataforma::errores::ErrorNoEspecificado;
    sesion.gCnn().Errors().Agregar(ado::Error{numero, "conversion", "x", "22018", 1010});
    cajas.espera("Error en conversion de datos ", kVerifique + "fecha", vbCritical, 1);
    EXPECT_EQ(ErroresADO({numero, "conversion", "x"}, "fecha"), 0);
    EXPECT_EQ(sesion.gCnn().Errors().Count(), 0);

    // Any other failure is the operator's choice; a stale duplicate-key record left in the
    // collection by another error does not speak for this one.
    sesion.gCnn().Errors().Agregar(ado::Error{plataforma::errores::ErrorIntegridad, "dup", "x", "23000", 2627});
    cajas.esperaConTexto("no se encuentra", plataforma::respuesta::vbRetry);
    EXPECT_EQ(ErroresADO({ado::errores::FilaNoEncontrada, "La fila no se encuentra", "x"}, "codigo"), 4);
    cajas.esperaConTexto("no se encuentra", plataforma::respuesta::vbCancel);
    EXPECT_EQ(ErroresADO({ado::errores::FilaNoEncontrada, "La fila no se encuentra", "x"}, "codigo"), 0);
}
