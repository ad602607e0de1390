// Choosing, finding and cutting the icon strips.
#include "IconosUtilCx.h"

#include "ArchivoIni.h"
#include "BotonesUtilCx.h"
#include "Carpetas.h"
#include "DibujoIconos.h"
#include "Sistema.h"

#include <QFileInfo>
#include <QPixmap>
#include <QStyle>

namespace iconos_utilcx {

QString ArchivoDeEstilo(const QString& estilo) {
    if (estilo == QLatin1String("1")) return QStringLiteral("ABM2021B.bmp");
    if (estilo == QLatin1String("2")) return QStringLiteral("ABM2021M.bmp");
    if (estilo == QLatin1String("3")) return QStringLiteral("ABM2021V.bmp");
    if (estilo == QLatin1String("4")) return QStringLiteral("ABM2021i.bmp");
    return QStringLiteral("ABM2021.bmp");
}

QString EstiloDelUsuario() {
    return ArchivoIni().LeerIni(QStringLiteral("velmora.ini"), Sistema().NombreUsuarioSistema().toUpper() + QLatin1String("Styles"),
                                QStringLiteral("Styles"), QStringLiteral("1"));
}

QList<QIcon> CortarTira(const QImage& tira) {
    if (tira.isNull() || tira.width() < botones_utilcx::Cantidad) return {};
    const int ancho = tira.width() / botones_utilcx::Cantidad;
    QImage conAlfa = tira.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < conAlfa.height(); ++y) {
        auto* linea = reinterpret_cast<QRgb*>(conAlfa.scanLine(y));
        for (int x = 0; x < conAlfa.width(); ++x)
            if ((linea[x] | 0xFF000000) == dibujo_iconos::ColorTransparente) linea[x] = 0;
    }
    QList<QIcon> iconos;
    for (int i = 0; i < botones_utilcx::Cantidad; ++i) iconos << QIcon(QPixmap::fromImage(conAlfa.copy(i * ancho, 0, ancho, conAlfa.height())));
    return iconos;
}

QList<QIcon> IconosEstandar(const QStyle* estilo) {
    // In button order: new, delete, report, lookup, spreadsheet, cancel, save, close.
    static constexpr QStyle::StandardPixmap Estandar[botones_utilcx::Cantidad] = {
        QStyle::SP_FileIcon, QStyle::SP_TrashIcon, QStyle::SP_FileDialogDetailedView, QStyle::SP_FileDialogContentsView,
        QStyle::SP_FileDialogListView, QStyle::SP_DialogCancelButton, QStyle::SP_DialogSaveButton, QStyle::SP_DialogCloseButton};
    QList<QIcon> iconos;
    for (QStyle::StandardPixmap sp : Estandar) iconos << (estilo ? estilo->standardIcon(sp) : QIcon());
    return iconos;
}

Iconos CargarIconos(const QString& archivo, const QStringList& carpetas, const QStyle* estilo) {
    for (const QString& carpeta : carpetas) {
        const QString ruta = plataforma::RutaEnCarpeta(carpeta, archivo);
        if (!QFileInfo::exists(ruta)) continue;
        QList<QIcon> iconos = CortarTira(QImage(ruta));
        if (!iconos.isEmpty()) return {iconos, ruta};
    }
    return {IconosEstandar(estilo), QString()};
}

QStringList CarpetasDeTiras() {
    QStringList carpetas{plataforma::CarpetaAplicacion()};
    const QString ejecutable = plataforma::CarpetaEjecutable();
    if (QFileInfo(ejecutable) != QFileInfo(carpetas.first())) carpetas << ejecutable;
    return carpetas;
}

}  // namespace iconos_utilcx
