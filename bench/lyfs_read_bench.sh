#!/usr/bin/env bash
# Reading a 200 MB recording through the LyFS library against `cat` of the same card image, as
# whole processes: `vantrel-cli lyfs get` (File_Read in 262144-byte blocks, plus the tool's own
# start-up, which loads every library the viewer uses) against `cat`. Each first runs once to
# warm the page cache, then the best of three warm runs counts for both, so neither waits on the
# disk and a moment's load on a shared machine does not decide the comparison.
# bench/lyfs_read_bench.cpp measures the library itself, in-process, against the same cat.
# Usage: bench/lyfs_read_bench.sh [BUILD_DIR]   (default: build; vantrel-cli must be built)
set -euo pipefail
build=${1:-build}
cli=$build/bin/vantrel-cli
[ -x "$cli" ] || { echo "lyfs_read_bench: $cli not built" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
image=$work/card.img
recording=$work/REC_20140101_120000.avi
file_bytes=200000000

# A card image whose every byte is really stored (no holes), so cat reads what the library reads.
head -c 512M /dev/zero > "$image"
"$cli" lyfs format "$image" --model KT410A > /dev/null
head -c "$file_bytes" /dev/urandom > "$recording"
"$cli" lyfs put "$image" INFINITE "$recording" > /dev/null
rm -f "$recording"
image_bytes=$(stat -c %s "$image")

# Seconds taken by a command, with microsecond resolution.
elapsed() {
  local start=$EPOCHREALTIME
  "$@"
  local end=$EPOCHREALTIME
  echo "$start $end" | awk '{ printf "%.6f", $2 - $1 }'
}
read_lyfs() { "$cli" lyfs get "$image" /INFINITE/REC_20140101_120000.avi /dev/null; }
read_cat() { cat "$image" > /dev/null; }

# The best of three warm runs, after one that warms the cache.
best_of_three() {
  elapsed "$@" > /dev/null
  local best=999999
  for _ in 1 2 3; do
    local seconds
    seconds=$(elapsed "$@")
    best=$(echo "$best $seconds" | awk '{ print ($2 < $1) ? $2 : $1 }')
  done
  echo "$best"
}
lyfs_seconds=$(best_of_three read_lyfs)
cat_seconds=$(best_of_three read_cat)

awk -v lb="$file_bytes" -v ls="$lyfs_seconds" -v cb="$image_bytes" -v cs="$cat_seconds" 'BEGIN {
  lyfs = lb / ls / 1e6; cat = cb / cs / 1e6
  printf "lyfs_read\t%d bytes\t%.3f s\t%.0f MB/s\n", lb, ls, lyfs
  printf "cat\t%d bytes\t%.3f s\t%.0f MB/s\n", cb, cs, cat
  printf "ratio\t%.0f %%\n", 100 * lyfs / cat
}'
