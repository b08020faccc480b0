#!/usr/bin/env bash
# Sets up, builds only the programs (and the files beside them) and starts Velmora.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/check_commands.sh run
# The check's own test stops here: everything needed is present.
[ "${VELMORA_CHECK_ONLY:-0}" = 1 ] && exit 0
bash scripts/build.sh velmora velmora-chart velmora-chart-draw velmora_data
exec build/bin/velmora "$@"
