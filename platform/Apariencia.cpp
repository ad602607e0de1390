#include "Apariencia.h"

#include "Geometria.h"
#include "Regional.h"

#include <QApplication>

namespace plataforma {

QFont FuenteAplicacion() {
    QFont fuente(QStringLiteral("DejaVu Sans"));
    fuente.setStyleHint(QFont::SansSerif);
    fuente.setPixelSize(11);
    return fuente;
}

QFont FuenteAplicacion(int puntos, bool negrita) {
    QFont fuente = FuenteAplicacion();
    fuente.setPixelSize(qRound(puntos * 96.0 / 72.0 * 0.97));
    fuente.setBold(negrita);
    return fuente;
}

void PrepararAplicacion() {
    FijarConfiguracionRegional();
    QApplication::setFont(FuenteAplicacion());
}

QColor ColorDesdeVB(uint32_t color) { return QColor(RojoVB(color), VerdeVB(color), AzulVB(color)); }

uint32_t ColorAVB(const QColor& color) { return ColorVB(color.red(), color.green(), color.blue()); }

}  // namespace plataforma
