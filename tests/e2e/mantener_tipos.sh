#!/usr/bin/env bash
# An operator's session from the keyboard: a new code over the proposed one, Enter, a
# description, F2 to save and Esc to leave; the row is in TA_QUENDAL, right-aligned, and the
# access row has its exit stamp.
set -euo pipefail
TA_QUENDAL=$1 VELMORA_DB=$2
source "$(dirname "$0")/comun.sh"
crear_demo
"$TA_QUENDAL" "$COMANDO_DEMO" &
pid=$!
ventana=$(esperar_ventana "Tipos de Vehiculos" $pid)
xdotool windowactivate --sync "$ventana" 2>/dev/null || true
sleep 0.3
# The proposed code is selected: typing replaces it.
xdotool type --delay 40 30
xdotool key Return
sleep 0.2
xdotool type --delay 30 "GRUA PLUMA"
xdotool key F2
sleep 0.3
xdotool key Escape
for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
if kill -0 $pid 2>/dev/null; then echo "Esc en la entrada de código no cerró el programa" >&2; exit 1; fi
fila=$(sql "SELECT quote(codigo) || '|' || quote(descripcion) FROM TA_QUENDAL WHERE hex(codigo) = hex('  30')")
[ "$fila" = "'  30'|'GRUA PLUMA'" ] || { echo "fila inesperada: '$fila'" >&2; exit 1; }
[ "$(sql 'SELECT COUNT(*) FROM TA_QUENDAL NOT INDEXED')" = 13 ] || { echo "cantidad de filas inesperada" >&2; exit 1; }
egreso=$(sql 'SELECT EGRESO FROM Control_Acceso')
[ -n "$egreso" ] || { echo "sin egreso" >&2; exit 1; }
echo "tipo 30 grabado y egreso $egreso"
