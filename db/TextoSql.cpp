// Scanning of quoted texts in SQL statements, shared by the dialect translation, the script
// splitter and the synonym rewriting.
#include "TextoSql.h"

#include "Texto.h"

namespace basedatos {

std::vector<LiteralSql> LiteralesDe(const QString& sql) {
    std::vector<LiteralSql> literales;
    const qsizetype n = sql.size();
    qsizetype i = 0;
    while (i < n) {
        if (sql.at(i) != QLatin1Char('\'')) {
            ++i;
            continue;
        }
        LiteralSql literal;
        literal.inicio = i;
        literal.cerrado = false;
        ++i;
        while (i < n) {
            if (sql.at(i) == QLatin1Char('\'')) {
                if (i + 1 < n && sql.at(i + 1) == QLatin1Char('\'')) {
                    i += 2;
                    continue;
                }
                ++i;
                literal.cerrado = true;
                break;
            }
            ++i;
        }
        literal.largo = i - literal.inicio;
        literales.push_back(literal);
    }
    return literales;
}

QString ContenidoDe(const QString& sql, const LiteralSql& literal) {
    const qsizetype quitar = literal.cerrado ? 2 : 1;
    QString contenido = sql.mid(literal.inicio + 1, literal.largo - quitar);
    return contenido.replace(QStringLiteral("''"), QStringLiteral("'"));
}

std::vector<bool> MapaDeLiterales(const QString& sql) {
    std::vector<bool> mapa(static_cast<size_t>(sql.size()), false);
    for (const LiteralSql& literal : LiteralesDe(sql)) {
        for (qsizetype i = literal.inicio; i < literal.inicio + literal.largo; ++i) mapa[static_cast<size_t>(i)] = true;
    }
    return mapa;
}

qsizetype BuscarFueraDeLiterales(const QString& sql, const std::vector<bool>& mapa, const QString& buscado,
                                 qsizetype desde) {
    qsizetype p = plataforma::BuscarSinMayusculas(sql, buscado, desde);
    while (p >= 0 && mapa[static_cast<size_t>(p)]) {
        // Jump over the rest of the quoted text, so a long one is not searched again and again.
        while (p < sql.size() && mapa[static_cast<size_t>(p)]) ++p;
        p = plataforma::BuscarSinMayusculas(sql, buscado, p);
    }
    return p;
}

qsizetype BuscarFueraDeLiterales(const QString& sql, const QString& buscado, qsizetype desde) {
    return BuscarFueraDeLiterales(sql, MapaDeLiterales(sql), buscado, desde);
}

bool ContieneFueraDeLiterales(const QString& sql, const QString& buscado) {
    return BuscarFueraDeLiterales(sql, buscado) >= 0;
}

QString ReemplazarFueraDeLiterales(const QString& sql, const QString& que, const QString& por) {
    if (que.isEmpty() || !sql.contains(que, Qt::CaseInsensitive)) return sql;
    QString resultado;
    resultado.reserve(sql.size());
    qsizetype desde = 0;
    for (const LiteralSql& literal : LiteralesDe(sql)) {
        const QString entre = sql.mid(desde, literal.inicio - desde);
        QString reemplazado = plataforma::ReemplazarSinMayusculas(entre, que, por);
        // Two quoted texts that the removal would bring together would read as one.
        if (desde > 0 && !entre.isEmpty() && reemplazado.isEmpty()) reemplazado = QStringLiteral(" ");
        resultado += reemplazado;
        resultado += sql.mid(literal.inicio, literal.largo);
        desde = literal.inicio + literal.largo;
    }
    resultado += plataforma::ReemplazarSinMayusculas(sql.mid(desde), que, por);
    return resultado;
}

}  // namespace basedatos
