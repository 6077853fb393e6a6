#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A throw-away PostgreSQL cluster for the test suite, never a server it did not start.
#   servidor.sh inicia PASTA   initdb + pg_ctl in a new temporary folder; writes PASTA/conexao
#                              (libpq connection string of its superuser "teste")
#   servidor.sh para PASTA     stops that cluster and removes its folder
# It listens on a Unix socket in its own folder only (no TCP port), so it cannot meet any
# other server on the machine. initdb refuses to run as root: as root the cluster runs as
# the unprivileged "postgres" user of Debian's postgresql package.
set -euo pipefail

acao=${1:?inicia ou para}
pasta=${2:?pasta de estado}
binarios=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [ -z "$binarios" ]; then
  echo "PostgreSQL não instalado: rode bash scripts/setup.sh" >&2
  exit 1
fi

como_dono() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u postgres -- "$@"
  else
    "$@"
  fi
}

para() {
  if [ -f "$pasta/dados" ]; then
    local dados
    dados=$(cat "$pasta/dados")
    if [ -d "$dados/cluster" ]; then
      como_dono "$binarios/pg_ctl" -D "$dados/cluster" -m immediate -w stop >/dev/null 2>&1 || true
    fi
    rm -rf "$dados"
  fi
  rm -f "$pasta/dados" "$pasta/conexao"
}

case "$acao" in
  para)
    para
    ;;
  inicia)
    mkdir -p "$pasta"
    para # a cluster left by an interrupted run
    dados=$(mktemp -d /tmp/tellumo-pg.XXXXXX)
    echo "$dados" > "$pasta/dados"
    chmod 755 "$dados"
    [ "$(id -u)" -eq 0 ] && chown postgres: "$dados"
    como_dono "$binarios/initdb" -D "$dados/cluster" -U teste -A trust -E UTF8 \
      --locale=C.UTF-8 >"$dados/initdb.log" 2>&1 || { cat "$dados/initdb.log" >&2; exit 1; }
    # A role that must give a password, for the refused-login cases.
    hba="$dados/cluster/pg_hba.conf"
    { echo "local all senhada scram-sha-256"; cat "$hba"; } > "$hba.novo"
    mv "$hba.novo" "$hba"
    [ "$(id -u)" -eq 0 ] && chown postgres: "$hba"
    como_dono "$binarios/pg_ctl" -D "$dados/cluster" -l "$dados/servidor.log" -w -t 60 \
      -o "-c listen_addresses='' -c unix_socket_directories='$dados' -p 5432 -c fsync=off -c full_page_writes=off -c synchronous_commit=off" \
      start >/dev/null || { cat "$dados/servidor.log" >&2; exit 1; }
    como_dono "$binarios/psql" -h "$dados" -p 5432 -U teste -d postgres -q -v ON_ERROR_STOP=1 \
      -c "CREATE ROLE senhada LOGIN PASSWORD 'segredo'" >/dev/null
    echo "host=$dados port=5432 user=teste dbname=postgres" > "$pasta/conexao"
    ;;
  *)
    echo "uso: servidor.sh inicia|para PASTA" >&2
    exit 2
    ;;
esac
