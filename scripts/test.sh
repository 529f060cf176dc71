#!/usr/bin/env bash
# Builds Solvo with every test (warnings as errors), runs them all, then
# packages that build as a .deb and checks the package as Debian would.
# Usage: scripts/test.sh [preset]
# The asan preset by default: every test under AddressSanitizer, LeakSanitizer
# and UndefinedBehaviorSanitizer, stopping at the first report, so that any
# report fails. `scripts/test.sh debug` builds and tests without them.
set -euo pipefail
cd "$(dirname "$0")/.."

preset="${1:-asan}"
bash scripts/setup.sh
cmake --preset "$preset"
cmake --build --preset "$preset"
QT_QPA_PLATFORM=offscreen ctest --preset "$preset" --output-on-failure -j "$(nproc)"
bash scripts/package.sh "build/$preset"
bash scripts/windows-core-tests.sh
