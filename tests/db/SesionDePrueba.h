// A session on a fresh (localdb) database EMPRESA (users, vehicle types and the error table),
// installed as the main instance while the test runs; and a scripted connection dialog.
#pragma once

#include "CarpetaDePrueba.h"
#include "DB_Dll.h"
#include "DialogoConexion.h"

#include <QVariant>
#include <deque>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

class SesionDePrueba : public ::testing::Test {
protected:
    SesionDePrueba();
    ~SesionDePrueba() override;
    // First column of the first row read through a connection of its own (invalid when no row).
    QVariant Valor(const QString& consulta);
    void Ejecutar(const QString& sql) { db.gCnn().Execute(sql); }

    CarpetaDePrueba carpeta;
    DB_Dll db;
};

// Answers each request with the next scripted outcome (nullopt = cancelled) and keeps what the
// boxes held when it was shown. Installs itself while alive.
class DialogoConexionGuionado : public basedatos::DialogoConexion {
public:
    DialogoConexionGuionado() { basedatos::InstalarDialogoConexion(this); }
    ~DialogoConexionGuionado() override;
    bool PedirConexion(basedatos::ParametrosConexion& valores) override;

    std::deque<std::optional<basedatos::ParametrosConexion>> respuestas;
    std::vector<basedatos::ParametrosConexion> mostrados;
};
