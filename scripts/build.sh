#!/usr/bin/env bash
# Sets up, configures and builds Velmora in build/ (shared by run.sh and
# test.sh): build.sh [TARGET...]; no target builds everything.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
source scripts/ccache-env.sh
bash scripts/configure.sh build
targets=()
for target in "$@"; do targets+=(--target "$target"); done
echo "build: building ${*:-everything} in build/ (this takes a few minutes the first time)"
cmake --build build "${targets[@]}"
