// The progress notice's window: three centred bold lines, a looping 12-frame animation on a
// 100 ms timer, and an optional cancel button whose click only changes its caption to "Abortado".
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <array>

class Lbf_CtrlDisplay final : public QWidget {
    Q_OBJECT
public:
    explicit Lbf_CtrlDisplay(QWidget* padre = nullptr);

    std::array<QLabel*, 3> LblCtrol{};
    QLabel* Image1 = nullptr;
    QTimer* Timer1 = nullptr;
    QPushButton* CmdDisplayCancelar = nullptr;

    int16_t contador() const { return contador_; }
    // The animation frames, drawn here: a ring of twelve spokes with one highlighted.
    static QPixmap Fotograma(int numero);

    void Timer1_Timer();

private:
    int16_t contador_ = 0;
};
