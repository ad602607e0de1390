// Ta_Quendal: builds the program-wide objects, installs them where the layers look for them,
// runs the start-up and opens the window.
#include "Apariencia.h"
#include "Inicio.h"
#include "ServiciosPrograma.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    plataforma::PrepararAplicacion();
    ServiciosPrograma servicios;

    QString connString;
    InicioAplicacion(false, QString(), connString, 3);

    QMainWindow ventana;
    ventana.setWindowTitle(QStringLiteral("Tipos de Vehiculos"));
    ventana.show();
    const int codigo = app.exec();
    FinalizarAplicacion();
    return codigo;
}
