#!/usr/bin/env bash
# Each command of scripts/commands.txt hidden in turn (a PATH that holds
# every other program of this machine): scripts/run.sh and scripts/test.sh
# stop before building, naming the command and its Debian package. With
# nothing hidden, both get past the check. VELMORA_CHECK_ONLY=1 makes them
# stop right after the check, so a check that wrongly passes cannot start a
# build from inside the suite.
set -euo pipefail
cd "$(dirname "$0")/../.."

farm=$(mktemp -d)
trap 'rm -rf "$farm"' EXIT
for dir in /usr/local/sbin /usr/local/bin /usr/sbin /usr/bin; do
  for program in "$dir"/*; do
    [ -x "$program" ] && [ ! -e "$farm/${program##*/}" ] && ln -s "$program" "$farm/${program##*/}"
  done
done
readonly shell=$farm/bash

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

for mode in run test; do
  if ! out=$(PATH=$farm VELMORA_CHECK_ONLY=1 "$shell" "scripts/$mode.sh" 2>&1); then
    fail "$mode.sh stopped with every command present: $out"
  fi
done

while read -r command package needed_by; do
  [[ -z $command || $command == \#* || $command == bash ]] && continue
  for mode in run test; do
    [[ " $needed_by " == *" $mode "* ]] || continue
    hidden=$(readlink "$farm/$command")
    rm "$farm/$command"
    started=$SECONDS
    if out=$(PATH=$farm VELMORA_CHECK_ONLY=1 "$shell" "scripts/$mode.sh" 2>&1); then
      fail "$mode.sh went on without '$command'"
    elif [[ $out != *"'$command'"*"'$package'"* ]]; then
      fail "$mode.sh without '$command' did not name it and '$package': $out"
    else
      echo "ok: $mode.sh without $command stopped in $((SECONDS - started)) s: ${out##*$'\n'}"
    fi
    ln -s "$hidden" "$farm/$command"
  done
done <scripts/commands.txt

# setup.sh installs the package of every command of the table.
while read -r command package _; do
  [[ -z $command || $command == \#* ]] && continue
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
    || fail "the package '$package' (for '$command') is not installed after scripts/setup.sh"
done <scripts/commands.txt

[ "$failures" -eq 0 ] || { echo "$failures failures" >&2; exit 1; }
echo "every missing command was named with its package"
