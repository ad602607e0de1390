// A fresh application folder for one test: VELMORA_HOME points at it while the object lives.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class CarpetaDePrueba {
public:
    CarpetaDePrueba();
    ~CarpetaDePrueba();
    QString ruta() const { return dir_.path(); }
    QString archivo(const QString& nombre) const { return dir_.path() + QLatin1Char('/') + nombre; }
    // Writes raw bytes into a file of the folder (sub-folders created).
    void escribir(const QString& nombre, const QByteArray& bytes) const;
    QByteArray leer(const QString& nombre) const;

private:
    QTemporaryDir dir_;
    QByteArray anterior_;
    bool habiaAnterior_;
};
