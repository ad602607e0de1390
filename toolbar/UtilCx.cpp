// The action toolbar: building the bar, its properties, keys, clicks and refresh.
#include "UtilCx.h"

#include "BolsaPropiedades.h"
#include "IconosUtilCx.h"

#include <QBoxLayout>
#include <QFrame>
#include <QResizeEvent>
#include <QShowEvent>
#include <QToolButton>

#include <exception>

using namespace botones_utilcx;

namespace {
// The bar's size settings: a button at least 42 x 35 pixels around a 32-pixel icon.
constexpr int AnchoBoton = 42;
constexpr int AltoBoton = 35;
constexpr int LadoIcono = 32;

QString Palabra(const QString& titulo) { return titulo.trimmed().toUpper(); }
}  // namespace

UtilCx::UtilCx(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    disposicion_ = new QBoxLayout(QBoxLayout::TopToBottom, this);
    disposicion_->setContentsMargins(0, 0, 0, 0);
    disposicion_->setSpacing(0);

    barra_ = new QFrame(this);
    barra_->setObjectName(QStringLiteral("Standard"));
    barra_->setFrameShape(QFrame::StyledPanel);
    barra_->setFrameShadow(QFrame::Raised);
    barra_->setFocusPolicy(Qt::NoFocus);
    disposicionBarra_ = new QBoxLayout(QBoxLayout::LeftToRight, barra_);
    disposicionBarra_->setContentsMargins(2, 2, 2, 2);
    disposicionBarra_->setSpacing(1);
    for (int i = 0; i < Cantidad; ++i) {
        const Boton boton = static_cast<Boton>(i);
        auto* b = new QToolButton(barra_);
        b->setObjectName(QStringLiteral("Boton%1").arg(Definiciones[i].id));
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRaise(true);
        connect(b, &QToolButton::clicked, this, [this, boton] { BotonPulsado(boton); });
        disposicionBarra_->addWidget(b);
        botones_[i] = b;
    }
    disposicionBarra_->addStretch(1);

    disposicion_->addWidget(barra_);
    disposicion_->addStretch(1);
    Crear();
}

void UtilCx::Crear() {
    conTitulo_ = true;
    enabled_ = true;
    visibles_.fill(true);
    for (int i = 0; i < Cantidad; ++i) BotonEnabled(static_cast<Boton>(i), true);

    const iconos_utilcx::Iconos iconos = iconos_utilcx::CargarIconos(
        iconos_utilcx::ArchivoDeEstilo(iconos_utilcx::EstiloDelUsuario()), iconos_utilcx::CarpetasDeTiras(), style());
    rutaIconos_ = iconos.ruta;
    for (int i = 0; i < Cantidad; ++i) {
        QToolButton* b = botones_[i];
        b->setText(QLatin1String(Definiciones[i].titulo));
        b->setIcon(iconos.iconos.value(i));
        b->setIconSize(QSize(LadoIcono, LadoIcono));
        b->setMinimumSize(AnchoBoton, AltoBoton);
    }
    Refrescar();
}

void UtilCx::ActualizarBotones() { Crear(); }

// Setters never redraw: the bar catches up once the host's handler returns to the event loop,
// however many properties it changed.
void UtilCx::AvisarCambio(const char* nombre) {
    Q_EMIT propiedadCambiada(QLatin1String(nombre));
    PedirRefresco();
}

void UtilCx::ConTitulo(bool valor) {
    conTitulo_ = valor;
    AvisarCambio("ConTitulo");
}

void UtilCx::Enabled(bool valor) {
    enabled_ = valor;
    AvisarCambio("Enabled");
}

void UtilCx::Theme(int valor) {
    theme_ = static_cast<qint16>(valor < 0 || valor > 2 ? 0 : valor);
    AvisarCambio("Theme");
}

void UtilCx::BotonEnabled(Boton boton, bool valor) {
    habilitados_[boton] = valor;
    AvisarCambio(Definiciones[boton].propiedadEnabled);
}

void UtilCx::BotonVisible(Boton boton, bool valor) {
    visibles_[boton] = valor;
    AvisarCambio(Definiciones[boton].propiedadVisible);
}

void UtilCx::KeyAnalisis(int KeyCode) {
    QString titulo;
    if (KeyCode == plataforma::tecla::vbKeyEscape) {
        if (habilitados_[Cancelar]) titulo = QLatin1String(Definiciones[Cancelar].titulo);
        else if (habilitados_[Cerrar]) titulo = QLatin1String(Definiciones[Cerrar].titulo);
    } else {
        for (int i = 0; i < Cantidad; ++i)
            if (Definiciones[i].tecla == KeyCode && habilitados_[i]) titulo = QLatin1String(Definiciones[i].titulo);
    }
    if (!titulo.isEmpty()) Q_EMIT click(Palabra(titulo));
}

void UtilCx::BotonPulsado(Boton boton) {
    const QString palabra = Palabra(botones_[boton]->text());
    // A new record has nothing to delete yet; after a save or on closing there may be again.
    if (palabra == QLatin1String("NUEVO")) habilitados_[Borrar] = false;
    else if (palabra == QLatin1String("GRABAR") || palabra == QLatin1String("CERRAR")) habilitados_[Borrar] = true;
    // Queued before the host runs, so nothing touches the control if the host destroys it.
    PedirRefresco();
    // A failing host handler must not disturb the bar; ending the process is not an error and
    // goes on to whoever watches it.
    try {
        Q_EMIT click(palabra);
    } catch (const std::exception&) {
    }
}

void UtilCx::PedirRefresco() {
    if (refrescoPendiente_) return;
    refrescoPendiente_ = true;
    QMetaObject::invokeMethod(this, &UtilCx::Refrescar, Qt::QueuedConnection);
}

void UtilCx::Refrescar() {
    refrescoPendiente_ = false;
    for (int i = 0; i < Cantidad; ++i) {
        QToolButton* b = botones_[i];
        b->setToolButtonStyle(conTitulo_ ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
        b->setEnabled(habilitados_[i]);
        b->setHidden(!visibles_[i]);
    }
}

void UtilCx::LeerPropiedades(const BolsaPropiedades& bolsa) {
    const QVariant si(true);
    conTitulo_ = bolsa.LeerPropiedad(QStringLiteral("ConTitulo"), si).toBool();
    enabled_ = bolsa.LeerPropiedad(QStringLiteral("Enabled"), si).toBool();
    for (int i = 0; i < Cantidad; ++i) habilitados_[i] = bolsa.LeerPropiedad(QLatin1String(Definiciones[i].propiedadEnabled), si).toBool();
    for (int i = 0; i < Cantidad; ++i) visibles_[i] = bolsa.LeerPropiedad(QLatin1String(Definiciones[i].claveVisible), si).toBool();
    PedirRefresco();
}

void UtilCx::EscribirPropiedades(BolsaPropiedades& bolsa) const {
    const QVariant si(true);
    bolsa.EscribirPropiedad(QStringLiteral("ConTitulo"), conTitulo_, si);
    bolsa.EscribirPropiedad(QStringLiteral("Enabled"), enabled_, si);
    for (int i = 0; i < Cantidad; ++i) bolsa.EscribirPropiedad(QLatin1String(Definiciones[i].propiedadEnabled), habilitados_[i], si);
    for (int i = 0; i < Cantidad; ++i) bolsa.EscribirPropiedad(QLatin1String(Definiciones[i].claveVisible), visibles_[i], si);
}

void UtilCx::Acoplar() {
    // Along the top when wider than tall, else down the left side.
    const bool horizontal = width() > height();
    orientacion_ = horizontal ? Qt::Horizontal : Qt::Vertical;
    disposicion_->setDirection(horizontal ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    disposicionBarra_->setDirection(horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
}

void UtilCx::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    Acoplar();
    Refrescar();
}

void UtilCx::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    Acoplar();
}
