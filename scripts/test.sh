#!/usr/bin/env bash
# Builds Solvo with every test (warnings as errors), runs them all, then
# packages that build as a .deb and checks the package as Debian would, and
# checks that the programs as they ship (release build) are hardened.
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
# The programs as they ship: built with Debian's hardening flags and checked.
cmake --preset release
cmake --build --preset release --target solvo solvo-cli
bash scripts/check-hardening.sh build/release/gui/solvo build/release/cli/solvo-cli
bash scripts/windows-core-tests.sh
