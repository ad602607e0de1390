// Ta_Quendal: builds the program-wide objects, installs the platform services and opens the window.
#include "Apariencia.h"
#include "DialogosQt.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    plataforma::PrepararAplicacion();
    plataforma::DialogosQt dialogos;
    plataforma::InstalarDialogos(&dialogos);

    QMainWindow ventana;
    ventana.setWindowTitle(QStringLiteral("Tipos de Vehiculos"));
    ventana.show();
    const int codigo = app.exec();
    plataforma::InstalarDialogos(nullptr);
    return codigo;
}
