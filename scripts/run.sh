#!/usr/bin/env bash
# Sets up, builds only the programs (and the files beside them) and starts Velmora.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh velmora velmora-chart velmora-chart-draw velmora_data
exec build/bin/velmora "$@"
