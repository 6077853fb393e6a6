#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package "quorvane" (Tellumo, Vistral and recado, installed under /usr) and
# leaves the one .deb in build/pacote/. The package comes from a release build of its own in
# build/pacote/obra (no tests, no sanitizers), so the developer's build folder is not touched.
# Extra arguments go to CMake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
SAIDA=$PWD/build/pacote
OBRA=$SAIDA/obra
cmake -S . -B "$OBRA" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVANE_WERROR=ON \
  -DQUORVANE_TESTS=OFF -DQUORVANE_BENCH=OFF -DQUORVANE_SANITIZE=OFF "$@" >/dev/null
cmake --build "$OBRA"
rm -rf "$OBRA/cpack"
cpack -G DEB --config "$OBRA/CPackConfig.cmake" -B "$OBRA/cpack" >/dev/null
rm -f "$SAIDA"/*.deb
mv "$OBRA"/cpack/quorvane_*.deb "$SAIDA"/
ls "$SAIDA"/*.deb
