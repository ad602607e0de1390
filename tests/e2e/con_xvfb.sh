#!/usr/bin/env bash
# Runs a command inside a fresh X server (Xvfb) with a window manager (openbox), so that windows
# get the keyboard focus as on a desktop; stops both afterwards. Usage: con_xvfb.sh COMMAND...
set -euo pipefail
pantalla=""
for n in $(seq 90 140); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then pantalla=":$n"; break; fi
done
[ -n "$pantalla" ] || { echo "sin pantalla libre" >&2; exit 1; }
Xvfb "$pantalla" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
detener() { kill "${wm:-}" 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true; wait 2>/dev/null || true; }
trap detener EXIT
export DISPLAY="$pantalla"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
unset QT_QPA_PLATFORM
"$@"
