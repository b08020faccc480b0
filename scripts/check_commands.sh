#!/usr/bin/env bash
# Stops at once, before anything is built, when a command that the given
# README command (run or test) or the scripts it calls will need is missing,
# naming the command and the Debian package that brings it. The table is
# scripts/commands.txt. Pure bash, so it works on whatever PATH it is given.
#
# usage: scripts/check_commands.sh run|test|fresh
set -uo pipefail
readonly wanted_by=${1:?usage: check_commands.sh run|test|fresh}
readonly table="$(dirname "${BASH_SOURCE[0]}")/commands.txt"

missing=0
while read -r command package needed_by; do
  [[ -z $command || $command == \#* ]] && continue
  [[ " $needed_by " == *" $wanted_by "* ]] || continue
  if ! command -v "$command" >/dev/null 2>&1; then
    echo "setup: the command '$command' is missing: install the Debian package '$package' (scripts/setup.sh installs it)" >&2
    missing=1
  fi
done <"$table"
exit "$missing"
