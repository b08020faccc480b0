#!/usr/bin/env bash
# Configures a build folder: configure.sh BUILD_DIR [cmake options...].
# run.sh and test.sh configure build/ alike, so a test run after the program's
# first start rebuilds nothing the program already built. With ccache present,
# compiled objects are also shared between build folders and clones: paths are
# hashed relative to the checkout.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="$1"
shift
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_WERROR=ON "${launcher[@]}" "$@" >/dev/null
