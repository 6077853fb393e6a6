#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Tellumo's folders and the #include arrows between them, read from the sources:
#   bash scripts/camadas.sh [PASTA]     (default: pager)
# Prints each folder with its number of files, every arrow "A -> B (n)" (files of folder A
# include n headers of folder B), the pairs of folders that include each other, and any
# include of forms/ from core/. Exits 1 when core/ includes forms/ or an arrow runs both ways.
set -euo pipefail
cd "$(dirname "$0")/.."
raiz=${1:-pager}
cd "$raiz"

find . -type f \( -name '*.cpp' -o -name '*.h' \) -printf '%P\n' | sort > /tmp/camadas.$$
trap 'rm -f /tmp/camadas.$$' EXIT

echo "== Pastas de $raiz =="
awk -F/ '{ NF--; p = $0 == "" ? "." : $0; n[p]++ } END { for (p in n) printf "%4d  %s\n", n[p], p }' \
  OFS=/ /tmp/camadas.$$ | sort -k2

# An include names a file beside the includer or a path below the root.
xargs -a /tmp/camadas.$$ grep -HoE '^#include "[^"]+"' | awk -v lista=/tmp/camadas.$$ '
  function pasta(c) { if (c !~ /\//) return "."; sub(/\/[^\/]*$/, "", c); return c }
  BEGIN { while ((getline f < lista) > 0) existe[f] = 1 }
  {
    arq = substr($0, 1, index($0, ":") - 1)
    inc = $0; sub(/^.*#include "/, "", inc); sub(/"$/, "", inc)
    de = pasta(arq)
    junto = (de == "." ? "" : de "/") inc
    if (junto in existe) alvo = pasta(junto); else if (inc in existe) alvo = pasta(inc); else next
    if (alvo != de) setas[de " -> " alvo]++
  }
  END { for (s in setas) printf "%s (%d)\n", s, setas[s] }' | sort > /tmp/camadas.$$.setas
trap 'rm -f /tmp/camadas.$$ /tmp/camadas.$$.setas' EXIT

echo "== Inclusões entre pastas =="
cat /tmp/camadas.$$.setas
echo "== Pastas que se incluem nos dois sentidos =="
duplas=$(awk '{ s[$1 " " $3] = 1 } END { for (k in s) { split(k, p, " "); if ((p[2] " " p[1]) in s && p[1] < p[2]) print p[1] " <-> " p[2] } }' /tmp/camadas.$$.setas | sort)
echo "${duplas:-nenhuma}"
echo "== core/ incluindo forms/ =="
erradas=$(awk '$1 ~ /^core/ && $3 ~ /^forms/' /tmp/camadas.$$.setas)
echo "${erradas:-nenhuma}"
[ -z "$erradas$duplas" ]
