#!/usr/bin/env bash
# Configures and builds Velmora in build/ (shared by run.sh and test.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
launcher=()
# A rebuild after a fresh clone or a branch switch compiles only what changed.
# Paths are hashed relative to the checkout, so another clone hits the cache too.
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
cmake --build build
