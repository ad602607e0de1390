// Fuzz target: the INI reader on arbitrary Windows-1252 text; the first line names section and key.
#include "ArchivoIni.h"
#include "ArchivosAnsi.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t largo) {
    const QString texto = plataforma::DecodificarAnsi(QByteArray(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(largo)));
    const qsizetype salto = texto.indexOf(QLatin1Char('\n'));
    const QString pedido = salto < 0 ? texto : texto.left(salto);
    const qsizetype barra = pedido.indexOf(QLatin1Char('#'));
    const QString seccion = barra < 0 ? pedido : pedido.left(barra);
    const QString clave = barra < 0 ? QString() : pedido.mid(barra + 1);
    ArchivoIni::BuscarEnTexto(texto, seccion, clave, QStringLiteral("defecto"));
    return 0;
}
