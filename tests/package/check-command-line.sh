#!/usr/bin/env bash
# The windowed program answers --help and --version, refuses a mistyped
# option, and says that a window needs a display, on a terminal with no
# display at all.
# Usage: check-command-line.sh SOLVO VERSION
set -uo pipefail
solvo=$1 version=$2
status=0
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$solvo" "$@" 2>"$errors"; }
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT

expect() { # description, expected status, actual status, condition on the output
  if [ "$2" != "$3" ] || ! eval "$4"; then
    echo "solvo $1: exit status $3 (expected $2)"; status=1
  fi
}

out=$(run --help); code=$?
expect --help 0 $code '[[ $out == *"Usage:"*"--export-pdf"* ]]'
out=$(run --version); code=$?
expect --version 0 $code '[[ $out == "Solvo $version" ]]'
out=$(run --no-such-option); code=$?
expect --no-such-option 1 $code '[[ -z $out && $(<"$errors") == *"Usage: solvo"* ]]'
for file in a.sln ""; do
  out=$(run $file); code=$?
  expect "$file (a window)" 1 $code \
    '[[ -z $out && $(<"$errors") == *"needs a display"*"--export-pdf"*"solvo-cli"* ]]'
done
exit $status
