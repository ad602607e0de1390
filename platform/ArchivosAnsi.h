// The suite's text files: Windows-1252 with CR LF line ends, byte-compatible with its programs on
// Windows; and files of fixed-length records (the original's random-access files).
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace plataforma {

// Windows-1252. Characters it cannot hold become "?".
QByteArray CodificarAnsi(const QString& texto);
QString DecodificarAnsi(const QByteArray& bytes);
// The byte of one character in Windows-1252, 0 when it has none.
unsigned char ByteAnsi(QChar c);

// The lines of a text file (CR LF, bare LF or bare CR end a line; a last line without its end
// counts); nullopt when the file cannot be read.
std::optional<QStringList> LeerLineasAnsi(const QString& ruta);
// Writes the lines, each ended by CR LF, replacing the file. False on failure.
bool EscribirLineasAnsi(const QString& ruta, const QStringList& lineas);
// Appends one line and its CR LF in a single write under an exclusive lock, so lines appended
// by several processes at once stay whole. Creates the file when missing. False on failure.
bool AgregarLineaAnsi(const QString& ruta, const QString& linea);

// A file of records of one fixed length, numbered from 1. Text fields are Windows-1252, padded
// with blanks by their writers.
class ArchivoRegistros {
public:
    ArchivoRegistros(QString ruta, int largoRegistro);
    int cantidad() const;                                   // whole records in the file
    std::optional<QByteArray> leer(int numero) const;       // nullopt past the end
    bool escribir(int numero, const QByteArray& registro);  // padded or cut to the length; may extend the file
    const QString& ruta() const { return ruta_; }

private:
    QString ruta_;
    int largo_;
};

}  // namespace plataforma
