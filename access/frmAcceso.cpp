#include "frmAcceso.h"

#include "Apariencia.h"
#include "ArchivoBases.h"
#include "ArchivoIni.h"
#include "Carpetas.h"
#include "Dialogos.h"
#include "EjecutorPasos.h"
#include "EstadoAplicacion.h"
#include "Geometria.h"
#include "Lanzamiento.h"
#include "MensajeError.h"
#include "Teclas.h"
#include "Utilidades.h"
#include "UtilidadesShell.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>

using plataforma::Pixeles;

namespace {

QRect Twips(int izquierda, int arriba, int ancho, int alto) {
    return QRect(Pixeles(izquierda), Pixeles(arriba), Pixeles(ancho), Pixeles(alto));
}

QLabel* Etiqueta(QWidget* padre, const QString& texto, const QRect& lugar, bool negrita = false) {
    auto* etiqueta = new QLabel(texto, padre);
    etiqueta->setGeometry(lugar);
    if (negrita) {
        QFont fuente = etiqueta->font();
        fuente.setBold(true);
        etiqueta->setFont(fuente);
    }
    return etiqueta;
}

QLineEdit* Caja(QWidget* padre, const char* nombre, const QString& ayuda, const QRect& lugar) {
    auto* caja = new QLineEdit(padre);
    caja->setObjectName(QString::fromLatin1(nombre));
    caja->setToolTip(ayuda);
    caja->setGeometry(lugar);
    return caja;
}

QPushButton* Boton(QWidget* padre, const char* nombre, const QString& texto, const QRect& lugar, bool negrita = false) {
    auto* boton = new QPushButton(texto, padre);
    boton->setObjectName(QString::fromLatin1(nombre));
    boton->setGeometry(lugar);
    // Enter moves along the boxes and never presses a button by itself.
    boton->setAutoDefault(false);
    boton->setDefault(false);
    if (negrita) {
        QFont fuente = boton->font();
        fuente.setBold(true);
        boton->setFont(fuente);
    }
    return boton;
}

}  // namespace

frmAcceso::frmAcceso(QWidget* padre) : QDialog(padre) {
    setObjectName(QStringLiteral("frmAcceso"));
    setWindowTitle(QStringLiteral("Control de Acceso"));
    setModal(true);
    setFixedSize(Pixeles(8685), Pixeles(4695));

    auto* titulo = Etiqueta(this, QStringLiteral("Control de Acceso"), Twips(0, 0, 8775, 375), true);
    titulo->setAlignment(Qt::AlignCenter);
    Label7 = Etiqueta(this, QStringLiteral("Zentopol"), Twips(0, 360, 8775, 735));
    Label7->setFont(plataforma::FuenteAplicacion(24, true));
    Label7->setAlignment(Qt::AlignCenter);
    Label8 = Etiqueta(this, DireccionEnlace(), Twips(0, 900, 8775, 255));
    Label8->setObjectName(QStringLiteral("Label8"));
    Label8->setAlignment(Qt::AlignCenter);
    Label8->setCursor(Qt::PointingHandCursor);
    Label8->setStyleSheet(QStringLiteral("color: #0000c0; text-decoration: underline;"));
    Label8->installEventFilter(this);
    Etiqueta(this, QStringLiteral("AUTENTICACION"), Twips(240, 1200, 4575, 255), true);
    Etiqueta(this, QStringLiteral("Conexiones registradas"), Twips(5040, 1200, 3375, 255), true);

    auto* framAcceso = new QFrame(this);
    framAcceso->setObjectName(QStringLiteral("framAcceso"));
    framAcceso->setFrameShape(QFrame::StyledPanel);
    framAcceso->setGeometry(Twips(120, 1440, 4695, 2340));
    Etiqueta(framAcceso, QStringLiteral("Usuario"), Twips(240, 240, 975, 255));
    TxtUserId = Caja(framAcceso, "TxtUserId", QStringLiteral("Ingrese el nombre de usuario"), Twips(1440, 240, 3135, 285));
    Etiqueta(framAcceso, QStringLiteral("Contraseña"), Twips(240, 600, 975, 255));
    TxtUserPassword = Caja(framAcceso, "TxtUserPassword", QStringLiteral("Ingrese la contraseña"), Twips(1440, 600, 3135, 285));
    TxtUserPassword->setEchoMode(QLineEdit::Password);
    Etiqueta(framAcceso, QStringLiteral("Base de datos"), Twips(240, 960, 1215, 255));
    TxtDbName = Caja(framAcceso, "TxtDbName", QStringLiteral("ingrese el nombre de la base de datos"), Twips(1440, 960, 3135, 285));
    Etiqueta(framAcceso, QStringLiteral("Servidor"), Twips(240, 1320, 975, 255));
    TxtServidor = Caja(framAcceso, "TxtServidor", QStringLiteral("ingrese el nombre del servidor e instancia"), Twips(1440, 1320, 3135, 285));
    Etiqueta(framAcceso, QStringLiteral("Plataforma"), Twips(240, 1920, 975, 255));
    CboPlataformaDB = new QComboBox(framAcceso);
    CboPlataformaDB->setObjectName(QStringLiteral("CboPlataformaDB"));
    CboPlataformaDB->addItems({QStringLiteral("SQL Server"), QStringLiteral("ORACLE")});
    CboPlataformaDB->setGeometry(Twips(1425, 1890, 2190, 315));
    TxtPuerto = Caja(framAcceso, "TxtPuerto", QStringLiteral("Ingrese el Puerto "), Twips(3840, 1920, 735, 285));
    TxtPuerto->setText(QStringLiteral("1433"));

    lstBases = new QListWidget(this);
    lstBases->setObjectName(QStringLiteral("lstBases"));
    lstBases->setGeometry(Twips(5040, 1440, 3375, 1980));
    CmdRegistrar = Boton(this, "CmdRegistrar", QStringLiteral("Registrar"), Twips(5040, 3480, 1095, 255));
    CmdLineaComando = Boton(this, "CmdLineaComando", QStringLiteral("Crear Acceso Directo"), Twips(6360, 3480, 1950, 255));
    auto* Line1 = new QFrame(this);
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    Line1->setGeometry(Pixeles(240), Pixeles(3960) - 1, Pixeles(8400 - 240), 2);
    bcAceptar = Boton(this, "bcAceptar", QStringLiteral("Conectar"), Twips(2527, 4200, 1590, 375), true);
    bcCancelar = Boton(this, "bcCancelar", QStringLiteral("Cancelar"), Twips(4567, 4200, 1590, 372), true);

    setTabOrder(TxtUserId, TxtUserPassword);
    setTabOrder(TxtUserPassword, TxtDbName);
    setTabOrder(TxtDbName, TxtServidor);
    setTabOrder(TxtServidor, CboPlataformaDB);
    setTabOrder(CboPlataformaDB, TxtPuerto);
    setTabOrder(TxtPuerto, bcAceptar);

    for (QLineEdit* caja : {TxtUserId, TxtUserPassword, TxtDbName, TxtServidor}) caja->installEventFilter(this);
    for (QLineEdit* caja : {TxtUserPassword, TxtDbName, TxtServidor}) {
        connect(caja, &QLineEdit::textChanged, this, [this, caja] { MensajeInicial(caja); });
    }
    lstBases->installEventFilter(this);
    connect(lstBases, &QListWidget::itemClicked, this, [this] { AsignarDatosBase(); });
    connect(lstBases, &QListWidget::itemDoubleClicked, this, [this] { lstBases_DblClick(); });
    connect(bcAceptar, &QPushButton::clicked, this, &frmAcceso::bcAceptar_Click);
    connect(bcCancelar, &QPushButton::clicked, this, &frmAcceso::bcCancelar_Click);
    connect(CmdRegistrar, &QPushButton::clicked, this, &frmAcceso::CmdRegistrar_Click);
    connect(CmdLineaComando, &QPushButton::clicked, this, &frmAcceso::CmdLineaComando_Click);

    if (const QScreen* pantalla = QGuiApplication::primaryScreen()) {
        const QRect area = pantalla->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    llenarlist();
}

void frmAcceso::showEvent(QShowEvent* evento) {
    // The callers fill the boxes between creating the window and showing it: the hints go in then.
    for (QLineEdit* caja : {TxtUserId, TxtUserPassword, TxtDbName, TxtServidor}) MensajeInicial(caja);
    QDialog::showEvent(evento);
}

QString frmAcceso::Pista(const QLineEdit* caja, const frmAcceso& v) {
    if (caja == v.TxtUserId) return QStringLiteral("Ingrese el usuario");
    if (caja == v.TxtDbName) return QStringLiteral("ingrese el nombre de la base de datos");
    if (caja == v.TxtServidor) return QStringLiteral("ingrese el nombre del servidor e instancia");
    return QString();
}

QString frmAcceso::DireccionEnlace() {
    return ArchivoIni().LeerIni(QStringLiteral("Velmora.INI"), QStringLiteral("Acceso"), QStringLiteral("Enlace"), QString());
}

void frmAcceso::MensajeInicial(QLineEdit* caja) {
    const QString pista = Pista(caja, *this);
    const QString texto = caja->text();
    if (!texto.trimmed().isEmpty() && texto != pista) return;
    if (texto != pista) {
        const QSignalBlocker bloqueo(caja);  // setting the hint is no change of the operator's
        caja->setText(pista);
    }
    // Selected from the start with the cursor at the start, so a long hint shows its beginning.
    const int largo = static_cast<int>(pista.trimmed().size());
    caja->setCursorPosition(largo);
    caja->cursorBackward(true, largo);
    caja->update();
}

bool frmAcceso::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == Label8 && evento->type() == QEvent::MouseButtonRelease) {
        AbrirEnlaceConfigurado();
        return true;
    }
    if (objeto == lstBases && evento->type() == QEvent::KeyRelease) {
        AsignarDatosBase();
        return false;
    }
    auto* caja = qobject_cast<QLineEdit*>(objeto);
    if (!caja) return QDialog::eventFilter(objeto, evento);
    if (evento->type() == QEvent::FocusIn) {
        if (caja == TxtUserId) MensajeInicial(caja);
        // However the box got the focus (click, Tab, Enter), a hint it shows is selected, so that
        // typing replaces it; after Qt has placed the cursor for the click.
        if (!Pista(caja, *this).isEmpty() && caja->text() == Pista(caja, *this)) {
            QTimer::singleShot(0, caja, [caja] { caja->selectAll(); });
        }
    } else if (evento->type() == QEvent::KeyPress) {
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        if (plataforma::CodigoTecla(tecla->key()) == plataforma::tecla::vbKeyReturn) {
            QWidget* siguiente = caja == TxtUserId ? static_cast<QWidget*>(TxtUserPassword)
                                 : caja == TxtUserPassword ? static_cast<QWidget*>(TxtDbName)
                                 : caja == TxtDbName ? static_cast<QWidget*>(TxtServidor)
                                 : caja == TxtServidor ? static_cast<QWidget*>(bcAceptar)
                                                       : nullptr;
            if (siguiente) {
                siguiente->setFocus(Qt::TabFocusReason);
                return true;  // the dialog never sees Enter: no button is pressed by it
            }
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void frmAcceso::llenarlist() {
    std::vector<ConexionRegistrada> registros;
    plataforma::EjecutarPasos(
        {
            [&] {
                lstBases->clear();
                if (ExisteArchivo(RutaArchivoBases())) registros = LeerConexiones(RutaArchivoBases());
            },
            [&] {
                for (const ConexionRegistrada& r : registros) {
                    if (!r.nombre.trimmed().isEmpty()) lstBases->addItem(r.nombre);
                }
                if (lstBases->count() > 0) lstBases->setCurrentRow(0);
            },
        },
        [](const plataforma::ErrorEjecucion& e) { return plataforma::RespuestaDesdeCodigo(MensajeError(e, std::nullopt, QStringLiteral("FormLoad"))); });
}

void frmAcceso::DatosBase(const QString& nombre) {
    plataforma::EjecutarPasos({[&] {
                                   if (!ExisteArchivo(RutaArchivoBases())) return;
                                   for (const ConexionRegistrada& r : LeerConexiones(RutaArchivoBases())) {
                                       if (r.nombre.trimmed() == nombre.trimmed()) {
                                           baseEncontrada_ = r.base;
                                           servidorEncontrado_ = r.servidor;
                                           return;
                                       }
                                   }
                               }},
                              [](const plataforma::ErrorEjecucion& e) {
                                  MensajeError(e, std::nullopt, QStringLiteral("DatosBase"));
                                  return plataforma::Respuesta::Salir;
                              });
}

void frmAcceso::AsignarDatosBase() {
    const QListWidgetItem* elegido = lstBases->currentItem();
    if (!elegido) return;
    DatosBase(elegido->text().trimmed());
    QString servidor = servidorEncontrado_;
    const qsizetype dosPuntos = servidor.indexOf(QLatin1Char(':'));
    if (dosPuntos >= 0) {
        puertoRecordado_ = servidor.mid(dosPuntos + 1);
        const QString limpio = servidor.toUpper().trimmed();
        servidor = limpio.left(limpio.indexOf(QLatin1Char(':')));
    }
    TxtServidor->setText(servidor);
    TxtUserId->clear();
    TxtUserPassword->clear();
    TxtDbName->setText(baseEncontrada_);
    TxtPuerto->setText(puertoRecordado_);
}

void frmAcceso::lstBases_DblClick() {
    AsignarDatosBase();
    bcAceptar_Click();
}

void frmAcceso::bcAceptar_Click() {
    Estado().gNombreUsuario = TxtUserId->text();
    Estado().gClaveUsuario = TxtUserPassword->text();
    Aceptar = true;
    RegistrarBases();
    hide();
    done(QDialog::Accepted);
}

void frmAcceso::bcCancelar_Click() {
    Aceptar = false;
    hide();
    done(QDialog::Rejected);
}

void frmAcceso::RegistrarBases() {
    if (!ExisteArchivo(RutaArchivoBases())) CmdRegistrar_Click();
}

void frmAcceso::AbrirEnlaceConfigurado() {
    const QString direccion = DireccionEnlace().trimmed();
    if (direccion.isEmpty()) return;
    try {
        AbrirEnlace(direccion, true);
    } catch (const plataforma::ErrorRuntime&) {
        plataforma::MsgBox(QStringLiteral("No se pudo abrir la dirección ") + direccion, plataforma::estilo::vbExclamation, QStringLiteral("Atencion"));
    }
}

void frmAcceso::CmdLineaComando_Click() {
    if (!CrearAccesoDirecto()) {
        plataforma::MsgBox(QStringLiteral("No se pudo crear el acceso directo en el escritorio."), plataforma::estilo::vbExclamation,
                           QStringLiteral("Atencion"));
    }
}

bool frmAcceso::CrearAccesoDirecto(const QString& carpetaEscritorio) {
    QString escritorio = carpetaEscritorio;
    if (escritorio.isEmpty()) escritorio = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (escritorio.isEmpty() || !QDir().mkpath(escritorio)) return false;
    const QString nombre = plataforma::NombreEjecutable().trimmed();
    const QString programa = plataforma::CarpetaEjecutable() + QLatin1Char('/') + nombre;
    const QString icono = plataforma::CarpetaEjecutable() + QStringLiteral("/corvex.png");
    QSaveFile archivo(escritorio + QLatin1Char('/') + nombre + QStringLiteral(".desktop"));
    if (!archivo.open(QIODevice::WriteOnly)) return false;
    const QString texto = QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=\"%2\"\nIcon=%3\nTerminal=false\n").arg(nombre, programa, icono);
    archivo.write(texto.toUtf8());
    if (!archivo.commit()) return false;
    QFile::setPermissions(archivo.fileName(), QFile::permissions(archivo.fileName()) | QFileDevice::ExeOwner);
    return true;
}
