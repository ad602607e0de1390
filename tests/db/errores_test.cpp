// The database object's error box: title, text, answers and the log beside the program or in
// the file named by ArchivoErrores.
#include "CarpetaDePrueba.h"
#include "DB_Dll.h"
#include "DialogosGuionados.h"

#include <gtest/gtest.h>

TEST(TratamientoErrores, CajaYRegistro) {
    CarpetaDePrueba carpeta;
    DB_Dll db;
    const plataforma::ErrorEjecucion error{3219, " Operación no permitida ", "ADODB.Recordset"};
    const QString texto = "Ha ocurrido el Siguiente Error (3219) Operación no permitida";
    const struct {
        QString rutina;
        std::optional<int> botones;
        int estilo, respuesta;
        QString titulo, finLinea;
    } casos[] = {
        {"CierraRecordset", std::nullopt, 18, 4, "ADODB.Recordset - CierraRecordset Aviso al operador!!! - 5 ",
         " Rutina: - CierraRecordset Mensaje " + texto + " Respondió : Reintentar"},
        {"", std::nullopt, 18, 3, "ADODB.Recordset Aviso al operador!!! - 5 ", " Rutina:  Mensaje " + texto + " Respondió : Abortar"},
        {"", 4, 4, 7, "ADODB.Recordset Aviso al operador!!! - 5 ", " Respondió : No"},
        {"", 0, 0, 1, "ADODB.Recordset Aviso al operador!!! - 5 ", " Respondió : "},
    };
    DialogosGuionados guion;
    for (const auto& c : casos) {
        guion.espera(c.titulo, texto, c.estilo, c.respuesta);
        EXPECT_EQ(db.TratamientoErrores(error, c.botones, c.rutina), c.respuesta);
    }
    const QStringList lineas = QString::fromLatin1(carpeta.leer("CXERR.LOG")).split("\r\n");
    ASSERT_EQ(lineas.size(), 5);
    for (size_t i = 0; i < std::size(casos); ++i) EXPECT_TRUE(lineas[i].endsWith(casos[i].finLinea)) << lineas[i].toStdString();

    EXPECT_EQ(db.TratamientoErrores({0, "", ""}), 0);  // no box, no line
    db.setArchivoErrores(carpeta.archivo("otro.log"));
    guion.espera("ADODB.Recordset Aviso al operador!!! - 5 ", texto, 18, 5);
    db.TratamientoErrores(error);
    EXPECT_TRUE(carpeta.leer("otro.log").endsWith("Respondi\xF3 : Ignorar\r\n"));
    db.setArchivoErrores(QString());
    guion.espera("ADODB.Recordset Aviso al operador!!! - 5 ", texto, 18, 5);
    db.TratamientoErrores(error);
    EXPECT_EQ(QString::fromLatin1(carpeta.leer("CXERR.LOG")).split("\r\n").size(), 6);
}
