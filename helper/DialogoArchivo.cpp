#include "DialogoArchivo.h"

#include <QApplication>
#include <QFileDialog>

QString DialogoArchivo::FiltroQt(const QString& filtro) {
    const QStringList partes = filtro.split(QLatin1Char('|'));
    QStringList resultado;
    for (qsizetype i = 0; i + 1 < partes.size(); i += 2) {
        QString descripcion = partes.at(i).trimmed();
        const QString patrones = QString(partes.at(i + 1)).replace(QLatin1Char(';'), QLatin1Char(' ')).trimmed();
        if (!descripcion.contains(QLatin1Char('('))) descripcion += QStringLiteral(" (%1)").arg(patrones);
        resultado.append(descripcion);
    }
    return resultado.join(QStringLiteral(";;"));
}

void DialogoArchivo::MostrarAbrir() {
    QFileDialog dialogo(QApplication::activeWindow(), titulo_);
    dialogo.setOption(QFileDialog::DontUseNativeDialog, true);
    dialogo.setFileMode(QFileDialog::ExistingFile);
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    if (!filtro_.isEmpty()) dialogo.setNameFilter(FiltroQt(filtro_));
    dialogo.setLabelText(QFileDialog::Accept, QStringLiteral("Abrir"));
    dialogo.setLabelText(QFileDialog::Reject, QStringLiteral("Cancelar"));
    dialogo.setLabelText(QFileDialog::LookIn, QStringLiteral("Buscar en:"));
    dialogo.setLabelText(QFileDialog::FileName, QStringLiteral("Nombre:"));
    dialogo.setLabelText(QFileDialog::FileType, QStringLiteral("Tipo:"));
    cancelado_ = dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty();
    nombre_ = cancelado_ ? QString() : dialogo.selectedFiles().first();
}
