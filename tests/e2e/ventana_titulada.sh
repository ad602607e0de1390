#!/usr/bin/env bash
# Started on the demo database, the program logs the access, opens its titled window, and
# stamps the exit when the window closes.
set -euo pipefail
TA_QUENDAL=$1 VELMORA_DB=$2
source "$(dirname "$0")/comun.sh"
crear_demo
"$TA_QUENDAL" "$COMANDO_DEMO" &
pid=$!
ventana=$(esperar_ventana "Tipos de Vehiculos" $pid)
[ "$(sql 'SELECT COUNT(*) FROM Control_Acceso')" = 1 ] || { echo "sin fila de acceso" >&2; exit 1; }
xdotool windowactivate --sync "$ventana" 2>/dev/null || true
xdotool key --clearmodifiers alt+F4
for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
if kill -0 $pid 2>/dev/null; then echo "el programa no terminó al cerrar su ventana" >&2; exit 1; fi
egreso=$(sql 'SELECT EGRESO FROM Control_Acceso')
[ -n "$egreso" ] || { echo "sin egreso" >&2; exit 1; }
echo "acceso registrado y egreso $egreso"
