// The icon shapes, drawn on a 32-unit grid and scaled to the size asked.
#include "DibujoIconos.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <functional>

namespace dibujo_iconos {

namespace {

struct Esquema {
    const char* archivo;
    QColor contorno;  // outlines and dark details
    QColor papel;     // sheets and light faces
    QColor primario;  // bodies (printer, disk, door, header)
    QColor acento;    // positive marks (plus sign, exit arrow)
    QColor peligro;   // delete and cancel
};

// Classic, blue, mauve, green and silver.
const std::array<Esquema, 5> Esquemas{{
    {"ABM2021.bmp", QColor(0x30, 0x30, 0x30), QColor(0xF6, 0xF6, 0xF0), QColor(0x4A, 0x7D, 0xC9), QColor(0x2E, 0x9D, 0x3A), QColor(0xD0, 0x30, 0x30)},
    {"ABM2021B.bmp", QColor(0x12, 0x2E, 0x5C), QColor(0xE8, 0xF0, 0xFB), QColor(0x2F, 0x6F, 0xD6), QColor(0x1F, 0xA8, 0xE0), QColor(0xC0, 0x39, 0x2B)},
    {"ABM2021M.bmp", QColor(0x3C, 0x1E, 0x4A), QColor(0xF7, 0xEE, 0xF8), QColor(0x8E, 0x4F, 0xA8), QColor(0xD9, 0x8C, 0x1F), QColor(0xB0, 0x28, 0x5A)},
    {"ABM2021V.bmp", QColor(0x1B, 0x3D, 0x22), QColor(0xEE, 0xF7, 0xEC), QColor(0x3F, 0x9A, 0x4E), QColor(0x8C, 0xC6, 0x3F), QColor(0xC8, 0x3C, 0x2C)},
    {"ABM2021i.bmp", QColor(0x40, 0x44, 0x4A), QColor(0xFA, 0xFA, 0xFA), QColor(0x9A, 0xA3, 0xAE), QColor(0x3C, 0x8D, 0xDE), QColor(0xD2, 0x4B, 0x4B)},
}};

QPen Trazo(const QColor& color, qreal ancho) { return QPen(color, ancho, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void Nuevo(QPainter& p, const Esquema& e) {
    const QPolygonF hoja{{7, 3}, {19, 3}, {25, 9}, {25, 29}, {7, 29}};
    p.setPen(Trazo(e.contorno, 1.5));
    p.setBrush(e.papel);
    p.drawPolygon(hoja);
    p.setBrush(e.primario);
    p.drawPolygon(QPolygonF{{19, 3}, {19, 9}, {25, 9}});
    p.setBrush(e.acento);
    p.drawEllipse(QPointF(22, 23), 6.5, 6.5);
    p.setPen(Trazo(Qt::white, 2.5));
    p.drawLine(QPointF(22, 19.5), QPointF(22, 26.5));
    p.drawLine(QPointF(18.5, 23), QPointF(25.5, 23));
}

void Borrar(QPainter& p, const Esquema& e) {
    for (const auto& [color, ancho] : {std::pair{e.contorno, 8.0}, std::pair{e.peligro, 5.0}}) {
        p.setPen(Trazo(color, ancho));
        p.drawLine(QPointF(8, 8), QPointF(24, 24));
        p.drawLine(QPointF(24, 8), QPointF(8, 24));
    }
}

void Reporte(QPainter& p, const Esquema& e) {
    p.setPen(Trazo(e.contorno, 1.5));
    p.setBrush(e.papel);
    p.drawRect(QRectF(9, 3, 14, 9));
    p.setBrush(e.primario);
    p.drawRoundedRect(QRectF(3, 11, 26, 12), 2, 2);
    p.setBrush(e.papel);
    p.drawRect(QRectF(9, 19, 14, 10));
    p.setPen(Trazo(e.contorno, 1));
    for (qreal y : {22.5, 25.5}) p.drawLine(QPointF(11, y), QPointF(21, y));
    p.setPen(Qt::NoPen);
    p.setBrush(e.acento);
    p.drawEllipse(QPointF(25, 15), 1.6, 1.6);
}

void Consultar(QPainter& p, const Esquema& e) {
    p.setPen(Trazo(e.contorno, 6));
    p.drawLine(QPointF(19, 19), QPointF(27, 27));
    p.setPen(Trazo(e.contorno, 3));
    p.setBrush(e.papel);
    p.drawEllipse(QPointF(13, 13), 8.5, 8.5);
    p.setPen(Trazo(e.primario, 2));
    p.drawArc(QRectF(8, 8, 10, 10), 100 * 16, 80 * 16);
}

void Planilla(QPainter& p, const Esquema& e) {
    const QRectF hoja(4, 5, 24, 22);
    p.setPen(Trazo(e.contorno, 1.5));
    p.setBrush(e.papel);
    p.drawRect(hoja);
    p.setBrush(e.primario);
    p.drawRect(QRectF(4, 5, 24, 6));
    p.setPen(Trazo(e.contorno, 1));
    for (qreal x : {12.0, 20.0}) p.drawLine(QPointF(x, 5), QPointF(x, 27));
    for (qreal y : {16.0, 21.0}) p.drawLine(QPointF(4, y), QPointF(28, y));
    p.setPen(Qt::NoPen);
    p.setBrush(e.acento);
    p.drawRect(QRectF(13, 17, 6, 3));
}

void Cancelar(QPainter& p, const Esquema& e) {
    p.setPen(Trazo(e.contorno, 1.5));
    p.setBrush(e.peligro);
    p.drawEllipse(QPointF(16, 16), 12, 12);
    p.setPen(Trazo(Qt::white, 3.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(16, 16), 7, 7);
    p.drawLine(QPointF(11, 11), QPointF(21, 21));
}

void Grabar(QPainter& p, const Esquema& e) {
    p.setPen(Trazo(e.contorno, 1.5));
    p.setBrush(e.primario);
    QPainterPath disco;
    disco.moveTo(4, 4);
    disco.lineTo(24, 4);
    disco.lineTo(28, 8);
    disco.lineTo(28, 28);
    disco.lineTo(4, 28);
    disco.closeSubpath();
    p.drawPath(disco);
    p.setBrush(e.papel);
    p.drawRect(QRectF(9, 4, 13, 9));
    p.drawRect(QRectF(8, 17, 16, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(e.contorno);
    p.drawRect(QRectF(17, 6, 3, 5));
    p.setPen(Trazo(e.contorno, 1));
    for (qreal y : {20.5, 24.0}) p.drawLine(QPointF(11, y), QPointF(21, y));
}

void Cerrar(QPainter& p, const Esquema& e) {
    p.setPen(Trazo(e.contorno, 1.5));
    p.setBrush(e.papel);
    p.drawRect(QRectF(4, 3, 15, 26));
    p.setBrush(e.primario);
    p.drawPolygon(QPolygonF{{4, 3}, {13, 6}, {13, 30}, {4, 29}});
    p.setBrush(e.contorno);
    p.drawEllipse(QPointF(11, 17), 1, 1);
    p.setPen(Trazo(e.contorno, 6));
    p.drawLine(QPointF(17, 16), QPointF(25, 16));
    p.drawPolyline(QPolygonF{{23, 10}, {29, 16}, {23, 22}});
    p.setPen(Trazo(e.acento, 3));
    p.drawLine(QPointF(17, 16), QPointF(26, 16));
    p.drawPolyline(QPolygonF{{23, 10.5}, {28.5, 16}, {23, 21.5}});
}

const std::array<std::function<void(QPainter&, const Esquema&)>, 8> Dibujos{
    Nuevo, Borrar, Reporte, Consultar, Planilla, Cancelar, Grabar, Cerrar};

const Esquema& EsquemaDe(const QString& archivo) {
    for (const Esquema& e : Esquemas)
        if (archivo.compare(QLatin1String(e.archivo), Qt::CaseInsensitive) == 0) return e;
    return Esquemas.front();
}

}  // namespace

QStringList ArchivosTiras() {
    QStringList nombres;
    for (const Esquema& e : Esquemas) nombres << QLatin1String(e.archivo);
    return nombres;
}

QImage DibujarTira(const QString& archivo, int lado) {
    const Esquema& esquema = EsquemaDe(archivo);
    QImage tinta(lado * static_cast<int>(Dibujos.size()), lado, QImage::Format_ARGB32_Premultiplied);
    tinta.fill(Qt::transparent);
    {
        QPainter p(&tinta);
        p.setRenderHint(QPainter::Antialiasing);
        for (std::size_t i = 0; i < Dibujos.size(); ++i) {
            p.save();
            p.translate(static_cast<qreal>(lado) * static_cast<qreal>(i), 0);
            p.scale(lado / 32.0, lado / 32.0);
            Dibujos[i](p, esquema);
            p.restore();
        }
    }
    // A BMP has no alpha: half-covered pixels become ink or background, never a blend with it.
    QImage tira(tinta.size(), QImage::Format_RGB32);
    for (int y = 0; y < tinta.height(); ++y) {
        const auto* origen = reinterpret_cast<const QRgb*>(tinta.constScanLine(y));
        auto* destino = reinterpret_cast<QRgb*>(tira.scanLine(y));
        for (int x = 0; x < tinta.width(); ++x) {
            const QRgb c = origen[x];
            const int a = qAlpha(c);
            if (a < 128) {
                destino[x] = ColorTransparente;
            } else {
                QRgb opaco = qRgb(qRed(c) * 255 / a, qGreen(c) * 255 / a, qBlue(c) * 255 / a);
                // Ink never takes the transparent colour itself.
                if ((opaco | 0xFF000000) == ColorTransparente) opaco = qRgb(254, 0, 254);
                destino[x] = opaco;
            }
        }
    }
    return tira;
}

}  // namespace dibujo_iconos
