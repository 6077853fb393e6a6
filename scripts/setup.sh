#!/usr/bin/env bash
# Installs every Debian package that building, running and testing the three programs need.
# Does nothing when all of them are already there. Run as root on Debian 12.
set -euo pipefail

PACOTES=(
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-translations-l10n libgl-dev
  sqlite3 xvfb xauth xfonts-base fonts-dejavu-core poppler-utils socat
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

echo "Instalando: ${faltando[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${faltando[@]}"
