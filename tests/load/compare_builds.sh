#!/usr/bin/env bash
# Compares the JSON two builds of velmora-chart write for the same seeded batch of
# random queries (bench/tools/make_batch.py: births and shown moments in 1901..2099,
# half of them with a layer), byte for byte. A change that must leave every chart of
# those years as it was passes only with identical output.
# usage: tests/load/compare_builds.sh BEFORE_TOOL AFTER_TOOL [COUNT] [SEED]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
before="$1"
after="$2"
count="${3:-100000}"
seed="${4:-20240607}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

python3 "$here/../../bench/tools/make_batch.py" "$count" "$seed" > "$work/queries.txt"
"$before" --batch "$work/queries.txt" > "$work/before.jsonl"
"$after" --batch "$work/queries.txt" > "$work/after.jsonl"
lines=$(wc -l < "$work/after.jsonl")
echo "queries: $count (seed $seed), lines: $(wc -l < "$work/before.jsonl") before, $lines after"
if cmp -s "$work/before.jsonl" "$work/after.jsonl"; then
  echo "identical: $(sha256sum < "$work/after.jsonl" | cut -c1-16)"
  exit 0
fi
first=$(cmp "$work/before.jsonl" "$work/after.jsonl" | awk '{print $NF}')
echo "differ: $(diff "$work/before.jsonl" "$work/after.jsonl" | grep -c '^>') lines, the first at line $first"
echo "query: $(sed -n "${first}p" "$work/queries.txt")"
exit 1
