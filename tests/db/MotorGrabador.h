// A connection engine that records what would be sent to the server instead of sending it, for
// the Oracle paths (no Oracle server exists here). It can fail a chosen call like a server does.
#pragma once

#include "Connection.h"
#include "ErrorEjecucion.h"
#include "Nucleo.h"

#include <QStringList>

class MotorGrabador : public ado::Motor {
public:
    // Every call recorded: "EXEC <sql>", "BEGIN", "COMMIT", "ROLLBACK".
    QStringList enviado;
    // The 1-based call that fails (0: none) and the native error it fails with.
    int fallaEnLlamada = 0;
    int32_t nativoDelFallo = ado::nativos::ObjetoNoValido;
    int32_t numeroDelFallo = plataforma::errores::ErrorNoEspecificado;
    int64_t filasPorSentencia = 2;

    const ado::DatosMotor& datos() const override { return datos_; }
    std::unique_ptr<ado::Resultado> ejecutar(const QString& lote, int64_t& afectados) override {
        llamada(QStringLiteral("EXEC ") + lote);
        afectados += filasPorSentencia;
        return nullptr;
    }
    int64_t ejecutarNativo(const QString&, const std::vector<QVariant>&) override { return 0; }
    std::unique_ptr<ado::Resultado> releerInsertada(const QString&, std::shared_ptr<const ado::Columnas>) override { return nullptr; }
    ado::TablaBase describirTabla(const QString& tabla) override { return {tabla, {}}; }
    void iniciarTransaccion() override { llamada(QStringLiteral("BEGIN")); }
    void confirmarTransaccion() override { llamada(QStringLiteral("COMMIT")); }
    void deshacerTransaccion() override { llamada(QStringLiteral("ROLLBACK")); }
    int nivelTransaccion() const override { return 0; }
    std::unique_ptr<ado::Resultado> esquemaTablas(const QString&) override { return nullptr; }
    std::unique_ptr<ado::Resultado> esquemaColumnas(const QString&, const QString&) override { return nullptr; }
    void fijarTiempoEspera(int) override {}

    // Puts a recording engine behind `cn` as if it had opened `cadena`; returns it (owned by cn).
    static MotorGrabador& Instalar(ado::Connection& cn, const QString& cadena) {
        cn.setConnectionString(cadena);
        auto motor = std::make_unique<MotorGrabador>();
        MotorGrabador& referencia = *motor;
        referencia.datos_.proveedor = QStringLiteral("OraOLEDB.Oracle.1");
        referencia.datos_.origenErrores = QStringLiteral("OraOLEDB");
        cn.nucleo()->motor = std::move(motor);
        return referencia;
    }

private:
    void llamada(const QString& registro) {
        enviado << registro;
        if (enviado.size() == fallaEnLlamada)
            throw ado::FalloMotor({ado::Error{numeroDelFallo, QStringLiteral("ORA-00942: table or view does not exist"),
                                              datos_.origenErrores, QStringLiteral("42S02"), nativoDelFallo}});
    }
    ado::DatosMotor datos_;
};
