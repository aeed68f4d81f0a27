#!/bin/sh
# Whole-process throughput of vantrel-cli repair against cp and ffmpeg's stream copy, side by
# side in one run, on an audio-less and an interrupted 1920x1080 recording (warm cache, best of
# 3). The recordings take minutes to encode, so they are kept in BUILD/bench-data.
# usage: bench/repair_bench.sh [BUILD] [SECONDS]
set -eu
build=${1:-build}
seconds=${2:-60}
bin="$build/bin"
data="$build/bench-data"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$data"

make_recording() {  # name, extra options
  file="$data/$1-${seconds}s.avi"
  if [ ! -f "$file" ]; then
    "$bin/dashcam-sim" recording "$file.tmp" --seconds "$seconds" --front 1920x1080 \
      --audio none $2 >/dev/null
    mv "$file.tmp" "$file"
  fi
  echo "$file"
}

best_of_3() {  # command...; prints the best wall time in seconds
  best=""
  for run in 1 2 3; do
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s.%N)
    best=$(echo "$start $end ${best:-1e9}" | awk '{t = $2 - $1; print (t < $3) ? t : $3}')
  done
  echo "$best"
}

for kind in audio-less interrupted; do
  if [ "$kind" = interrupted ]; then file=$(make_recording "$kind" --interrupted);
  else file=$(make_recording "$kind" ""); fi
  cat "$file" >/dev/null
  mb=$(stat -c %s "$file" | awk '{print $1 / 1e6}')
  repair=$(best_of_3 "$bin/vantrel-cli" repair "$file" "$work/out.avi")
  copy=$(best_of_3 cp "$file" "$work/copy.avi")
  ffmpeg_time=$(best_of_3 ffmpeg -v error -y -i "$file" -c copy -copy_unknown "$work/ff.avi")
  echo "$kind $mb $repair $copy $ffmpeg_time" | awk '{
    printf "%s\t%.1f MB\trepair %.0f MB/s\tcp %.0f MB/s\tffmpeg %.0f MB/s\trepair/cp %.2f\n",
           $1, $2, $2 / $3, $2 / $4, $2 / $5, $4 / $3 }'
done
