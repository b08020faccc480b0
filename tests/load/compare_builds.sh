#!/usr/bin/env bash
# Compares the JSON two builds of velmora-chart write for the same seeded batch of
# random queries (bench/tools/make_batch.py: births and shown moments in 1901..2099,
# half of them with a layer), byte for byte. The one key a newer build may add,
# "uncertainDay":true on a day of 2057-09 or 2097-07, is counted and taken out before
# the comparison; every other byte must agree.
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
flagged=$(grep -c '"uncertainDay":true' "$work/after.jsonl" || true)
sed 's/,"uncertainDay":true//g' "$work/after.jsonl" > "$work/after-unflagged.jsonl"
echo "queries: $count (seed $seed), lines: $(wc -l < "$work/before.jsonl") before, $(wc -l < "$work/after.jsonl") after"
echo "lines carrying \"uncertainDay\":true: $flagged"
if cmp -s "$work/before.jsonl" "$work/after-unflagged.jsonl"; then
  echo "identical but for that key: $(sha256sum < "$work/before.jsonl" | cut -c1-16)"
  exit 0
fi
first=$(cmp "$work/before.jsonl" "$work/after-unflagged.jsonl" | awk '{print $NF}' || true)
echo "differ: $(diff "$work/before.jsonl" "$work/after-unflagged.jsonl" | grep -c '^>' || true) lines, the first at line $first"
echo "query: $(sed -n "${first}p" "$work/queries.txt")"
exit 1
