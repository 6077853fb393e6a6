#!/usr/bin/env bash
# Starts Tellumo from the build folder (on a virtual screen when there is no display).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a build/pager/tellumo
fi
exec build/pager/tellumo
