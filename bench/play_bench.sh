#!/bin/sh
# Headless playback of a two-channel recording (front 1920x1080, rear 1280x720, 30 fps, AAC
# sound): vantrel-cli play at normal and double speed on the system clock for 30 s (pictures
# presented and dropped, peak memory from /usr/bin/time -v), then the whole recording with its
# sound driving the clock at both speeds (av_sync_max_ms: how far, at most, a presented picture
# stood from the sound's clock), then the decoding benchmark beside ffmpeg. Without a sound card
# the sound plays on the silent real-time device. The machine's load is printed first: the
# figures mean little on a busy machine. The recording is kept in BUILD/bench-data.
# usage: bench/play_bench.sh [BUILD] [SECONDS]
set -eu
build=${1:-build}
seconds=${2:-60}
bin="$build/bin"
data="$build/bench-data"
mkdir -p "$data"
file=$(sh "$(dirname "$0")/two_channel_recording.sh" "$build" "$seconds")

echo "load	$(cut -d' ' -f1-3 /proc/loadavg)"
play() {  # label, options...
  label=$1
  shift
  /usr/bin/time -v "$bin/vantrel-cli" play "$file" "$@" 2>"$data/time.log" | sed "s/^/$label\t/"
  rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$data/time.log")
  echo "$label	peak_mb	$((rss / 1024))"
}
play "clock-1.0" --rate 1 --for 30000
play "clock-2.0" --rate 2 --for 30000
play "sound-1.0" --rate 1 --sound
play "sound-2.0" --rate 2 --sound
"$(dirname "$0")/decode_bench.sh" "$build" "$file"
