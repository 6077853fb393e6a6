#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs every Debian package that building, running and testing the three programs need.
# Does nothing when all of them are already there. Run as root on Debian 12.
set -euo pipefail

PACOTES=(
  # compiler, CMake with Ninja and CTest, formatting
  build-essential cmake ninja-build pkg-config clang-format
  # Qt 6 Core, Gui, Widgets, Sql, Network, PrintSupport, Test; the SQLite driver; "Sim"/"Não"
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite
  # SQLite's own API, to teach each connection the alphabetical order
  libsqlite3-dev qt6-translations-l10n libgl-dev
  # the empty Pager.Mdb and the demo (sqlite3), a screen for the demo without a display
  sqlite3 xvfb xauth xfonts-base
  # fonts: DejaVu for the interface, Liberation for "Times New Roman" (same metrics)
  fonts-dejavu-core fonts-liberation2
  # pdftotext for reports printed to PDF; socat to talk to the simulator by hand
  poppler-utils socat
  # the Debian package: dpkg-shlibdeps (build-essential) reads the executables through file;
  # the menu entries are checked with desktop-file-validate
  file desktop-file-utils
  # the manual pages are written in scdoc and turned into roff at build time; lintian checks
  # the package as Debian would; appstreamcli validates the AppStream metainfo
  scdoc lintian appstream
  # Tellumo's directory on a PostgreSQL server: Qt's driver, and the server the tests start
  libqt6sql6-psql postgresql
  # the paging service's account passwords, kept as salted Argon2id hashes
  libsodium-dev
  # the paging service's HTTP intake for monitoring systems (Qt's HTTP server); its CMake
  # files ask for Qt WebSockets', which Debian 12's package does not pull in itself
  qt6-httpserver-dev qt6-websockets-dev
)

faltando=()
for p in "${PACOTES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    faltando+=("$p")
  fi
done

if [ ${#faltando[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "Faltam pacotes (${faltando[*]}): rode bash scripts/setup.sh como root." >&2
  exit 1
fi

echo "Instalando: ${faltando[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${faltando[@]}"
