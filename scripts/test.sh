#!/usr/bin/env bash
# Sets up, builds (warnings are errors) and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh -DVELMORA_WERROR=ON
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure --timeout 600 -j "$(nproc)"
