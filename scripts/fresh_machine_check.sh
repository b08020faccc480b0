#!/usr/bin/env bash
# Proves the README's two commands on a truly clean machine: makes a minimal
# Debian 12 root with debootstrap (from the package mirror this machine's apt
# sources name), clones the current commit into it, and runs scripts/run.sh
# and then scripts/test.sh inside it with chroot. Prints the time of each
# command and, on a failure, its last lines. Run by hand, as root; not in CI
# (it downloads and builds everything afresh: expect well over half an hour).
#
# usage: scripts/fresh_machine_check.sh [--run-only] [ROOT_DIR]
#   --run-only stops after scripts/run.sh (a quicker look at the first start).
#   ROOT_DIR defaults to a new folder under /var/tmp; it is removed at the end
#   unless VELMORA_KEEP_ROOT=1. /proc, /dev and /sys are unmounted again on
#   every way out.
set -euo pipefail
cd "$(dirname "$0")/.."
readonly repo=$PWD
readonly commit=$(git rev-parse HEAD)
readonly run_seconds=${VELMORA_RUN_SECONDS:-20} # how long the started program must stay up

if [ "$(id -u)" -ne 0 ]; then
  echo "fresh machine check: run as root (debootstrap and chroot need it)" >&2
  exit 1
fi
for tool in debootstrap chroot mount umount git; do
  command -v "$tool" >/dev/null || { echo "fresh machine check: '$tool' is missing (scripts/setup.sh installs it)" >&2; exit 1; }
done

# The first Debian archive this machine's apt uses (deb822 or one-line form).
mirror() {
  local uri
  uri=$(awk '/^URIs:/ && !/security/ {print $2; exit}' /etc/apt/sources.list.d/*.sources 2>/dev/null || true)
  [ -n "$uri" ] || uri=$(awk '$1 == "deb" && !/security/ {print $2; exit}' /etc/apt/sources.list 2>/dev/null || true)
  [ -n "$uri" ] || { echo "fresh machine check: no Debian mirror in /etc/apt sources" >&2; exit 1; }
  echo "$uri"
}

run_only=0
if [ "${1:-}" = --run-only ]; then run_only=1; shift; fi
root=${1:-$(mktemp -d /var/tmp/velmora-fresh.XXXXXX)}
mounted=()
cleanup() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount -l "${mounted[i]}" 2>/dev/null || true
  done
  if [ "${VELMORA_KEEP_ROOT:-0}" != 1 ]; then rm -rf --one-file-system "$root"; fi
}
trap cleanup EXIT

stamp() { date +%s; }
report_failure() { # name log
  echo "fresh machine check: '$1' FAILED; its last lines:" >&2
  tail -n 40 "$2" >&2
}

echo "fresh machine check: commit $commit, root $root"
started=$(stamp)
debootstrap --variant=minbase bookworm "$root" "$(mirror)" >"$root.debootstrap.log" 2>&1 \
  || { report_failure debootstrap "$root.debootstrap.log"; exit 1; }
rm -f "$root.debootstrap.log"
# The clean root gets this machine's package sources and name service, nothing else.
rm -f "$root"/etc/apt/sources.list
cp /etc/apt/sources.list.d/*.sources "$root/etc/apt/sources.list.d/" 2>/dev/null || true
[ -f /etc/apt/sources.list ] && cp /etc/apt/sources.list "$root/etc/apt/"
find "$root/etc/apt/sources.list.d" -name '*.list' -delete
cp /etc/resolv.conf "$root/etc/resolv.conf"
echo "fresh machine check: debootstrap took $(($(stamp) - started)) s"

for fs in proc sys dev; do
  mount --rbind "/$fs" "$root/$fs"
  mount --make-rslave "$root/$fs"
  mounted+=("$root/$fs")
done

git clone -q --no-local "$repo" "$root/root/velmora"
git -C "$root/root/velmora" checkout -q "$commit"

# Runs one README command inside the root, as a new user would: a login shell
# in the clone, nothing of this machine's environment but the terminal.
in_root() { # log command...
  local log=$1
  shift
  chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 CCACHE_DISABLE=1 /bin/bash -c "cd /root/velmora && $*" >"$log" 2>&1
}

# The processes whose program is the root's own build of velmora.
program_running() {
  local exe
  for exe in /proc/[0-9]*/exe; do
    [ "$(readlink "$exe" 2>/dev/null)" = "$root/root/velmora/build/bin/velmora" ] && return 0
  done
  return 1
}
stop_program() {
  local exe
  for exe in /proc/[0-9]*/exe; do
    if [ "$(readlink "$exe" 2>/dev/null)" = "$root/root/velmora/build/bin/velmora" ]; then
      exe=${exe#/proc/}
      kill "${exe%/exe}" 2>/dev/null || true
    fi
  done
}

# scripts/run.sh ends by starting the program; there is no screen here, so
# it draws offscreen, and it counts as started once it has stayed up for
# run_seconds. The time reported is up to the program's start.
run_log=$root/run.log
started=$(stamp)
in_root "$run_log" "QT_QPA_PLATFORM=offscreen scripts/run.sh" &
run_pid=$!
until program_running; do
  if ! kill -0 "$run_pid" 2>/dev/null; then
    wait "$run_pid" || true
    report_failure scripts/run.sh "$run_log"
    exit 1
  fi
  sleep 1
done
run_took=$(($(stamp) - started))
sleep "$run_seconds"
if ! program_running; then
  report_failure "scripts/run.sh (the program did not stay up)" "$run_log"
  exit 1
fi
stop_program
wait "$run_pid" || true
echo "fresh machine check: scripts/run.sh took $run_took s to the program's start"
[ "$run_only" = 1 ] && exit 0

test_log=$root/test.log
started=$(stamp)
if ! in_root "$test_log" "CI=true scripts/test.sh"; then
  report_failure scripts/test.sh "$test_log"
  exit 1
fi
echo "fresh machine check: scripts/test.sh took $(($(stamp) - started)) s"
grep -E '^test: |tests passed|^fuzz: ' "$test_log" | tail -n 12
echo "fresh machine check: both README commands passed"
