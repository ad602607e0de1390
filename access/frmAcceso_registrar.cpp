// "Registrar" of the access dialog: the connection in the boxes is tested against its server
// (the suite's convention login first, then the typed one) and appended to BASES.TXT.
#include "frmAcceso.h"

#include "ArchivoBases.h"
#include "Carpetas.h"
#include "Dialogos.h"
#include "EjecutorPasos.h"
#include "Procesos.h"
#include "Sesiones.h"
#include "Utilidades.h"

#include <QFileInfo>
#include <QLineEdit>

bool frmAcceso::ExisteBaseDeDatos(const QString& servidor, const QString& dbname, const QString& usuario, const QString& password,
                                  const QString& proveedor) {
    bool resultado = true;
    QString cadena;
    plataforma::EjecutarPasos(
        {
            [&] { if (SesionDB().gOpenFlag) SesionDB().gCnn().Close(); },
            [&] {
                cadena = QStringLiteral("PROVIDER=") + proveedor + QStringLiteral(";") + QStringLiteral("Server=") + servidor + QStringLiteral(";") +
                         QStringLiteral("Database =") + dbname + QStringLiteral(";") + QStringLiteral("UId=") + usuario + QStringLiteral(";") +
                         QStringLiteral("Pwd=") + password + QStringLiteral(";");
            },
            [&] { SesionDB().gCnn().Open(cadena, QString(), QString(), -1); },
            [&] { if (resultado) SesionDB().gCnn().Close(); },
        },
        [&](const plataforma::ErrorEjecucion&) {
            resultado = false;
            return plataforma::Respuesta::Seguir;
        });
    return resultado;
}

void frmAcceso::CmdRegistrar_Click() {
    using namespace plataforma::estilo;
    const Utilidades u;
    QString nombre;
    bool probada = false;   // the convention login worked: straight to writing
    bool saltar = false;    // an unexpected error: on with ODBC, closing and the list
    auto servidor = [this] { return TxtServidor->text(); };
    auto base = [this] { return TxtDbName->text(); };
    plataforma::EjecutarPasos(
        {
            [&] { nombre = NombreConexion(base(), servidor()); },
            [&] {
                servidorEncontrado_.clear();
                DatosBase(nombre);
                if (servidorEncontrado_.isEmpty()) return plataforma::Flujo::Siguiente;
                plataforma::MsgBox(QStringLiteral("La conexion que intenta registrar ya existe "), vbInformation, QStringLiteral("Atencion"));
                return plataforma::Flujo::Terminar;
            },
            [&] {
                const double puerto = u.ValorNumerico(TxtPuerto->text());
                puertoRecordado_ = puerto == 0 ? QStringLiteral("1433") : QString::number(puerto);
            },
            [&] {
                for (QLineEdit* caja : {TxtServidor, TxtUserId, TxtUserPassword, TxtDbName}) caja->setText(caja->text().trimmed());
            },
            [&] { probada = ExisteBaseDeDatos(servidor(), base().toUpper(), base().toUpper(), base().toUpper(), QStringLiteral("SQLOLEDB")); },
            [&] {
                if (probada || saltar) return;
                DB_Dll& sesion = SesionDB();
                if (sesion.gOpenFlag) sesion.gCnn().Close();
                sesion.gServidor = servidor();
                sesion.gUsuario = TxtUserId->text();
                sesion.gUserPassWord = TxtUserPassword->text();
                sesion.gDBName = base();
                sesion.OpenServerADODB(false, 3, QString(), true, true);
            },
            [&] {
                if (probada || saltar || SesionDB().gOpenFlag) return plataforma::Flujo::Siguiente;
                plataforma::MsgBox(QStringLiteral("NO SE PUDO CONECTAR AL SERVIDOR ") + servidor() +
                                       QStringLiteral(" VERIFIQUE EL NOMBRE DE USUARIO Y PASSWORD INGRESADO"),
                                   vbInformation, QStringLiteral("AVISO AL OPERADOR"));
                return plataforma::Flujo::Terminar;
            },
            [&] { if (!saltar) GrabarConexion(nombre, base(), base(), base(), servidor()); },
            [&] {
                // The suite's ODBC set-up program, when it is installed beside this one.
                for (const char* nombreOdbc : {"ODBC", "ODBC.exe"}) {
                    const QString ruta = plataforma::RutaAplicacion(QString::fromLatin1(nombreOdbc));
                    if (!QFileInfo(ruta).isFile()) continue;
                    plataforma::IniciarPrograma(ruta, {QStringLiteral("Server=") + servidor() + QStringLiteral(";DB=") + SesionDB().gDBName + QStringLiteral(";")});
                    break;
                }
            },
            [&] { if (SesionDB().gCnn().State() != ado::adStateClosed) SesionDB().gCnn().Close(); },
            [&] { llenarlist(); },
        },
        [&](const plataforma::ErrorEjecucion& e) {
            const uint32_t numero = static_cast<uint32_t>(e.Number);
            if (numero == 3704 || numero == 1056 || numero == 0x80070420u || numero == 440 || numero == 20480) return plataforma::Respuesta::Seguir;
            plataforma::MsgBox(QStringLiteral("SQL Server start failed.  ") + QStringLiteral("\r") + QStringLiteral("SQL-DMO error:  ") +
                               QString::number(e.Number) + QLatin1Char(' ') + e.Description);
            saltar = true;
            return plataforma::Respuesta::Seguir;
        });
}
