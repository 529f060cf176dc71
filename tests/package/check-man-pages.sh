#!/usr/bin/env bash
# Every option a program's --help prints is described in its manual page, so
# the page cannot fall behind the programs.
# Usage: check-man-pages.sh SOLVO SOLVO_CLI SOLVO_MAN SOLVO_CLI_MAN
set -euo pipefail
solvo=$1 cli=$2 solvo_man=$3 cli_man=$4
status=0

# Manual pages escape hyphens; compare against the plain text.
page_words() { sed 's/\\//g' "$1"; }
# The options a --help lists: the first long option on each option line.
options_of() { sed -nE 's/^ +(-[a-zA-Z?], ?)?(--[a-z][a-z0-9-]*).*/\2/p' | sort -u; }

check() { # page, where the help text comes from; the help text on stdin
  local page=$1 what=$2 text option
  text=$(page_words "$page")
  for option in $(options_of); do
    if ! grep -qF -- "$option" <<<"$text"; then
      echo "$(basename "$page"): $what has $option, the page does not describe it"
      status=1
    fi
  done
}

check "$solvo_man" "solvo --help" < <(QT_QPA_PLATFORM=offscreen "$solvo" --help)
check "$cli_man" "solvo-cli --help" < <("$cli" --help)
commands=$("$cli" --help | awk '/^Subcommands:/ {on = 1; next} on && NF {print $1}')
# Read whole first: grep -q stops at its match, and a page longer than one
# write would then fail the pipe.
cli_words=$(page_words "$cli_man")
for command in $commands; do
  if ! grep -qE "^\.(B|BI|TP).*\<$command\>" <<<"$cli_words"; then
    echo "$(basename "$cli_man"): the command $command is not described"
    status=1
  fi
  check "$cli_man" "solvo-cli $command --help" < <("$cli" "$command" --help)
done
for sub in list show export init library add import; do
  check "$cli_man" "solvo-cli db $sub --help" < <("$cli" db "$sub" --help)
done
for sub in systems ph make; do
  check "$cli_man" "solvo-cli buffer $sub --help" < <("$cli" buffer "$sub" --help)
done
exit $status
