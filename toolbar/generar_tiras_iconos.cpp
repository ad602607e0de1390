// Build tool: writes the toolbar's five icon strips (BMP) into the folder given, beside the program.
#include "DibujoIconos.h"

#include <QDir>
#include <QString>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: generar_tiras_iconos <carpeta>\n");
        return 2;
    }
    const QDir carpeta(QString::fromLocal8Bit(argv[1]));
    if (!carpeta.exists() && !QDir().mkpath(carpeta.path())) return 1;
    for (const QString& archivo : dibujo_iconos::ArchivosTiras()) {
        if (!dibujo_iconos::DibujarTira(archivo).save(carpeta.filePath(archivo), "BMP")) {
            std::fprintf(stderr, "no se pudo escribir %s\n", qPrintable(carpeta.filePath(archivo)));
            return 1;
        }
    }
    return 0;
}
