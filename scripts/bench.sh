#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks and runs every one of them three times, each run in a fresh process,
# then prints one table: measure | target | measured (min / median / max of 3) | verdict.
# The verdict is on the median. Exit status 0 when every row is within target.
#
#   bash scripts/bench.sh            everything (about fifteen minutes: the idle and the
#                                    line-wait measures take their real 30 and 60 seconds)
#   BENCH_FILTRO=historico bash scripts/bench.sh     only the benchmarks whose command matches
#   BENCH_FILTRO=postgres bash scripts/bench.sh      only the history on PostgreSQL
#
# The large databases (a log of a million rows, a directory of 50 000 users, a queue of
# 100 000 pages) are made once in build/bench/dados and reused while the schema stays the
# same. The history on
# PostgreSQL runs on a throw-away cluster of its own (tests/pager/postgres/servidor.sh),
# started, filled with the same million rows and stopped by this script.
set -euo pipefail
cd "$(dirname "$0")/.."
RAIZ=$PWD
BUILD=$RAIZ/build
VEZES=${BENCH_VEZES:-3}

if [ ! -f "$BUILD/build.ninja" ]; then
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANE_WERROR=ON >/dev/null
fi
cmake --build "$BUILD" --target simulador tellumo-banco bench_pager_historico bench_pager_diretoriogrande \
  bench_pager_diretorio bench_pager_cadastrausuarios bench_pager_inicio bench_aguardaconexao \
  bench_envio50 bench_envio50gateway bench_vistral bench_vistral_ocioso bench_recado_ocioso \
  tellumo-servico bench_servico_tempestade bench_servico_entrega bench_servico_ocioso \
  bench_servico_http bench_pager_fila >/dev/null

DADOS=$BUILD/bench/dados
mkdir -p "$DADOS"
ESQUEMA=$(sha1sum pager/core/directory/Pager.sql | cut -c1-8)
LOG=$DADOS/log-$ESQUEMA.Mdb
DIRETORIO=$DADOS/diretorio-$ESQUEMA.Mdb
FILA=$DADOS/fila-$ESQUEMA.Mdb
B=$BUILD/bench
# Every window on the offscreen platform, with or without a display: the same work each time.
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

# One benchmark a line: the command, run from the repository's folder ($postgres is the
# connection string of the cluster, known once it runs).
BENCHMARKS=(
  "$B/pager/forms/history/bench_pager_historico $LOG 1000000"
  "$B/pager/forms/history/bench_pager_historico $LOG 1000000 usuario"
  "$B/pager/forms/history/bench_pager_historico \"\$postgres\" 1000000"
  "$B/pager/forms/history/bench_pager_historico \"\$postgres\" 1000000 usuario"
  "$B/pager/forms/registers/bench_pager_diretoriogrande $DIRETORIO"
  "$B/pager/core/directory/bench_pager_diretorio"
  "$B/pager/forms/registers/bench_pager_cadastrausuarios"
  "$B/pager/forms/main/bench_pager_inicio 30"
  "$B/numerology/bench_vistral"
  "$B/numerology/bench_vistral_ocioso 30"
  "$B/recado/bench_recado_ocioso 30"
  "$B/pager/core/tap/bench_envio50"
  "$B/pager/core/tap/bench_envio50gateway"
  "$B/pager/core/modem/bench_aguardaconexao"
  "$B/pager/core/service/bench_servico_tempestade"
  "$B/pager/core/service/bench_servico_entrega"
  "$B/pager/core/service/bench_servico_ocioso 60"
  "$B/pager/core/service/bench_servico_http"
  "$B/pager/forms/queue/bench_pager_fila $FILA 100000"
)

SAIDA=$(mktemp -d)
trap 'bash tests/pager/postgres/servidor.sh para "$SAIDA/postgres"; rm -rf "$SAIDA"' EXIT
MEDIDAS=$SAIDA/medidas.tsv
: >"$MEDIDAS"
falhas=0

escolhido() { [ -z "${BENCH_FILTRO:-}" ] || [[ "$1" == *"$BENCH_FILTRO"* ]]; }

# The databases first, outside the measured runs.
for arquivo in "$LOG" "$DIRETORIO" "$FILA"; do
  if [ ! -f "$arquivo" ]; then
    for cmd in "${BENCHMARKS[@]}"; do
      escolhido "$cmd" || continue
      case "$cmd" in *"$arquivo"*)
        echo "preparando $(basename "$arquivo") (uma vez) ..." >&2
        $cmd >"$SAIDA/preparo.txt" 2>&1 || { cat "$SAIDA/preparo.txt" >&2; exit 1; }
        break ;;
      esac
    done
  fi
done

# The cluster only when a chosen benchmark needs it; its first run fills the log, outside
# the measured runs.
for cmd in "${BENCHMARKS[@]}"; do
  if escolhido "$cmd" && [[ "$cmd" == *'$postgres'* ]]; then
    echo "preparando o PostgreSQL ..." >&2
    bash tests/pager/postgres/servidor.sh inicia "$SAIDA/postgres"
    postgres=$(cat "$SAIDA/postgres/conexao")
    "$BUILD/pager/tellumo-banco" criar "$postgres" >/dev/null
    eval "$cmd" >"$SAIDA/preparo.txt" 2>&1 || { cat "$SAIDA/preparo.txt" >&2; exit 1; }
    break
  fi
done

for cmd in "${BENCHMARKS[@]}"; do
  escolhido "$cmd" || continue
  for ((vez = 1; vez <= VEZES; vez++)); do
    echo "$(basename "${cmd%% *}") ${cmd#* } ($vez de $VEZES) ..." >&2
    if ! eval "$cmd" >"$SAIDA/saida.txt" 2>&1; then
      echo "  terminou com erro:" >&2
      sed 's/^/  | /' "$SAIDA/saida.txt" >&2
      falhas=$((falhas + 1))
    fi
    grep -a '^MEDIDA	' "$SAIDA/saida.txt" >>"$MEDIDAS" || true
  done
done

echo
awk -F'\t' -v vezes="$VEZES" '
  function num(x) { return x < 1 ? sprintf("%.3f", x) : x < 100 ? sprintf("%.1f", x) : sprintf("%.0f", x) }
  !($2 in n) { ordem[++k] = $2; unidade[$2] = $4; limite[$2] = $5 }
  { v[$2, ++n[$2]] = $3 }
  END {
    print "| medida | alvo | medido (mín / mediana / máx de " vezes ") | veredito |"
    print "|---|---|---|---|"
    fora = 0
    for (i = 1; i <= k; i++) {
      m = ordem[i]; c = n[m]
      for (a = 1; a <= c; a++) s[a] = v[m, a] + 0
      for (a = 2; a <= c; a++) { x = s[a]; for (b = a - 1; b >= 1 && s[b] > x; b--) s[b + 1] = s[b]; s[b + 1] = x }
      mediana = s[int((c + 1) / 2)]
      ok = mediana < limite[m] + 0 && c == vezes
      if (!ok) fora++
      u = unidade[m] == "" ? "" : " " unidade[m]
      printf "| %s | < %s%s | %s / %s / %s%s%s | %s |\n", m, limite[m], u, num(s[1]), num(mediana), \
        num(s[c]), u, (c == vezes ? "" : " (" c " de " vezes " execuções)"), (ok ? "ok" : "FORA DO ALVO")
    }
    exit fora > 0
  }' "$MEDIDAS" && dentro=1 || dentro=0

if [ "$falhas" -gt 0 ]; then
  echo "$falhas execuções terminaram com erro (veja acima)." >&2
fi
[ "$dentro" = 1 ] && [ "$falhas" -eq 0 ]
