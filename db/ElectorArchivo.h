// The open-file dialog with which OpenLocalADODB asks for a database file. The window layer
// implements it (with the helper's DialogoArchivo) and app/ installs it; this library links no
// widgets.
#pragma once

#include <QString>
#include <optional>

namespace basedatos {

class ElectorArchivo {
public:
    virtual ~ElectorArchivo() = default;
    // The chosen file's path, or nullopt when the operator cancelled. `filtro` is in the
    // original's "Texto |*.ext" form.
    virtual std::optional<QString> ElegirArchivo(const QString& titulo, const QString& filtro) = 0;
};

// Installs the chooser (not owned); nullptr removes it. With none installed the choice counts
// as cancelled.
void InstalarElectorArchivo(ElectorArchivo* elector);
ElectorArchivo* ElectorArchivoInstalado();

}  // namespace basedatos
