#include "AparienciaVentana.h"

#include "ArchivoIni.h"
#include "Carpetas.h"
#include "DB_Dll.h"
#include "EjecutorPasos.h"
#include "EstadoAplicacion.h"
#include "Geometria.h"
#include "Procesos.h"
#include "Sistema.h"
#include "Texto.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QWidget>

#include <cmath>

namespace {

QIcon IconoPrograma() {
    for (const QString& carpeta : {plataforma::CarpetaEjecutable(), plataforma::CarpetaAplicacion()}) {
        const QString ruta = plataforma::RutaEnCarpeta(carpeta, QStringLiteral("corvex.png"));
        if (QFileInfo::exists(ruta)) return QIcon(ruta);
    }
    return QIcon();
}

}  // namespace

void AsignarIcono(QWidget* ventana) {
    if (!ventana) return;
    plataforma::EjecutarContinuando({
        [&] {
            ventana->setWindowIcon(IconoPrograma());
            if (ventana->windowIcon().isNull() && QFileInfo::exists(QStringLiteral("corvex.ico"))) ventana->setWindowIcon(QIcon(QStringLiteral("corvex.ico")));
        },
        [&] { return plataforma::IgualesSinMayusculas(QLatin1String(ventana->metaObject()->className()), QStringLiteral("FRMMDI")) ? plataforma::Flujo::Terminar : plataforma::Flujo::Siguiente; },
        [&] { Sistema().PrepararVentana(ventana); },
        [&] {
            for (const char* nombre : {"UtilCx1", "TBarRep1", "Util0011"}) {
                QObject* control = ventana->findChild<QObject*>(QLatin1String(nombre));
                if (control && control->metaObject()->indexOfProperty("StyleBar") >= 0) control->setProperty("StyleBar", Estado().gFlatToolbars);
            }
        },
        [] { plataforma::ProcesarEventosPendientes(); },
    });
}

QString ArchivoDeSkin(int estilo) {
    switch (estilo) {
        case 1: return QStringLiteral("Styles/Vista.qss");
        case 2: return QStringLiteral("Styles/WinXP.Luna.qss");
        case 3: return QStringLiteral("Styles/WinXP.Royale.qss");
        case 4: return QStringLiteral("Styles/iTunes/Normalitunes.qss");
        default: return QStringLiteral("Styles/Office2007.qss");
    }
}

QStringList CarpetasDeSkins() {
    const QString ejecutable = plataforma::CarpetaEjecutable();
    QStringList carpetas{plataforma::CarpetaAplicacion()};
    for (const QString& c : {ejecutable, QDir::cleanPath(ejecutable + QStringLiteral("/../share/velmora"))}) {
        if (!carpetas.contains(c)) carpetas << c;
    }
    return carpetas;
}

QString AplicarSkin(QWidget* ventana) {
    QString aplicada;
    if (!ventana) return aplicada;
    int estilo = 4;
    plataforma::EjecutarContinuando({
        [&] {
            const QString base = DB_Dll::Principal() ? DB_Dll::Principal()->gDBName : QString();
            const QString seccion = Sistema().NombreUsuarioSistema().toUpper() + QLatin1Char('_') + base.toUpper() + QStringLiteral("Styles");
            estilo = static_cast<int>(std::lround(plataforma::Val(ArchivoIni().LeerIni(QStringLiteral("velmora.ini"), seccion, QStringLiteral("Styles"), QStringLiteral("4")))));
        },
        [&] {
            for (const QString& carpeta : CarpetasDeSkins()) {
                QFile hoja(plataforma::RutaEnCarpeta(carpeta, ArchivoDeSkin(estilo)));
                if (!hoja.open(QIODevice::ReadOnly)) continue;
                ventana->setStyleSheet(QString::fromUtf8(hoja.readAll()));
                aplicada = hoja.fileName();
                return;
            }
        },
    });
    return aplicada;
}

void AsignarColorFondo(QWidget* caja, uint32_t color) {
    if (!caja) return;
    caja->setProperty("BackColor", static_cast<qulonglong>(color));
    caja->setStyleSheet(QStringLiteral("background-color: rgb(%1, %2, %3);")
                            .arg(plataforma::RojoVB(color))
                            .arg(plataforma::VerdeVB(color))
                            .arg(plataforma::AzulVB(color)));
}

uint32_t ColorFondo(const QWidget* caja) {
    const QVariant valor = caja ? caja->property("BackColor") : QVariant();
    return valor.isValid() ? static_cast<uint32_t>(valor.toULongLong()) : 0xFFFFFFu;
}
