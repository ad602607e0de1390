// The eight fixed buttons of the action toolbar, in the order they sit on the bar, in the icon
// strips and in the stored properties: id, caption (leading blanks are part of it), the names of
// their two properties and the key that raises their word.
#pragma once

#include "Teclas.h"

#include <array>

namespace botones_utilcx {

// Position of a button on the bar (and of its icon in a strip).
enum Boton : int { Nuevo, Borrar, Reporte, Consultar, Planilla, Cancelar, Grabar, Cerrar };
inline constexpr int Cantidad = 8;

struct DefinicionBoton {
    int id;
    const char* titulo;
    const char* propiedadEnabled;  // property name and stored key
    const char* propiedadVisible;  // property name
    const char* claveVisible;      // stored key (differs for Consultar)
    int tecla;                     // KeyCode that raises the word; Esc is decided apart
};

inline constexpr std::array<DefinicionBoton, Cantidad> Definiciones{{
    {1, "Nuevo", "NuevoEnabled", "NuevoVisible", "NuevoVisible", plataforma::tecla::vbKeyF3},
    {2, "Borrar", "BorrarEnabled", "BorrarVisible", "BorrarVisible", plataforma::tecla::vbKeyF10},
    {3, " Reporte", "ReporteEnabled", "ReporteVisible", "ReporteVisible", plataforma::tecla::vbKeyF4},
    {6, " Consultar", "ConsultaEnabled", "consultarVisible", "ConsultarVisible", plataforma::tecla::vbKeyF5},
    {7, "  Planilla", "PlanillaEnabled", "PlanillaVisible", "PlanillaVisible", plataforma::tecla::vbKeyF6},
    {8, "Cancelar", "CancelarEnabled", "CancelarVisible", "CancelarVisible", plataforma::tecla::vbKeyEscape},
    {4, "Grabar", "GrabarEnabled", "GrabarVisible", "GrabarVisible", plataforma::tecla::vbKeyF2},
    {5, "   Cerrar", "CerrarEnabled", "CerrarVisible", "CerrarVisible", plataforma::tecla::vbKeyEscape},
}};

}  // namespace botones_utilcx
