// Ta_Quendal: builds the program-wide objects, installs them where the layers look for them and
// opens the window, whose load runs the start-up; its unload ends the program.
#include "Apariencia.h"
#include "FRMTA_QUENDAL.h"
#include "ServiciosPrograma.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    plataforma::PrepararAplicacion();
    ServiciosPrograma servicios;

    FRMTA_QUENDAL ventana(&servicios.gConsulta);
    ventana.Form_Load();
    ventana.show();
    return app.exec();
}
