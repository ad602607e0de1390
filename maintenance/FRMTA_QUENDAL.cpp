#include "FRMTA_QUENDAL.h"

#include "AparienciaVentana.h"
#include "AyudaFormulario.h"
#include "ConsultaCompartida.h"
#include "Dialogos.h"
#include "EjecutorPasos.h"
#include "Geometria.h"
#include "Inicio.h"
#include "Sesiones.h"
#include "Teclas.h"
#include "Texto.h"
#include "UtilCx.h"
#include "Utilidades.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>

using plataforma::Pixeles;

namespace {

QRect Twips(int izquierda, int arriba, int ancho, int alto) {
    return QRect(Pixeles(izquierda), Pixeles(arriba), Pixeles(ancho), Pixeles(alto));
}

bool Es(const QString& palabra, const char* accion) { return plataforma::IgualesSinMayusculas(palabra, QLatin1String(accion)); }

}  // namespace

FRMTA_QUENDAL::FRMTA_QUENDAL(ConsultaCompartida* gConsulta, QWidget* padre) : QWidget(padre), gConsulta_(gConsulta) {
    setObjectName(QStringLiteral("FRMTA_QUENDAL"));
    setWindowTitle(QStringLiteral("Tipos de Vehiculos"));
    setFixedSize(Pixeles(6705), Pixeles(1950));

    UtilCx1 = new UtilCx(this);
    UtilCx1->setObjectName(QStringLiteral("UtilCx1"));
    UtilCx1->setGeometry(Twips(0, 0, 6735, 855));

    FrmDatos = new QFrame(this);
    FrmDatos->setObjectName(QStringLiteral("FrmDatos"));
    FrmDatos->setFrameShape(QFrame::StyledPanel);
    FrmDatos->setGeometry(Twips(15, 870, 6615, 1050));

    struct DefinicionCaja {
        const char* columna;
        const char* tag;
        QRect lugar;
        int largo;
    };
    const DefinicionCaja cajas[] = {
        {"codigo", "ta_quendal", Twips(1440, 240, 1095, 285), 4},
        {"descripcion", "", Twips(1440, 555, 5055, 285), 50},
    };
    for (int i = 0; i < 2; ++i) {
        auto* caja = new QLineEdit(FrmDatos);
        caja->setObjectName(QStringLiteral("txtFields_%1").arg(i));
        caja->setProperty("Index", i);
        caja->setProperty("DataField", QString::fromLatin1(cajas[i].columna));
        caja->setProperty("Tag", QString::fromLatin1(cajas[i].tag));
        caja->setGeometry(cajas[i].lugar);
        caja->setMaxLength(cajas[i].largo);
        // The right button runs the lookup: no context menu.
        caja->setContextMenuPolicy(Qt::PreventContextMenu);
        caja->installEventFilter(this);
        txtFields[static_cast<size_t>(i)] = caja;
    }
    setTabOrder(txtFields[0], txtFields[1]);

    auto etiqueta = [this](int indice, const QString& texto, const QRect& lugar) {
        auto* l = new QLabel(texto, FrmDatos);
        l->setObjectName(QStringLiteral("lblLabels_%1").arg(indice));
        l->setGeometry(lugar);
        lblLabels[static_cast<size_t>(indice)] = l;
    };
    etiqueta(6, QStringLiteral("Código:"), Twips(240, 240, 1095, 255));
    etiqueta(8, QStringLiteral("Descripcion:"), Twips(240, 555, 1095, 255));
    // Below the frame's visible area: they exist and are never seen.
    etiqueta(10, QStringLiteral("Sistema"), Twips(240, 3240, 1095, 255));
    etiqueta(3, QStringLiteral("Fotografia"), Twips(240, 3480, 1095, 255));

    connect(UtilCx1, &UtilCx::click, this, [this](const QString& BTag) {
        ++manejadoresActivos_;
        try {
            UtilCx1_click(BTag);
        } catch (...) {
            --manejadoresActivos_;
            throw;
        }
        --manejadoresActivos_;
    });
    installEventFilter(this);
}

FRMTA_QUENDAL::~FRMTA_QUENDAL() = default;

QLineEdit* FRMTA_QUENDAL::Caja(int index) const {
    return index >= 0 && index < static_cast<int>(txtFields.size()) ? txtFields[static_cast<size_t>(index)] : nullptr;
}

int FRMTA_QUENDAL::IndiceDe(const QObject* objeto) const {
    for (size_t i = 0; i < txtFields.size(); ++i) {
        if (txtFields[i] == objeto) return static_cast<int>(i);
    }
    return -1;
}

void FRMTA_QUENDAL::Form_Load() {
    AsignarIcono(this);
    QString connString;
    InicioAplicacion(false, QString(), connString, 3);
    AplicarSkin(this);
    if (gConsulta_) gConsulta_->AsignarConexion(SesionDB().gConnString);
    const Utilidades utilidades;
    utilidades.UbicarVentana(this, false);
    AsignarIcono(this);
    utilidades.RestaurarPuntero(0);
    Inicializa();
    txtFields[0]->setSelection(0, static_cast<int>(txtFields[0]->text().trimmed().size()));
}

void FRMTA_QUENDAL::Inicializa() {
    const AyudaFormulario ayuda;
    Nuevo = false;
    Baja = false;
    Modificacion = false;
    TablaActiva = QStringLiteral("TA_QUENDAL");
    AbrirRecordset(TablaActiva);
    ayuda.LimpiarCampos(this);
    ayuda.ConfigurarCampos(AyudaFormulario::Cajas(this), TablaActiva, SesionDB().gConnString);
    InicializaDetalle();
    const int indice = ayuda.IndiceCampo(QStringLiteral("codigo"), AyudaFormulario::Cajas(this));
    const double ultimo = SesionDB().BuscaUltimoCodigo(QStringLiteral("ta_quendal"), QStringLiteral("codigo"), 8, QString()).toDouble();
    if (QLineEdit* caja = Caja(indice)) {
        // A code that does not fit the box is not proposed: cut short it would name another record.
        const QString siguiente = QString::number(static_cast<qint64>(ultimo) + 1);
        caja->setText(siguiente.size() <= caja->maxLength() ? siguiente : QString());
    }
    DetalleOn(false);
}

void FRMTA_QUENDAL::InicializaDetalle() { AyudaFormulario().LimpiarCampos(this, 1); }

void FRMTA_QUENDAL::DetalleOn(bool Off) {
    for (QLineEdit* caja : AyudaFormulario::Cajas(this)) caja->setEnabled(Off);
    if (!Off) txtFields[0]->setEnabled(true);
    UtilCx1->NuevoEnabled(!Off);
    UtilCx1->CancelarEnabled(Off);
    UtilCx1->BorrarEnabled(Off);
    UtilCx1->GrabarEnabled(Off);
    UtilCx1->CerrarEnabled(!Off);
}

void FRMTA_QUENDAL::FocoEnCodigo() {
    QLineEdit* codigo = txtFields[0];
    codigo->setFocus(Qt::OtherFocusReason);
    codigo->setSelection(0, static_cast<int>(codigo->text().size()));
}

void FRMTA_QUENDAL::UtilCx1_click(const QString& BTag) {
    const QString palabra = BTag.toUpper();
    if (Es(palabra, "NUEVO")) {
        Inicializa();
        Nuevo = true;
        Baja = false;
        Modificacion = false;
        FocoEnCodigo();
    } else if (Es(palabra, "BORRAR")) {
        using namespace plataforma::estilo;
        const int respuesta = plataforma::MsgBox(QStringLiteral("Confirma la baja de este registro?"), vbYesNo + vbExclamation + vbDefaultButton2,
                                                 QStringLiteral("Atención!"));
        if (respuesta != plataforma::respuesta::vbYes) return;
        Nuevo = false;
        Baja = true;
        Modificacion = false;
        GrabarRegistro();
        if (!HayError) {
            Inicializa();
            FocoEnCodigo();
        }
    } else if (Es(palabra, "GRABAR")) {
        Grabando = true;
        try {
            if (Datosvalidos()) {
                GrabarRegistro();
                if (!HayError) {
                    Inicializa();
                    FocoEnCodigo();
                }
            }
        } catch (...) {
            Grabando = false;
            throw;
        }
        Grabando = false;
    } else if (Es(palabra, "CONSULTAR")) {
        ConsultarCampo();
    } else if (Es(palabra, "CERRAR")) {
        // Never from inside the handler that raised the word: the window closes once it returns,
        // and takes no more keys meanwhile.
        cerrando_ = true;
        CerrarCuandoLibre();
    } else if (Es(palabra, "CANCELAR")) {
        Inicializa();
        FocoEnCodigo();
        Grabando = false;
    }
    // "PLANILLA", "REPORTE" and any other word: nothing.
}

void FRMTA_QUENDAL::Form_KeyDown(int KeyCode, int) { UtilCx1->KeyAnalisis(KeyCode); }

// The unload releases the connection: it waits until no handler of the window is running (one
// may be letting pending events run in the middle of its database work).
void FRMTA_QUENDAL::CerrarCuandoLibre() {
    QTimer::singleShot(0, this, [this] {
        if (manejadoresActivos_ > 0) CerrarCuandoLibre();
        else close();
    });
}

void FRMTA_QUENDAL::closeEvent(QCloseEvent* evento) {
    if (manejadoresActivos_ > 0) {
        evento->ignore();
        CerrarCuandoLibre();
        return;
    }
    int Cancel = 0;
    Form_Unload(Cancel);
    if (Cancel != 0) {
        evento->ignore();
        return;
    }
    QWidget::closeEvent(evento);
}

void FRMTA_QUENDAL::Form_Unload(int&) {
    if (descargada_) return;
    descargada_ = true;
    plataforma::EjecutarContinuando({
        [] { Utilidades().RestaurarPuntero(0); },
        [this] { SesionDB().CierraRecordset(Registro); },
        [] { FinalizarAplicacion(); },
        [this] { hide(); },
        [] { QCoreApplication::quit(); },
    });
}

bool FRMTA_QUENDAL::eventFilter(QObject* objeto, QEvent* evento) {
    const int index = IndiceDe(objeto);
    struct EnManejador {
        int& activos;
        explicit EnManejador(int& a) : activos(a) { ++activos; }
        ~EnManejador() { --activos; }
    } enManejador(manejadoresActivos_);
    switch (evento->type()) {
        case QEvent::KeyPress:
            if (cerrando_) return true;
            if (index >= 0 || objeto == this) return TeclaPulsada(index, static_cast<QKeyEvent*>(evento));
            break;
        case QEvent::FocusIn:
        case QEvent::FocusOut: {
            if (index < 0) break;
            const Qt::FocusReason razon = static_cast<QFocusEvent*>(evento)->reason();
            const bool otraVentana = razon == Qt::ActiveWindowFocusReason || razon == Qt::PopupFocusReason;
            if (evento->type() == QEvent::FocusOut) {
                // Another window (a message box) taking the keyboard is no loss of focus.
                if (otraVentana) {
                    cajaPrestada_ = index;
                } else {
                    cajaPrestada_ = -1;
                    txtFields_LostFocus(index);
                }
            } else if (!(otraVentana && index == cajaPrestada_)) {
                // The box that lent the keyboard may have been left meanwhile: it loses it now.
                if (cajaPrestada_ >= 0 && cajaPrestada_ != index) txtFields_LostFocus(cajaPrestada_);
                cajaPrestada_ = -1;
                txtFields_GotFocus(index);
            } else {
                cajaPrestada_ = -1;
            }
            break;
        }
        case QEvent::MouseButtonPress:
            if (index >= 0 && cerrando_) return true;
            if (index >= 0) {
                const auto* raton = static_cast<QMouseEvent*>(evento);
                const int boton = raton->button() == Qt::RightButton ? 2 : raton->button() == Qt::MiddleButton ? 4 : 1;
                const QPoint punto = raton->position().toPoint();
                txtFields_MouseDown(index, boton, plataforma::EstadoMayusculas(raton->modifiers()), plataforma::Twips(punto.x()),
                                    plataforma::Twips(punto.y()));
                if (boton == 2) return true;
            }
            break;
        default:
            break;
    }
    return QWidget::eventFilter(objeto, evento);
}

// The window's key handling first, then the box's, then the character filter; the keys the
// window acts on never reach the box's own editing.
bool FRMTA_QUENDAL::TeclaPulsada(int index, QKeyEvent* tecla) {
    const int KeyCode = plataforma::CodigoTecla(tecla->key());
    const int Shift = plataforma::EstadoMayusculas(static_cast<int>(tecla->modifiers()));
    QLineEdit* caja = Caja(index);
    Form_KeyDown(KeyCode, Shift);
    // When the window's handling moved the focus elsewhere, the key no longer belongs to the box.
    if (caja && focusWidget() == caja) txtFields_KeyDown(index, KeyCode, Shift);
    const bool propiaDeLaVentana = KeyCode == plataforma::tecla::vbKeyReturn || KeyCode == plataforma::tecla::vbKeyEscape ||
                                   (KeyCode >= plataforma::tecla::vbKeyF1 && KeyCode <= plataforma::tecla::vbKeyF12);
    if (propiaDeLaVentana) return true;
    if (!caja || focusWidget() != caja) return false;
    return AyudaFormulario().FiltrarEvento(caja, tecla);
}

void FRMTA_QUENDAL::ConsultarCampo() {
    QLineEdit* caja = Caja(IndiceActual);
    if (!caja) return;
    const QString tabla = caja->property("Tag").toString();
    if (tabla.trimmed().isEmpty()) return;
    Q_EMIT consultaPedida(tabla);
}
