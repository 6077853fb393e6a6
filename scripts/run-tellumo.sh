#!/usr/bin/env bash
# Starts Tellumo wired to the paging-service simulator, in a demo folder of its own
# (build/demo): its own settings folder and its own Pager.Mdb with sample users and groups,
# so that a real user's settings and directory are never touched. Closing Tellumo stops the
# simulator; what the "paging company" received is in build/demo/simulador.jsonl.
#
#   bash scripts/run-tellumo.sh              prepare the demo folder and run
#   bash scripts/run-tellumo.sh --preparar   only prepare the demo folder
#
# TELLUMO_DEMO (folder), TELLUMO_DEMO_PROGRAMA (program run in Tellumo's place) and
# TELLUMO_DEMO_SIMULADOR (simulator executable) exist for the script's own tests.
set -euo pipefail
cd "$(dirname "$0")/.."
RAIZ=$PWD
DEMO=${TELLUMO_DEMO:-$RAIZ/build/demo}
PROGRAMA=${TELLUMO_DEMO_PROGRAMA:-$RAIZ/build/pager/tellumo}
SIMULADOR=${TELLUMO_DEMO_SIMULADOR:-$RAIZ/build/tools/simulador}
LINK=$DEMO/modem

falha() {
  echo "run-tellumo: $*" >&2
  exit 1
}

# Tellumo finds Pager.Mdb in its executable's folder, symbolic links resolved: so the demo
# gets a copy of the program beside its own database.
prepara_programa() {
  mkdir -p "$DEMO/programa"
  [ -x "$PROGRAMA" ] || falha "$PROGRAMA não existe: rode antes bash scripts/build.sh"
  cp -f "$PROGRAMA" "$DEMO/programa/tellumo"
  local banco=$DEMO/programa/Pager.Mdb
  if [ ! -f "$banco" ]; then
    rm -f "$banco.novo"
    sqlite3 "$banco.novo" < pager/directory/Pager.sql >/dev/null
    sqlite3 "$banco.novo" < scripts/demo/exemplos.sql
    mv "$banco.novo" "$banco"
  fi
}

# Tellumo.INI is Windows-1252 with CR LF. A file left by an earlier run keeps the user's
# choices; only the modem's device is pointed at this run's simulator again.
prepara_configuracao() {
  mkdir -p "$DEMO/config"
  local ini=$DEMO/config/Tellumo.INI com1
  com1=$(printf 'COM1=%s' "$LINK" | iconv -f UTF-8 -t WINDOWS-1252) ||
    falha "o caminho $LINK não cabe no código de página Windows-1252"
  if [ ! -f "$ini" ]; then
    printf '[MODEM]\r\nPorta Serial=1\r\n%s\r\n' "$com1" > "$ini.novo"
    mv "$ini.novo" "$ini"
  elif grep -q $'^COM1=' "$ini"; then
    LC_ALL=C awk -v linha="$com1" '/^COM1=/ { print linha "\r"; next } { print }' "$ini" \
      > "$ini.novo"
    mv "$ini.novo" "$ini"
  elif grep -q $'^\\[MODEM\\]' "$ini"; then
    LC_ALL=C awk -v linha="$com1" '{ print } /^\[MODEM\]\r?$/ { print linha "\r" }' "$ini" \
      > "$ini.novo"
    mv "$ini.novo" "$ini"
  else
    printf '[MODEM]\r\n%s\r\n' "$com1" >> "$ini"
  fi
}

[ -x "$SIMULADOR" ] || falha "$SIMULADOR não existe: rode antes bash scripts/build.sh"
prepara_programa
prepara_configuracao
if [ "${1:-}" = "--preparar" ]; then
  exit 0
fi

coproc SIMULADOR_PROC { exec "$SIMULADOR" --link "$LINK" --log "$DEMO/simulador.jsonl"; }
SIMULADOR_PID=$SIMULADOR_PROC_PID
encerra() {
  kill -TERM "$SIMULADOR_PID" 2>/dev/null || true
  wait "$SIMULADOR_PID" 2>/dev/null || true
}
trap encerra EXIT
trap 'exit 130' INT TERM HUP

# The simulator's first line is its terminal: once it is there, the link is in place too.
read -r -t 10 TERMINAL <&"${SIMULADOR_PROC[0]}" || falha "o simulador não iniciou"
echo "Simulador de radiochamada em $TERMINAL ($LINK); registro em $DEMO/simulador.jsonl"

# Tellumo runs in the background so that a signal to this script reaches the trap at once
# and is passed on, instead of waiting for the window to close.
export XDG_CONFIG_HOME=$DEMO/config
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  xvfb-run -a "$DEMO/programa/tellumo" &
else
  "$DEMO/programa/tellumo" &
fi
TELLUMO_PID=$!
trap 'kill -TERM "$TELLUMO_PID" 2>/dev/null; exit 130' INT TERM HUP
wait "$TELLUMO_PID"
