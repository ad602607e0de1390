// The shell's routines that move one box's text into a recordset column and turn the database's
// failures during a save into the operator's messages; shared by every maintenance window.
#pragma once

#include "ErrorEjecucion.h"

#include <QString>
#include <cstdint>

namespace ado {
class Recordset;
}

// Stores `texto` in column `campo` of the current row, converted to the column's type: a short
// text column (under 30 characters) gets the text right-aligned to its width, a longer one the
// text trimmed, and a text that is blank becomes Null; numbers, money, flags and dates are
// converted. `campo` loses its brackets in the caller's variable. Errors reach the caller.
void AsignarCampo(ado::Recordset& registro, QString& campo, const QString& texto);

// A yes/no answer read from text. An empty `texto` becomes "0" in the caller's variable. With
// `porDefecto` true only "FALSE", "FALSO", "0", "NO" and "N" are false; with it false only
// "TRUE", "VERDADERO", "-1", "1", "SI" and "S" are true (case ignored).
bool ValorLogico(QString& texto, bool porDefecto);

// The operator's message for an error raised while saving: conversion errors, Null in a
// required column and duplicate keys get a box of their own (answer 0); anything else goes to
// the shell's error box, whose answer 4 (retry), 5 (go on) or 3 (leave) comes back, others as 0.
int16_t ErroresADO(const plataforma::ErrorEjecucion& error, const QString& campo);
