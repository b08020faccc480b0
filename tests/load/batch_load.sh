#!/usr/bin/env bash
# COUNT random queries through velmora-chart --batch, every answer parsed and
# checked against the chart's rules; prints the throughput and the tool's
# peak memory. Exits non-zero on any bad answer or a failed run.
# usage: tests/load/batch_load.sh BUILD_DIR [COUNT] [--names]
set -euo pipefail
build="$1"
count="${2:-100000}"
names="${3:-}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

"$build/bin/load_batch_check" --queries "$count" > "$work/queries"
timer=()
[ -x /usr/bin/time ] && timer=(/usr/bin/time -v -o "$work/time")
start=$(date +%s.%N)
"${timer[@]}" "$build/bin/velmora-chart" $names --batch "$work/queries" \
  | "$build/bin/load_batch_check" --check "$count"
end=$(date +%s.%N)
awk -v n="$count" -v a="$start" -v b="$end" 'BEGIN { printf "batch load: %d queries in %.1f s, %.0f queries/s\n", n, b - a, n / (b - a) }'
if [ -f "$work/time" ]; then
  grep -E 'Maximum resident' "$work/time" | sed 's/^\s*/batch load: velmora-chart /'
fi
