#!/usr/bin/env bash
# Times velmora-chart --batch over 100,000 random queries (fixed seed), the
# whole process, JSON Lines to /dev/null.
# usage: bench/tools/batch_bench.sh [BUILD_DIR] [COUNT] [OPTIONS, e.g. "--jobs 2"]
# With BEFORE_TOOL=/path/to/an/older/velmora-chart the older tool is timed in
# the same run on the same queries, for a before and after: ROUNDS (default
# 20) alternating runs of each (bench/tools/alternate_runs.py).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-$here/../../build}"
count="${2:-100000}"
options="${3:-}"
tool="$build/bin/velmora-chart"
queries="$(mktemp --suffix=.txt)"
trap 'rm -f "$queries"' EXIT

python3 "$here/make_batch.py" "$count" > "$queries"
echo "queries: $count in $queries"
/usr/bin/time -v "$tool" $options --batch "$queries" > /dev/null 2> "$queries.time" || true
grep -E 'Elapsed|User time|System time|Maximum resident' "$queries.time"
seconds=$(awk -F': ' '/Elapsed/ {n = split($2, t, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + t[i]; print s}' "$queries.time")
awk -v n="$count" -v s="$seconds" 'BEGIN { if (s > 0) printf "charts per second: %.0f\n", n / s }'
rm -f "$queries.time"
if [ -n "${BEFORE_TOOL:-}" ]; then
  # Alternating runs, ROUNDS (default 20) of each, compared by their medians.
  python3 "$here/alternate_runs.py" "${ROUNDS:-20}" "$queries" "$BEFORE_TOOL" "$tool" $options
fi
if command -v hyperfine > /dev/null; then
  hyperfine --warmup 1 --runs 5 "$tool $options --batch $queries" "$tool $options --names --batch $queries" --output=null
fi
