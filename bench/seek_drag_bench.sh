#!/bin/sh
# The window's longest stall while its seek slider is dragged across a one-minute two-channel
# recording (front 1920x1080, rear 1280x720, 30 fps, AAC sound) in 60 steps, offscreen. The
# machine's load is printed first: the stall is a wall-clock figure; cpu_s is the process's.
# usage: bench/seek_drag_bench.sh [BUILD]
set -eu
build=${1:-build}
data="$build/bench-data"
mkdir -p "$data"
file="$data/two-channel-aac-60s.avi"
if [ ! -f "$file" ]; then
  "$build/bin/dashcam-sim" recording "$file.tmp" --channels 2 --seconds 60 \
    --front 1920x1080 --rear 1280x720 --fps 30 --audio aac >/dev/null
  mv "$file.tmp" "$file"
fi
echo "load	$(cut -d' ' -f1-3 /proc/loadavg)"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/bin/seek_drag_watchdog" "$file"
