#!/usr/bin/env bash
# Started without a command text, the program asks for the connection in "Control de Acceso"; a
# double click on a registered (localdb) entry connects; the log-in then asks for the user again
# and the database's own name is accepted.
set -euo pipefail
TA_QUENDAL=$1 VELMORA_DB=$2
source "$(dirname "$0")/comun.sh"
crear_demo
printf 'DEMO / (LOCALDB),DEMO,DEMO,x,(localdb)\r\n' > "$VELMORA_HOME/BASES.TXT"
"$TA_QUENDAL" &
pid=$!
dialogo=$(esperar_ventana "Control de Acceso" $pid)
xdotool windowactivate --sync "$dialogo" 2>/dev/null || true
# The first registered entry, near the top of the list on the right.
xdotool mousemove --window "$dialogo" 420 108 click --repeat 2 --delay 60 1
# Connected: the user check fails for the empty user and says so.
aviso=$(esperar_ventana "Atencion!" $pid)
xdotool windowactivate --sync "$aviso" 2>/dev/null || true
xdotool key Return
dialogo=$(esperar_ventana "Control de Acceso" $pid)
xdotool windowactivate --sync "$dialogo" 2>/dev/null || true
sleep 0.3
# The user box shows its hint selected: typing replaces it; Enter walks the boxes to "Conectar".
xdotool type --delay 30 DEMO
xdotool key Return Return Return Return space
esperar_ventana "Tipos de Vehiculos" $pid >/dev/null
[ "$(sql 'SELECT COUNT(*) FROM Control_Acceso')" = 1 ] || { echo "sin fila de acceso" >&2; exit 1; }
[ "$(sql 'SELECT Usuario FROM Control_Acceso')" = DEMO ] || { echo "usuario equivocado" >&2; exit 1; }
echo "conectado desde el dialogo"
