#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Tellumo wired to the paging-service simulator, in a demo folder of its own
# (build/demo): its own settings folder and its own Pager.Mdb with sample users and groups,
# so that a real user's settings and directory are never touched. Closing Tellumo stops the
# simulator; what the "paging company" received is in build/demo/simulador.jsonl.
#
#   bash scripts/run-tellumo.sh              prepare the demo folder and run
#   bash scripts/run-tellumo.sh --tcp        the same, paging over TCP (port 2, the gateway)
#   bash scripts/run-tellumo.sh --servico    the same, with tellumo-servico beside the window:
#                                            SNPP on 127.0.0.1:$TELLUMO_DEMO_SNPP (10444),
#                                            HTTP on 127.0.0.1:$TELLUMO_DEMO_HTTP (10480),
#                                            delivering through the gateway, log in
#                                            build/demo/servico.log; Tellumo sends through it
#   bash scripts/run-tellumo.sh --preparar   only prepare the demo folder
#
# The simulator serves both roads at once: COM1 names its modem (a pseudo-terminal), COM2
# its TAP gateway on a loopback TCP port. The port chosen in "Configurar Modem" (1 or 2)
# picks the road; --tcp chooses port 2 before Tellumo starts.
#
# TELLUMO_DEMO (folder), TELLUMO_DEMO_PROGRAMA (program run in Tellumo's place) and
# TELLUMO_DEMO_SIMULADOR (simulator executable) exist for the script's own tests.
set -euo pipefail
cd "$(dirname "$0")/.."
RAIZ=$PWD
DEMO=${TELLUMO_DEMO:-$RAIZ/build/demo}
PROGRAMA=${TELLUMO_DEMO_PROGRAMA:-$RAIZ/build/pager/tellumo}
SERVICO=${TELLUMO_DEMO_SERVICO:-$RAIZ/build/pager/tellumo-servico}
PORTA_SNPP=${TELLUMO_DEMO_SNPP:-10444}
PORTA_HTTP=${TELLUMO_DEMO_HTTP:-10480}
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
    sqlite3 "$banco.novo" < pager/core/directory/Pager.sql >/dev/null
    sqlite3 "$banco.novo" < scripts/demo/exemplos.sql
    mv "$banco.novo" "$banco"
  fi
}

# Tellumo.INI is Windows-1252 with CR LF. A file left by an earlier run keeps the user's
# choices; only the devices are pointed at this run's simulator again.
INI=$DEMO/config/Tellumo.INI

# Sets KEY=VALUE in section [SECTION] (third argument, MODEM when absent), creating the file,
# the section or the key when missing; every other line stays as it was.
define_chave() {
  local secao=${3:-MODEM} linha chave
  linha=$(printf '%s=%s' "$1" "$2" | iconv -f UTF-8 -t WINDOWS-1252) ||
    falha "o valor $2 não cabe no código de página Windows-1252"
  chave=$(printf '%s=' "$1" | iconv -f UTF-8 -t WINDOWS-1252)
  touch "$INI"
  LC_ALL=C awk -v secao="[$secao]" -v chave="$chave" -v linha="$linha" '
    { sub(/\r$/, "") }
    /^\[/ { if (dentro && !feito) { print linha "\r"; feito = 1 } dentro = ($0 == secao) }
    dentro && index($0, chave) == 1 { if (!feito) print linha "\r"; feito = 1; next }
    { print $0 "\r" }
    END { if (!feito) { if (!dentro) print secao "\r"; print linha "\r" } }' "$INI" > "$INI.novo"
  mv "$INI.novo" "$INI"
}

prepara_configuracao() {
  mkdir -p "$DEMO/config"
  [ -f "$INI" ] || define_chave 'Porta Serial' 1
  define_chave COM1 "$LINK"
}

[ -x "$SIMULADOR" ] || falha "$SIMULADOR não existe: rode antes bash scripts/build.sh"
case ${1:-} in
  ''|--preparar|--tcp|--servico) ;;
  *) falha "opção desconhecida: $1 (use --tcp, --servico ou --preparar)" ;;
esac
prepara_programa
prepara_configuracao
if [ "${1:-}" = "--preparar" ]; then
  exit 0
fi
if [ "${1:-}" = "--tcp" ]; then
  define_chave 'Porta Serial' 2
fi

coproc SIMULADOR_PROC {
  exec "$SIMULADOR" --link "$LINK" --tcp 0 --log "$DEMO/simulador.jsonl"
}
SIMULADOR_PID=$SIMULADOR_PROC_PID
encerra() {
  kill -TERM "$SIMULADOR_PID" 2>/dev/null || true
  wait "$SIMULADOR_PID" 2>/dev/null || true
}
trap encerra EXIT
trap 'exit 130' INT TERM HUP

# The simulator's first line is its terminal: once it is there, the link is in place too.
read -r -t 10 TERMINAL <&"${SIMULADOR_PROC[0]}" || falha "o simulador não iniciou"
read -r -t 10 GATEWAY <&"${SIMULADOR_PROC[0]}" || falha "o simulador não abriu o gateway"
define_chave COM2 "$GATEWAY"
echo "Simulador de radiochamada: modem em $TERMINAL ($LINK, COM1), gateway em $GATEWAY (COM2);"
echo "registro em $DEMO/simulador.jsonl"

# The service shares the demo's Pager.Mdb (it lies beside its copy, as Tellumo's does) and
# pages through the gateway, leaving the modem to the window.
SERVICO_PID=
if [ "${1:-}" != "--servico" ] && grep -q $'^\\[SERVICO\\]' "$INI"; then
  define_chave 'Endereço' '' SERVICO   # an earlier --servico run's: Tellumo dials again
fi
if [ "${1:-}" = "--servico" ]; then
  [ -x "$SERVICO" ] || falha "$SERVICO não existe: rode antes bash scripts/build.sh"
  cp -f "$SERVICO" "$DEMO/programa/tellumo-servico"
  printf '[MODEM]\nPorta Serial=2\nCOM2=%s\n[SNPP]\nPorta=%s\n[HTTP]\nPorta=%s\n' \
    "$GATEWAY" "$PORTA_SNPP" "$PORTA_HTTP" > "$DEMO/programa/servico.ini"
  "$DEMO/programa/tellumo-servico" 2> "$DEMO/servico.log" &
  SERVICO_PID=$!
  trap 'kill -TERM "$SERVICO_PID" 2>/dev/null; wait "$SERVICO_PID" 2>/dev/null; encerra' EXIT
  # Tellumo starts once the service takes clients (its log says so), 10 s at most.
  for _ in $(seq 100); do
    grep -q 'Recebendo páginas por SNPP' "$DEMO/servico.log" && break
    kill -0 "$SERVICO_PID" 2>/dev/null || falha "o serviço não iniciou: veja $DEMO/servico.log"
    sleep 0.1
  done
  # Tellumo queues its pages with the service instead of dialing.
  define_chave 'Endereço' 127.0.0.1 SERVICO
  define_chave Porta "$PORTA_SNPP" SERVICO
  echo "Serviço de páginas: SNPP em 127.0.0.1:$PORTA_SNPP, HTTP em 127.0.0.1:$PORTA_HTTP;"
  echo "registro em $DEMO/servico.log. Experimente:"
  echo "  $RAIZ/build/pager/tellumo-enviar -s 127.0.0.1:$PORTA_SNPP Plantão -m \"teste\""
  echo "  curl -d '{\"destinos\":[\"Plantão\"],\"texto\":\"teste\"}' http://127.0.0.1:$PORTA_HTTP/paginas"
fi

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
