#!/usr/bin/env bash
# Times building the programs scripts/run.sh builds, from a clean folder with
# ccache off, for two commits in one run on this machine: wall time and the
# compile CPU seconds (user + system of every compiler and linker).
#
# usage: bench/build/build_time.sh [BASE_COMMIT [NEW_COMMIT]]
#   defaults: b4b39fa (before the build was made faster) and HEAD.
#   JOBS=N sets the build's parallelism (default: nproc).
set -euo pipefail
cd "$(dirname "$0")/../.."
readonly repo=$PWD
readonly base=${1:-b4b39fa}
readonly new=${2:-HEAD}
readonly jobs=${JOBS:-$(nproc)}
readonly targets=(velmora velmora-chart velmora-chart-draw velmora_data)

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

time_commit() { # name commit
  local dir=$scratch/$1
  git clone -q --no-local "$repo" "$dir"
  git -C "$dir" checkout -q "$2"
  (cd "$dir" && CCACHE_DISABLE=1 bash scripts/configure.sh build)
  local targs=()
  for target in "${targets[@]}"; do targs+=(--target "$target"); done
  local started=$SECONDS
  CCACHE_DISABLE=1 /usr/bin/time -f '%U %S' -o "$scratch/$1.cpu" cmake --build "$dir/build" -j "$jobs" "${targs[@]}" >"$scratch/$1.log"
  local wall=$((SECONDS - started))
  read -r user system <"$scratch/$1.cpu"
  local steps
  steps=$(grep -c '^\[' "$scratch/$1.log" || true)
  printf '%-6s %-12s wall %5d s   compile CPU %7.1f s   %d steps\n' "$1" "$(git -C "$dir" rev-parse --short HEAD)" \
    "$wall" "$(awk -v u="$user" -v s="$system" 'BEGIN {print u + s}')" "$steps"
  echo "$wall" >"$scratch/$1.wall"
}

time_commit before "$base"
time_commit after "$new"
awk -v a="$(cat "$scratch/after.wall")" -v b="$(cat "$scratch/before.wall")" 'BEGIN {printf "after/before wall: %.2f\n", a / b}'
