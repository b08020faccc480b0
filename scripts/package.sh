#!/usr/bin/env bash
# Builds the Debian package velmora_VERSION_ARCH.deb in build/ from the
# install rules (CPack's DEB generator) and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh velmora velmora-chart velmora-chart-draw velmora_data velmora_manuals
(cd build && cpack -G DEB >/dev/null)
ls build/velmora_*.deb
