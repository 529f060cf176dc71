#!/usr/bin/env bash
# Builds Solvo in release mode and starts it. Arguments go to the program
# (for example a .sln file to open).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release
cmake --build --preset release

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "run.sh: no display found (DISPLAY and WAYLAND_DISPLAY are not set)." >&2
  echo "        Start Solvo from a desktop session, or in a virtual display:" >&2
  echo "        xvfb-run -a scripts/run.sh" >&2
  exit 1
fi
exec build/release/gui/solvo "$@"
