// Schema questions answered by the connection's schema rowsets (so no dialect of their own),
// and adding a missing column.
#include "DB_Dll.h"

#include "EjecutorPasos.h"
#include "Texto.h"

using plataforma::Flujo;
using plataforma::Respuesta;

namespace {

// Whether the rowset has a row whose `columna`, trimmed, names `buscado` (without case).
bool HayFilaConNombre(ado::Recordset& rs, const QString& columna, const QString& buscado) {
    for (; !rs.Eof(); rs.MoveNext())
        if (plataforma::IgualesSinMayusculas(rs.Fields(columna).Value().toString().trimmed(), buscado.trimmed())) return true;
    return false;
}

}  // namespace

bool DB_Dll::ExisteTablaDB(const QString& Tabla) {
    bool existe = false;
    ado::Recordset rs;
    const std::vector<plataforma::Paso> pasos = {
        [&] { rs = gCnn().OpenSchema(ado::adSchemaTables); },
        [&] { existe = !rs.BOF() && HayFilaConNombre(rs, QStringLiteral("TABLE_NAME"), Tabla); },
    };
    plataforma::EjecutarPasos(pasos, [&](const plataforma::ErrorEjecucion& error) {
        return plataforma::RespuestaDesdeCodigo(TratamientoErrores(error, std::nullopt, QStringLiteral("VerificaCampos")));
    });
    return existe;
}

bool DB_Dll::ExisteCampoDB(const QString& Tabla, const QString& Campo) {
    // Oracle's catalogue is not asked: every column counts as present.
    if (plataforma::ContieneSinMayusculas(principal().gProveedor, QStringLiteral("ORACLE"))) return true;
    bool existe = false;
    ado::Recordset rs;
    const std::vector<plataforma::Paso> pasos = {
        [&] { rs = gCnn().OpenSchema(ado::adSchemaColumns, {gDBName, QVariant(), Tabla, QVariant()}); },
        [&] { existe = HayFilaConNombre(rs, QStringLiteral("COLUMN_NAME"), Campo); },
    };
    plataforma::EjecutarPasos(pasos, [&](const plataforma::ErrorEjecucion& error) {
        return plataforma::RespuestaDesdeCodigo(TratamientoErrores(error, std::nullopt, QStringLiteral("VerificaCampos")));
    });
    return existe;
}

void DB_Dll::AddField(const QString& Tabla, const QString& Campo, const QString& Tipo, bool PermiteNulos, const QVariant& ValorDefault) {
    QString sql;
    const std::vector<plataforma::Paso> pasos = {
        [&] {
            const QString nulos = PermiteNulos ? QStringLiteral(" Null ") : QStringLiteral(" Not Null ");
            const QString porDefecto = ValorDefault.isValid() ? QStringLiteral(" CONSTRAINT DF_") + Tabla.trimmed() + QStringLiteral("_") +
                                                                    Campo.trimmed() + QStringLiteral(" DEFAULT (") + ValorDefault.toString() +
                                                                    QStringLiteral(")")
                                                              : QString();
            sql = QStringLiteral("ALTER TABLE dbo.") + Tabla + QStringLiteral(" ADD ") + Campo + QStringLiteral(" ") + Tipo + nulos + porDefecto;
        },
        [&] {
            int64_t afectadas = 0;
            EjecutaConsultaSQL(sql, &afectadas);
        },
    };
    plataforma::EjecutarPasos(pasos, [&](const plataforma::ErrorEjecucion& error) {
        return plataforma::RespuestaDesdeCodigo(TratamientoErrores(error, std::nullopt, QStringLiteral("errAddField")));
    });
}

bool DB_Dll::VerCampoDB(const QString& Tabla, const QString& Campo, bool Agregar, const QString& Tipo, bool PermiteNulos,
                        const QVariant& ValorDefault) {
    if (ExisteTablaDB(Tabla) && !ExisteCampoDB(Tabla, Campo) && Agregar) AddField(Tabla, Campo, Tipo, PermiteNulos, ValorDefault);
    return true;
}
