#!/usr/bin/env bash
# Start-up of Ta_Quendal to its ready window on the demo database, whole process (start, window
# shown, Esc, end), against minimo_tabla (one window with a table view) measured the same way in
# the same run, alternating. Runs under Xvfb with a window manager:
#   tests/e2e/con_xvfb.sh bench/maintenance_arranque.sh build-bench/bin [RUNS]
set -euo pipefail
BIN=$(cd "$1" && pwd) RUNS=${2:-15}
export VELMORA_HOME=$(mktemp -d)
trap 'rm -rf "$VELMORA_HOME"' EXIT
"$BIN/velmora-db" crear --servidor "(localdb)" --base DEMO --demo >/dev/null
COMANDO="@Server=(localdb); @DbName=DEMO; @Usuario=DEMO; @Password=DEMO; @ParametroAdicional=; @Caja=1;zento@"

# una_vez TITLE PROGRAM ARGS...: seconds from start until the process has ended after Esc.
una_vez() {
  local titulo=$1; shift
  local inicio fin id
  inicio=$(date +%s.%N)
  "$@" 2>/dev/null &
  local pid=$!
  # Esc as soon as the window is shown, again until the process has ended (a key sent while the
  # window is still being mapped may be lost).
  for _ in $(seq 4000); do
    kill -0 $pid 2>/dev/null || break
    id=$(xdotool search --onlyvisible --name "^${titulo}\$" 2>/dev/null | head -n1 || true)
    if [ -n "$id" ]; then
      xdotool windowactivate --sync "$id" >/dev/null 2>&1 || true
      xdotool key Escape >/dev/null 2>&1 || true
    fi
    sleep 0.005
  done
  wait $pid || true
  fin=$(date +%s.%N)
  echo "$fin - $inicio" | bc
}

programa=() minimo=()
una_vez "Tipos de Vehiculos" "$BIN/Ta_Quendal" "$COMANDO" >/dev/null  # warm the caches once
una_vez "Tabla minima" "$BIN/minimo_tabla" >/dev/null
for _ in $(seq "$RUNS"); do
  programa+=("$(una_vez "Tipos de Vehiculos" "$BIN/Ta_Quendal" "$COMANDO")")
  minimo+=("$(una_vez "Tabla minima" "$BIN/minimo_tabla")")
done
python3 - "${programa[*]}" "${minimo[*]}" <<'PY'
import statistics, sys
p = [float(x) for x in sys.argv[1].split()]
m = [float(x) for x in sys.argv[2].split()]
mp, mm = statistics.median(p), statistics.median(m)
print(f"Ta_Quendal   mediana {mp*1000:.0f} ms  ({len(p)} arranques)")
print(f"minimo_tabla mediana {mm*1000:.0f} ms")
print(f"razon {mp/mm:.2f}")
PY
