#!/usr/bin/env bash
# Builds the fuzz targets once (clang 16: clang 14 cannot compile the name
# list under C++20; libFuzzer, ASan + UBSan) in build-fuzz/
# and runs one of them for SECONDS, starting from the committed seeds in
# fuzz/corpus/TARGET and the inputs earlier runs found (build-fuzz/corpus/).
# Exits non-zero on any crash, sanitizer report, leak or timeout; the input
# that caused it is left in build-fuzz/artifacts/TARGET/.
#
# usage: scripts/fuzz.sh TARGET SECONDS [libFuzzer options...]
#        TARGET: ProperN, Mia, Four, User, query, search or cases
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$#" -lt 2 ]; then
  echo "usage: scripts/fuzz.sh ProperN|Mia|Four|User|query|search|cases SECONDS [libFuzzer options...]" >&2
  exit 2
fi
target="$1"
seconds="$2"
shift 2
case "$target" in
  ProperN|Mia|Four|User|query|search|cases) ;;
  *) echo "fuzz: unknown target '$target' (ProperN, Mia, Four, User, query, search or cases)" >&2; exit 2 ;;
esac

build="${VELMORA_FUZZ_BUILD:-build-fuzz}"
if [ ! -f "$build/build.ninja" ]; then
  bash scripts/setup.sh
  source scripts/ccache-env.sh
  launcher=()
  if command -v ccache >/dev/null 2>&1; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
    -DCMAKE_CXX_COMPILER=clang++-16 -DVELMORA_FUZZ=ON -DVELMORA_BUILD_BENCH=OFF >/dev/null
fi
mkdir -p "$build"
if ! cmake --build "$build" --target "fuzz_$target" >"$build/fuzz-build.log" 2>&1; then
  tail -n 40 "$build/fuzz-build.log" >&2
  echo "fuzz: building fuzz_$target failed" >&2
  exit 1
fi

corpus="$build/corpus/$target"
artifacts="$build/artifacts/$target"
mkdir -p "$corpus" "$artifacts"
export ASAN_OPTIONS="${ASAN_OPTIONS:-halt_on_error=1:abort_on_error=1:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp:print_suppressions=0}"
export QT_QPA_PLATFORM=offscreen

echo "fuzz: $target for ${seconds}s"
# Inputs up to 4 KB (the shipped files are under 1 KB); one input may take at
# most 10 s; memory growth past 2 GB is a fault too.
"$build/bin/fuzz_$target" "$corpus" "fuzz/corpus/$target" \
  -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$artifacts/" "$@" 2>"$build/fuzz-$target.log" || {
    status=$?
    tail -n 60 "$build/fuzz-$target.log" >&2
    echo "fuzz: $target FAILED (exit $status); input in $artifacts/" >&2
    exit "$status"
  }
grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units|stat::peak_rss_mb)' "$build/fuzz-$target.log" || true
echo "fuzz: $target passed"
