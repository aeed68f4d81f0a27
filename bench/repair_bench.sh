#!/bin/sh
# Throughput of vantrel-cli repair against cp and ffmpeg's stream copy, side by side in one run,
# on an audio-less and an interrupted 1920x1080 recording (warm cache, best of 7 rounds, each
# output removed before its run so no tool pays for truncating the last one). Two forms are
# timed: raw, the rebuild from the two part files (`repair HDLR MOVI OUT ...`), and whole,
# `repair FILE OUT`, which decides and rebuilds straight from the recording. vantrel-cli's own
# start is timed too, as `vantrel-cli repair` without arguments, and the raw form less that start
# is shown beside it. The machine's load is printed first: the figures mean little on a busy
# machine. The recordings take minutes to encode, so they are kept in BUILD/bench-data.
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

le32() {  # file, offset
  od -An -tu4 -j "$2" -N4 "$1" | tr -d ' '
}

timed() {  # output, command...; prints the wall time in seconds
  output=$1
  shift
  rm -f "$output"
  start=$(date +%s.%N)
  "$@" >/dev/null 2>&1 || true
  end=$(date +%s.%N)
  rm -f "$output"
  echo "$start $end" | awk '{print $2 - $1}'
}

least() {  # a, b
  echo "$1 $2" | awk '{print ($1 < $2) ? $1 : $2}'
}

echo "load $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores"
for kind in audio-less interrupted; do
  if [ "$kind" = interrupted ]; then file=$(make_recording "$kind" --interrupted);
  else file=$(make_recording "$kind" ""); fi
  header_end=$((20 + $(le32 "$file" 16)))
  head -c "$header_end" "$file" >"$work/hdlr"
  # In large writes, as the viewer writes its part files: how a file was written decides the
  # size of its pages in the cache, and with it the cost of every later copy of it.
  dd if="$file" of="$work/movi" bs=4M iflag=skip_bytes skip="$header_end" status=none
  riff_size=$(le32 "$file" 4)
  sync "$work/hdlr" "$work/movi"  # written back now, not while the tools are timed
  cat "$file" "$work/hdlr" "$work/movi" >/dev/null
  mb=$(stat -c %s "$file" | awk '{print $1 / 1e6}')
  out="$work/out.avi"
  # Round by round, every tool once a round, so a change in the machine's load touches all alike.
  copy=1e9 raw=1e9 whole=1e9 launch=1e9 ffmpeg_time=1e9
  for round in 1 2 3 4 5 6 7; do
    copy=$(least "$copy" "$(timed "$out" cp "$file" "$out")")
    raw=$(least "$raw" "$(timed "$out" "$bin/vantrel-cli" repair "$work/hdlr" "$work/movi" "$out" \
      --audio-less 1 --riff-size "$riff_size")")
    whole=$(least "$whole" "$(timed "$out" "$bin/vantrel-cli" repair "$file" "$out")")
    launch=$(least "$launch" "$(timed "$out" "$bin/vantrel-cli" repair)")
    ffmpeg_time=$(least "$ffmpeg_time" \
      "$(timed "$out" ffmpeg -v error -y -i "$file" -c copy -copy_unknown "$out")")
  done
  echo "$kind $mb $copy $raw $whole $ffmpeg_time $launch" | awk '{
    printf "%s\t%.1f MB\tcp %.0f MB/s\traw %.0f MB/s (%.2f x cp)\twhole %.0f MB/s (%.2f x cp)\tffmpeg %.0f MB/s (%.2f x cp)\tstart %.0f ms\traw less start %.2f x cp\n",
           $1, $2, $2 / $3, $2 / $4, $3 / $4, $2 / $5, $3 / $5, $2 / $6, $3 / $6, $7 * 1000, $3 / ($4 - $7) }'
done
