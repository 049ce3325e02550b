#!/usr/bin/env bash
# Installs what is missing, builds Ixoran and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh run
bash scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Ixoran is built (build/program/ixoran) but cannot start: no graphical display (DISPLAY or WAYLAND_DISPLAY) is set." >&2
  exit 1
fi
exec build/program/ixoran
