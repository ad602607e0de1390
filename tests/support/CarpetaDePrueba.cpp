#include "CarpetaDePrueba.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

CarpetaDePrueba::CarpetaDePrueba() : anterior_(qgetenv("VELMORA_HOME")), habiaAnterior_(qEnvironmentVariableIsSet("VELMORA_HOME")) {
    qputenv("VELMORA_HOME", QFile::encodeName(dir_.path()));
}

CarpetaDePrueba::~CarpetaDePrueba() {
    if (habiaAnterior_) qputenv("VELMORA_HOME", anterior_);
    else qunsetenv("VELMORA_HOME");
}

void CarpetaDePrueba::escribir(const QString& nombre, const QByteArray& bytes) const {
    const QString ruta = archivo(nombre);
    QDir().mkpath(QFileInfo(ruta).absolutePath());
    QFile f(ruta);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

QByteArray CarpetaDePrueba::leer(const QString& nombre) const {
    QFile f(archivo(nombre));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
