#!/bin/sh
# Makes, once, the recording the playback benchmarks share: SECONDS long (a minute unless said),
# front 1920x1080, rear 1280x720, 30 fps, AAC sound, key frames a second apart, kept in
# BUILD/bench-data; prints its path.
# usage: bench/two_channel_recording.sh BUILD [SECONDS]
set -eu
build=$1
seconds=${2:-60}
data="$build/bench-data"
mkdir -p "$data"
file="$data/two-channel-aac-${seconds}s.avi"
if [ ! -f "$file" ]; then
  "$build/bin/dashcam-sim" recording "$file.tmp" --channels 2 --seconds "$seconds" \
    --front 1920x1080 --rear 1280x720 --fps 30 --audio aac >/dev/null
  mv "$file.tmp" "$file"
fi
echo "$file"
