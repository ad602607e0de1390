// The helper component's INI reader, Windows style: sections and keys found without case, ";"
// comments, Windows-1252 text, the file looked up in the application folder whatever the case of
// its name. A missing file, section or key gives the default; nothing is ever written.
#pragma once

#include <QString>

class ArchivoIni {
public:
    // `archivo` is a bare name ("Velmora.INI") looked up in the application folder, or a path.
    QString LeerIni(const QString& archivo, const QString& seccion, const QString& clave, const QString& defecto) const;

    // The same lookup on the text of an INI file (used by the reader and by the fuzz target).
    static QString BuscarEnTexto(const QString& texto, const QString& seccion, const QString& clave, const QString& defecto);
};
