#!/bin/sh
# The window's longest stall while its seek slider is dragged across a one-minute two-channel
# recording (front 1920x1080, rear 1280x720, 30 fps, AAC sound) in 60 steps, offscreen. The
# machine's load is printed first: the stall is a wall-clock figure; cpu_s is the process's.
# usage: bench/seek_drag_bench.sh [BUILD]
set -eu
build=${1:-build}
file=$(sh "$(dirname "$0")/two_channel_recording.sh" "$build")
echo "load	$(cut -d' ' -f1-3 /proc/loadavg)"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/bin/seek_drag_watchdog" "$file"
