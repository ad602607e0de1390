// Build tool: draws the program's icon, corvex.png (a vehicle on a blue tile), into the folder
// given, beside the program.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

QImage DibujarIcono(int lado) {
    QImage icono(lado, lado, QImage::Format_ARGB32);
    icono.fill(Qt::transparent);
    QPainter p(&icono);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lado / 64.0, lado / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x4e, 0x8c));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    // The body of a small truck, its cab and two wheels.
    p.setBrush(QColor(0xf2, 0xf2, 0xf2));
    p.drawRoundedRect(QRectF(8, 22, 30, 20), 3, 3);
    QPainterPath cabina;
    cabina.moveTo(40, 28);
    cabina.lineTo(50, 28);
    cabina.lineTo(56, 36);
    cabina.lineTo(56, 42);
    cabina.lineTo(40, 42);
    cabina.closeSubpath();
    p.drawPath(cabina);
    p.setBrush(QColor(0x9c, 0xd3, 0xf5));
    p.drawRect(QRectF(43, 31, 6, 5));
    p.setBrush(QColor(0x20, 0x20, 0x20));
    p.drawEllipse(QPointF(18, 45), 6, 6);
    p.drawEllipse(QPointF(47, 45), 6, 6);
    p.setBrush(QColor(0xc0, 0xc0, 0xc0));
    p.drawEllipse(QPointF(18, 45), 2.5, 2.5);
    p.drawEllipse(QPointF(47, 45), 2.5, 2.5);
    p.end();
    return icono;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: generar_icono <carpeta>\n");
        return 2;
    }
    const QDir carpeta(QString::fromLocal8Bit(argv[1]));
    if (!carpeta.exists() && !QDir().mkpath(carpeta.path())) return 1;
    if (!DibujarIcono(64).save(carpeta.filePath(QStringLiteral("corvex.png")), "PNG")) {
        std::fprintf(stderr, "no se pudo escribir corvex.png\n");
        return 1;
    }
    return 0;
}
