#include "Lbf_CtrlDisplay.h"

#include "Apariencia.h"
#include "Geometria.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <cmath>

using plataforma::Pixeles;

Lbf_CtrlDisplay::Lbf_CtrlDisplay(QWidget* padre) : QWidget(padre, Qt::Dialog) {
    setObjectName(QStringLiteral("Lbf_CtrlDisplay"));
    setWindowTitle(QStringLiteral("Procesando Datos"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(Pixeles(7845), Pixeles(2790));

    const int tops[3] = {120, 480, 840};
    for (int i = 0; i < 3; ++i) {
        auto* etiqueta = new QLabel(this);
        etiqueta->setObjectName(QStringLiteral("LblCtrol(%1)").arg(i));
        etiqueta->setGeometry(0, Pixeles(tops[i]), Pixeles(7815), Pixeles(290));
        etiqueta->setAlignment(Qt::AlignCenter);
        etiqueta->setFont(plataforma::FuenteAplicacion(12, true));
        LblCtrol[static_cast<size_t>(i)] = etiqueta;
    }
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry((width() - 32) / 2, Pixeles(1320), 32, 32);
    Image1->setPixmap(Fotograma(1));

    CmdDisplayCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    CmdDisplayCancelar->setObjectName(QStringLiteral("CmdDisplayCancelar"));
    CmdDisplayCancelar->setGeometry(Pixeles(3120), Pixeles(2400), Pixeles(1695), Pixeles(375));
    connect(CmdDisplayCancelar, &QPushButton::clicked, this, [this] { CmdDisplayCancelar->setText(QStringLiteral("Abortado")); });

    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &Lbf_CtrlDisplay::Timer1_Timer);
    Timer1->start();

    if (const QScreen* pantalla = QGuiApplication::primaryScreen()) {
        const QRect area = pantalla->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    setWindowOpacity(200.0 / 255.0);
}

void Lbf_CtrlDisplay::Timer1_Timer() {
    contador_ = static_cast<int16_t>(contador_ + 1);
    Image1->setPixmap(Fotograma(contador_));
    if (contador_ >= 12) contador_ = 0;
}

QPixmap Lbf_CtrlDisplay::Fotograma(int numero) {
    QPixmap imagen(32, 32);
    imagen.fill(Qt::transparent);
    QPainter pintor(&imagen);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.translate(16, 16);
    for (int i = 0; i < 12; ++i) {
        // The spoke of this frame is dark; the ones behind it fade, so the ring seems to turn.
        const int atras = ((numero - 1) - i + 12) % 12;
        QColor color(0, 70, 140);
        color.setAlphaF(atras == 0 ? 1.0 : std::max(0.15, 0.8 - atras * 0.1));
        pintor.save();
        pintor.rotate(i * 30.0);
        pintor.setPen(Qt::NoPen);
        pintor.setBrush(color);
        pintor.drawRoundedRect(QRectF(-2, -15, 4, 8), 2, 2);
        pintor.restore();
    }
    return imagen;
}
