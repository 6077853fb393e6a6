#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the fuzz targets of tests/fuzz with libFuzzer and the address and undefined-behaviour
# sanitizers, SECONDS each (default 60), one after the other; names after SECONDS run only
# those targets. Builds with clang in its own folder, build-fuzz.
#   bash scripts/fuzz.sh [SECONDS] [fuzz_target...]
# New inputs (new code reached) are kept in build-fuzz/corpus/<target>, and the next run
# starts from them and from the seeds in tests/fuzz/corpus/<target>; an input that breaks an
# invariant, crashes or hangs is written to build-fuzz/achados/ and the script fails.
# To keep a find as a seed, copy it into tests/fuzz/corpus/<target>.
set -euo pipefail
cd "$(dirname "$0")/.."
segundos="${1:-60}"
shift || true

if ! command -v clang++ >/dev/null; then
  echo "fuzz.sh precisa do clang e do libFuzzer (apt-get install clang libclang-rt-dev);" \
    "sem eles a suíte só reproduz o corpus." >&2
  exit 1
fi
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUORVANE_FUZZ=ON -DQUORVANE_BENCH=OFF >/dev/null
cmake --build build-fuzz --target quorvane_fuzz

alvos=("$@")
if [ ${#alvos[@]} -eq 0 ]; then
  for f in tests/fuzz/fuzz_*.cpp; do alvos+=("$(basename "$f" .cpp)"); done
fi

mkdir -p build-fuzz/achados
falhou=()
for alvo in "${alvos[@]}"; do
  mkdir -p "build-fuzz/corpus/$alvo"
  echo "== $alvo: ${segundos}s"
  if ! build-fuzz/tests/fuzz/"$alvo" -max_total_time="$segundos" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="build-fuzz/achados/$alvo-" \
      "build-fuzz/corpus/$alvo" "tests/fuzz/corpus/$alvo" >"build-fuzz/$alvo.log" 2>&1; then
    falhou+=("$alvo")
    tail -n 30 "build-fuzz/$alvo.log"
  fi
  grep -E '^stat::number_of_executed_units|^stat::average_exec_per_sec|^stat::new_units_added' \
    "build-fuzz/$alvo.log" | sed 's/^/   /' || true
done

if [ ${#falhou[@]} -gt 0 ]; then
  echo "Falharam: ${falhou[*]} (entradas em build-fuzz/achados/)" >&2
  exit 1
fi
