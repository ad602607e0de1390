// A fresh (localdb) database for one test: the application folder of CarpetaDePrueba, the file
// created on purpose, a connection open on it and the vehicle-type table in place.
#pragma once

#include "CarpetaDePrueba.h"
#include "Connection.h"
#include "ErrorEjecucion.h"
#include "Recordset.h"

#include <gtest/gtest.h>

inline const QString CadenaPrueba = QStringLiteral("PROVIDER=SQLOLEDB;Server=(localdb);Database =PRUEBA;UId=PRUEBA;Pwd=PRUEBA;");

class BaseDePrueba : public ::testing::Test {
protected:
    BaseDePrueba();
    // The runtime error number a call raises (0 when it raises none).
    template <class F>
    static int32_t NumeroError(F&& llamada) {
        try {
            llamada();
        } catch (const plataforma::ErrorRuntime& e) {
            return e.numero();
        }
        return 0;
    }
    QVariant Valor(const QString& consulta);   // first column of the first row
    QString IntegridadArchivo();               // PRAGMA integrity_check through a raw connection

    CarpetaDePrueba carpeta;
    QString ruta;
    ado::Connection cn;
};
