#!/usr/bin/env bash
# Installs the Debian packages Velmora needs to build, test and run.
# Idempotent: only packages that are missing are installed. Works as root
# and through sudo.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev
  xvfb xauth imagemagick poppler-utils hyperfine
  fonts-arphic-uming fonts-arphic-ukai fonts-noto-cjk
  clang libclang-rt-14-dev
  # The fuzz targets (scripts/fuzz.sh): clang 16 with libFuzzer; llvm-symbolizer
  # for readable sanitizer reports.
  clang-16 libclang-rt-16-dev llvm
  # The load run's peak-memory figure (/usr/bin/time -v).
  time
  # Rebuilds reuse what an earlier build compiled.
  ccache
  # The stacking and focus tests run the program under a real window manager.
  openbox xdotool wmctrl x11-utils
  # Birth moments: the zones' history (QTimeZone reads the system zoneinfo).
  tzdata
  # 简体 on screen: OpenCC's library, its t2s/s2t dictionaries and the opencc tool
  # the vocabulary list was generated with.
  libopencc-dev libopencc-data opencc
  # The case library (Cases.sqlite): Qt SQL's SQLite driver, whose SQLite has FTS5.
  libqt6sql6-sqlite
  # Qt's own buttons and file dialogs in Chinese (qtbase_zh_TW / zh_CN).
  qt6-translations-l10n
  # The package check (check_package.sh) and the clean-root check; also named
  # in commands.txt, listed here so the list reads whole.
  desktop-file-utils appstream lintian debootstrap
  # node runs tests/calendar/reference/make_four_pillars.mjs, the reference
  # generator run by hand.
  nodejs
)
# The packages of every command the scripts and tests run (scripts/commands.txt).
while read -r command package _; do
  [[ -z $command || $command == \#* ]] && continue
  packages+=("$package")
done <"$(dirname "${BASH_SOURCE[0]}")/commands.txt"

# One dpkg-query for all: the check runs before every build and must be quick.
mapfile -t wanted < <(printf '%s\n' "${packages[@]}" | sort -u)
# dpkg-query fails when any package is unknown to it: that is the missing case.
installed=" $( (dpkg-query -W -f='${Package}:${Status}\n' "${wanted[@]}" 2>/dev/null || true) |
  sed -n 's/^\([^:]*\):install ok installed$/\1/p' | tr '\n' ' ') "
missing=()
for package in "${wanted[@]}"; do
  [[ $installed == *" $package "* ]] || missing+=("$package")
done

if [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "setup: these packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
  exit 1
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
echo "setup: reading the package lists"
"${as_root[@]}" apt-get update -qq
# Unpacking a few hundred packages takes minutes: let apt show each step.
"${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
