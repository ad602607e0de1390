// Ta_Quendal: builds the program-wide objects, installs the platform services, reads the command
// text into the state record and opens the window.
#include "Apariencia.h"
#include "ArchivoIni.h"
#include "DialogosQt.h"
#include "EstadoAplicacion.h"
#include "ParametrosInicio.h"
#include "PasosInicio.h"
#include "Sistema.h"
#include "Utilidades.h"

#include <QApplication>
#include <QMainWindow>

namespace {

// The helper component's shared objects, held for the whole run.
struct ObjetosAyuda {
    Utilidades utilidades;
    Sistema sistema;
    ArchivoIni archivoIni;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    plataforma::PrepararAplicacion();
    plataforma::DialogosQt dialogos;
    plataforma::InstalarDialogos(&dialogos);
    ObjetosAyuda ayuda;

    EstadoAplicacion& estado = Estado();
    ColoresIniciales(estado);
    const QString comando = ObtenerComando(QString(), ComandoDelProceso(QCoreApplication::arguments()), false, ayuda.archivoIni,
                                           ayuda.utilidades, ayuda.sistema);
    estado.gSeccionIni = SeccionIni(ayuda.sistema.NombreEquipo(), ayuda.sistema.NombreUsuarioSistema());
    estado.gFlatToolbars = LeerFlatToolbars(ayuda.archivoIni, estado.gSeccionIni);
    ValoresComando valores;
    LeerParametros(comando, estado, valores);
    QString connString;
    AplicarMarcaOracle(valores, connString);
    valores.servidor = NormalizarServidor(valores.servidor);

    QMainWindow ventana;
    ventana.setWindowTitle(QStringLiteral("Tipos de Vehiculos"));
    ventana.show();
    const int codigo = app.exec();
    plataforma::InstalarDialogos(nullptr);
    return codigo;
}
