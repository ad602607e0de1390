// A start-up fixture: the demo database DEMO (and CX_ESTADISTICAS) created by the suite's scripts
// in a fresh application folder, the two database objects installed, a fresh state record.
#pragma once

#include "CarpetaDePrueba.h"
#include "DB_Dll.h"

#include <QVariant>
#include <gtest/gtest.h>

class BaseDemo : public ::testing::Test {
protected:
    BaseDemo();
    ~BaseDemo() override;

    // First column of the first row, read through a connection of its own (invalid when no row).
    QVariant Valor(const QString& consulta);
    void Ejecutar(const QString& sql);
    // Opens SesionDB on DEMO as the start-up would, without asking anything.
    void Conectar();

    CarpetaDePrueba carpeta;
    DB_Dll sesion;
    DB_Dll estadisticas;
};
