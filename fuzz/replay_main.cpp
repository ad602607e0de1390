// Replays a fuzz corpus (every file of the folders given) through the target once, as a test.
#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int archivos = 0;
    for (int i = 1; i < argc; ++i) {
        QDirIterator it(QString::fromLocal8Bit(argv[i]), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            if (!f.open(QIODevice::ReadOnly)) continue;
            const QByteArray bytes = f.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()));
            ++archivos;
        }
    }
    std::printf("%d entradas reproducidas\n", archivos);
    return archivos > 0 ? 0 : 1;
}
