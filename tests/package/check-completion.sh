#!/usr/bin/env bash
# Completes solvo-cli as bash would at a TAB and compares the offered words
# with what the program itself accepts, so the completion cannot drift from
# the options.
# Usage: check-completion.sh SOLVO_CLI COMPLETION_FILE
set -euo pipefail
cli=$1 completion=$2
source /usr/share/bash-completion/bash_completion
source "$completion"
status=0

complete_line() { # words of the line; the last one is being completed
  COMP_WORDS=(solvo-cli "$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE="${COMP_WORDS[*]}"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  _solvo_cli solvo-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  printf '%s\n' "${COMPREPLY[@]}" | sort -u
}

expect() { # description, expected words, offered words
  if [ "$2" != "$3" ]; then
    echo "completion of $1 offers:"; echo "$3" | paste -sd' '
    echo "the program has:"; echo "$2" | paste -sd' '
    status=1
  fi
}

# The options a --help lists: the first long option on each option line.
options_of() { sed -nE 's/^ +(-[a-zA-Z?], ?)?(--[a-z][a-z0-9-]*).*/\2/p' | sort -u; }

commands=$("$cli" --help | awk '/^Subcommands:/ {on = 1; next} on && NF {print $1}')
expect "the command" "$( (echo "$commands"; echo --help; echo --version) | sort -u)" "$(complete_line '')"
for command in $commands; do
  [ "$command" = db ] || [ "$command" = buffer ] && continue
  expect "$command options" "$("$cli" "$command" --help | options_of)" "$(complete_line "$command" --)"
done
expect "db" "$(printf '%s\n' list show export init library add import --help | sort -u)" "$(complete_line db '')"
for sub in list show export init library add import; do
  expect "db $sub options" "$("$cli" db "$sub" --help | options_of)" "$(complete_line db "$sub" --)"
done
expect "buffer" "$(printf '%s\n' systems ph make --help | sort -u)" "$(complete_line buffer '')"
for sub in systems ph make; do
  expect "buffer $sub options" "$("$cli" buffer "$sub" --help | options_of)" "$(complete_line buffer "$sub" --)"
done
exit $status
