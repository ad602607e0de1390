// The synonym rewriting with its inputs spelled out, for DB_Dll::SS_TSinonimos and its tests.
#pragma once

#include <QString>

namespace basedatos {

struct ContextoSinonimos {
    bool esAdministrador = false;  // the signed-in user is an administrator
    bool confidencialidad = false;  // the company's confidentiality setting
    QString programa;               // the running executable's name, without extension
};

// The statement with "@Admin_" prefixes resolved and, for an ordinary user, the confidential
// tables named by their "SS_" synonyms. Only the SQL around quoted texts is looked at.
QString ReescribirSinonimos(const QString& sql, const ContextoSinonimos& contexto);

// The statement with every "@Admin_" prefix outside its quoted texts removed.
QString QuitarPrefijoAdmin(const QString& sql);

}  // namespace basedatos
