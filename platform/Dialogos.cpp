#include "Dialogos.h"

#include "Carpetas.h"

#include <cstdio>

namespace plataforma {

QList<int> BotonesDeEstilo(int estiloCaja) {
    using namespace respuesta;
    switch (estiloCaja & 7) {
        case estilo::vbOKCancel: return {vbOK, vbCancel};
        case estilo::vbAbortRetryIgnore: return {vbAbort, vbRetry, vbIgnore};
        case estilo::vbYesNoCancel: return {vbYes, vbNo, vbCancel};
        case estilo::vbYesNo: return {vbYes, vbNo};
        case estilo::vbRetryCancel: return {vbRetry, vbCancel};
        default: return {vbOK};
    }
}

int RespuestaPorDefecto(int estiloCaja) {
    const QList<int> botones = BotonesDeEstilo(estiloCaja);
    int indice = 0;
    if (estiloCaja & estilo::vbDefaultButton3) indice = 2;
    else if (estiloCaja & estilo::vbDefaultButton2) indice = 1;
    return botones.value(indice, botones.first());
}

int RespuestaAlCerrar(int estiloCaja) {
    const QList<int> botones = BotonesDeEstilo(estiloCaja);
    if (botones.contains(respuesta::vbCancel)) return respuesta::vbCancel;
    if (botones == QList<int>{respuesta::vbOK}) return respuesta::vbOK;
    return 0;
}

QString TextoBoton(int r) {
    switch (r) {
        case respuesta::vbOK: return QStringLiteral("Aceptar");
        case respuesta::vbCancel: return QStringLiteral("Cancelar");
        case respuesta::vbAbort: return QStringLiteral("Anular");
        case respuesta::vbRetry: return QStringLiteral("Reintentar");
        case respuesta::vbIgnore: return QStringLiteral("Omitir");
        case respuesta::vbYes: return QStringLiteral("Sí");
        case respuesta::vbNo: return QStringLiteral("No");
        default: return QString();
    }
}

namespace {

class DialogosConsola final : public ServicioDialogos {
public:
    int MsgBox(const QString& texto, int estiloCaja, const QString& titulo) override {
        std::fprintf(stderr, "[%s] %s\n", qUtf8Printable(titulo), qUtf8Printable(texto));
        return RespuestaPorDefecto(estiloCaja);
    }
    QString InputBox(const QString& texto, const QString& titulo, const QString& defecto) override {
        std::fprintf(stderr, "[%s] %s\n", qUtf8Printable(titulo), qUtf8Printable(texto));
        return defecto;
    }
};

DialogosConsola consola;
ServicioDialogos* instalado = &consola;

}  // namespace

ServicioDialogos& Dialogos() { return *instalado; }

void InstalarDialogos(ServicioDialogos* servicio) { instalado = servicio ? servicio : &consola; }

int MsgBox(const QString& texto, int estiloCaja, const QString& titulo) {
    return Dialogos().MsgBox(texto, estiloCaja, titulo.isEmpty() ? NombreEjecutable() : titulo);
}

QString InputBox(const QString& texto, const QString& titulo, const QString& defecto) {
    return Dialogos().InputBox(texto, titulo.isEmpty() ? NombreEjecutable() : titulo, defecto);
}

}  // namespace plataforma
