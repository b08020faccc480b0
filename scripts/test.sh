#!/usr/bin/env bash
# Sets up, builds (warnings are errors) and runs every test through CTest;
# then the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-asan/, where any report fails; then each fuzz target for 30 seconds.
# Between the two, the Debian package is built and checked (check_package.sh).
# VELMORA_FUZZ_SECONDS changes the fuzzing time (0 skips it).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/check_commands.sh test
# The check's own test stops here: everything needed is present.
[ "${VELMORA_CHECK_ONLY:-0}" = 1 ] && exit 0

# Each part says how long it took, so a slow CI run shows where the time went.
part_started=$SECONDS
part_done() { echo "test: $1 took $((SECONDS - part_started)) s"; part_started=$SECONDS; }

bash scripts/build.sh
part_done "building build/"
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure --timeout 600 -j "$(nproc)")
part_done "the suite"

echo "test: the Debian package (build/velmora_*.deb)"
bash scripts/check_package.sh
part_done "the package check"

echo "test: the suite under ASan + UBSan (build-asan/)"
source scripts/ccache-env.sh
bash scripts/configure.sh build-asan -DVELMORA_SANITIZE=ON -DVELMORA_BUILD_BENCH=OFF
cmake --build build-asan
part_done "building build-asan/"
(
  export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1"
  export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
  export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
  # The in-process load run's million charts are run above; a tenth is enough here.
  export VELMORA_LOAD_CHARTS=100000
  cd build-asan && ctest --output-on-failure --timeout 900 -j "$(nproc)"
)
part_done "the suite under ASan + UBSan"

seconds="${VELMORA_FUZZ_SECONDS:-30}"
if [ "$seconds" -gt 0 ]; then
  for target in ProperN Mia Four User query search cases; do
    bash scripts/fuzz.sh "$target" "$seconds"
  done
  part_done "building and running the fuzz targets"
fi
