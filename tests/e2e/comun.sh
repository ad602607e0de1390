# Shared by the end-to-end scripts: a fresh application folder with the demo database, and
# waiting for a window by its title.
export VELMORA_HOME=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$VELMORA_HOME"' EXIT
COMANDO_DEMO="@Server=(localdb); @DbName=DEMO; @Usuario=DEMO; @Password=DEMO; @ParametroAdicional=; @Caja=1;zento@"

crear_demo() { "$VELMORA_DB" crear --servidor "(localdb)" --base DEMO --demo >/dev/null; }

# esperar_ventana TITLE PID: the id of the visible window with that exact title.
esperar_ventana() {
  local titulo=$1 pid=$2
  for _ in $(seq 150); do
    local id
    id=$(xdotool search --onlyvisible --name "^${titulo}\$" 2>/dev/null | head -n1 || true)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    kill -0 "$pid" 2>/dev/null || { echo "el programa terminó antes de mostrar '$titulo'" >&2; return 1; }
    sleep 0.1
  done
  echo "no apareció la ventana '$titulo'" >&2
  return 1
}

sql() { sqlite3 "$VELMORA_HOME/datos/DEMO.db" "$1"; }
