#include "ArchivosAnsi.h"

#include <QFile>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace plataforma {

namespace {

// Windows-1252 bytes 0x80-0x9F; 0 where the code page leaves the byte undefined.
constexpr char16_t kAlto[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

unsigned char ByteAnsi(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<unsigned char>(u);
    for (int i = 0; i < 32; ++i) {
        if (kAlto[i] == u && u != 0) return static_cast<unsigned char>(0x80 + i);
    }
    return 0;
}

QByteArray CodificarAnsi(const QString& texto) {
    QByteArray bytes;
    bytes.reserve(texto.size());
    for (QChar c : texto) {
        const unsigned char b = ByteAnsi(c);
        bytes.append(b == 0 && c.unicode() != 0 ? '?' : static_cast<char>(b));
    }
    return bytes;
}

QString DecodificarAnsi(const QByteArray& bytes) {
    QString texto;
    texto.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b < 0xA0) {
            texto.append(kAlto[b - 0x80] ? QChar(kAlto[b - 0x80]) : QChar(b));
        } else {
            texto.append(QChar(b));
        }
    }
    return texto;
}

std::optional<QStringList> LeerLineasAnsi(const QString& ruta) {
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly)) return std::nullopt;
    const QString texto = DecodificarAnsi(archivo.readAll());
    QStringList lineas;
    QString actual;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lineas.append(actual);
            actual.clear();
            if (c == QLatin1Char('\r') && i + 1 < texto.size() && texto.at(i + 1) == QLatin1Char('\n')) ++i;
        } else {
            actual.append(c);
        }
    }
    if (!actual.isEmpty()) lineas.append(actual);
    return lineas;
}

bool EscribirLineasAnsi(const QString& ruta, const QStringList& lineas) {
    QSaveFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly)) return false;
    for (const QString& l : lineas) archivo.write(CodificarAnsi(l) + "\r\n");
    return archivo.commit();
}

bool AgregarLineaAnsi(const QString& ruta, const QString& linea) {
    const int fd = ::open(QFile::encodeName(ruta).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const QByteArray bytes = CodificarAnsi(linea) + "\r\n";
    ::flock(fd, LOCK_EX);
    qsizetype escritos = 0;
    bool ok = true;
    while (escritos < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + escritos, static_cast<size_t>(bytes.size() - escritos));
        if (n <= 0) { ok = false; break; }
        escritos += n;
    }
    ::flock(fd, LOCK_UN);
    ::close(fd);
    return ok;
}

ArchivoRegistros::ArchivoRegistros(QString ruta, int largoRegistro) : ruta_(std::move(ruta)), largo_(largoRegistro) {}

int ArchivoRegistros::cantidad() const {
    const qint64 tam = QFile(ruta_).size();
    return largo_ > 0 ? static_cast<int>(tam / largo_) : 0;
}

std::optional<QByteArray> ArchivoRegistros::leer(int numero) const {
    if (numero < 1 || numero > cantidad()) return std::nullopt;
    QFile archivo(ruta_);
    if (!archivo.open(QIODevice::ReadOnly) || !archivo.seek(qint64(numero - 1) * largo_)) return std::nullopt;
    QByteArray registro = archivo.read(largo_);
    if (registro.size() != largo_) return std::nullopt;
    return registro;
}

bool ArchivoRegistros::escribir(int numero, const QByteArray& registro) {
    if (numero < 1) return false;
    QFile archivo(ruta_);
    if (!archivo.open(QIODevice::ReadWrite)) return false;
    QByteArray bytes = registro.left(largo_);
    bytes.append(QByteArray(largo_ - bytes.size(), ' '));
    const qint64 posicion = qint64(numero - 1) * largo_;
    if (archivo.size() < posicion && !archivo.resize(posicion)) return false;
    return archivo.seek(posicion) && archivo.write(bytes) == largo_ && archivo.flush();
}

}  // namespace plataforma
