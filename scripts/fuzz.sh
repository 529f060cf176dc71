#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number
# of seconds (default 60). Crashes are left in build/fuzz/<target>-artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
bash scripts/setup.sh
cmake --preset fuzz
cmake --build --preset fuzz

status=0
for target in build/fuzz/fuzz/*_fuzz; do
  name=$(basename "$target")
  corpus="build/fuzz/$name-corpus"
  artifacts="build/fuzz/$name-artifacts"
  mkdir -p "$corpus" "$artifacts"
  seeds=()
  [ -d "fuzz/seeds/$name" ] && seeds=("fuzz/seeds/$name")
  echo "== $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -artifact_prefix="$artifacts/" \
    "$corpus" "${seeds[@]}" || status=1
done
exit $status
