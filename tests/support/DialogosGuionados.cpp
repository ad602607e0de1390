#include "DialogosGuionados.h"

#include <gtest/gtest.h>

DialogosGuionados::DialogosGuionados() { plataforma::InstalarDialogos(this); }

DialogosGuionados::~DialogosGuionados() {
    plataforma::InstalarDialogos(nullptr);
    for (const Caja& c : esperados_) {
        ADD_FAILURE() << "Caja esperada y no mostrada: " << c.titulo.toStdString() << " | " << c.texto.toStdString();
    }
}

DialogosGuionados& DialogosGuionados::espera(const QString& titulo, const QString& texto, int estilo, int respuesta) {
    esperados_.push_back(Caja{false, false, titulo, texto, estilo, respuesta, {}});
    return *this;
}

DialogosGuionados& DialogosGuionados::esperaConTexto(const QString& fragmento, int respuesta) {
    esperados_.push_back(Caja{false, true, {}, fragmento, -1, respuesta, {}});
    return *this;
}

DialogosGuionados& DialogosGuionados::esperaEntrada(const QString& titulo, const QString& respuesta) {
    esperados_.push_back(Caja{true, false, titulo, {}, -1, 0, respuesta});
    return *this;
}

int DialogosGuionados::MsgBox(const QString& texto, int estilo, const QString& titulo) {
    vistos_.append(QStringLiteral("%1|%2|%3").arg(titulo, texto).arg(estilo));
    if (esperados_.empty() || esperados_.front().entrada) {
        ADD_FAILURE() << "Caja inesperada: " << titulo.toStdString() << " | " << texto.toStdString() << " | " << estilo;
        return plataforma::RespuestaPorDefecto(estilo);
    }
    const Caja c = esperados_.front();
    esperados_.pop_front();
    if (c.parcial) {
        EXPECT_TRUE(texto.contains(c.texto)) << "texto: " << texto.toStdString() << "\nesperado dentro: " << c.texto.toStdString();
    } else {
        EXPECT_EQ(titulo.toStdString(), c.titulo.toStdString());
        EXPECT_EQ(texto.toStdString(), c.texto.toStdString());
        if (c.estilo != -1) EXPECT_EQ(estilo, c.estilo) << texto.toStdString();
    }
    return c.respuesta;
}

QString DialogosGuionados::InputBox(const QString& texto, const QString& titulo, const QString& defecto) {
    vistos_.append(QStringLiteral("%1|%2|entrada").arg(titulo, texto));
    if (esperados_.empty() || !esperados_.front().entrada) {
        ADD_FAILURE() << "Entrada inesperada: " << titulo.toStdString() << " | " << texto.toStdString();
        return defecto;
    }
    const Caja c = esperados_.front();
    esperados_.pop_front();
    EXPECT_EQ(titulo.toStdString(), c.titulo.toStdString());
    return c.textoRespuesta;
}
