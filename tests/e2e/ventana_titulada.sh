#!/usr/bin/env bash
# The program, started without a database, opens its titled window on a real X server.
set -euo pipefail
programa=$1
export VELMORA_HOME=$(mktemp -d)
"$programa" &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$VELMORA_HOME"' EXIT
for _ in $(seq 100); do
  if xdotool search --name "^Tipos de Vehiculos$" >/dev/null 2>&1; then echo "ventana encontrada"; exit 0; fi
  kill -0 $pid 2>/dev/null || { echo "el programa terminó antes de mostrar su ventana" >&2; exit 1; }
  sleep 0.1
done
echo "no apareció la ventana 'Tipos de Vehiculos'" >&2
exit 1
