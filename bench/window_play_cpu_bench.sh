#!/bin/sh
# CPU time of the viewer's window playing a two-channel recording (front 1920x1080, rear
# 1280x720, 30 fps, AAC sound) at normal speed, showing the front channel as it opens and then
# both channels, beside ffmpeg doing the comparable work in real time: `ffmpeg -re` decoding
# both video streams and scaling each to 640x360 BGRA (bilinear, as the viewer scales). Each
# runs for the same seconds, one after the other; the window runs under Xvfb (its own display
# unless DISPLAY is set), so painting goes through an X server. Prints the machine's load, the
# CPU figures (user and system seconds) and the viewer's ratios to ffmpeg's; then ffmpeg again
# scaling to the size of the viewer's surfaces with both channels shown, and that ratio.
# usage: bench/window_play_cpu_bench.sh [BUILD] [SECONDS]
set -eu
build=${1:-build}
seconds=${2:-30}
data="$build/bench-data"
mkdir -p "$data"
file=$(sh "$(dirname "$0")/two_channel_recording.sh" "$build")
echo "load	$(cut -d' ' -f1-3 /proc/loadavg)"

window() {  # front|all
  if [ -n "${DISPLAY:-}" ]; then
    "$build/bin/window_play_cpu" "$file" "$seconds" "$1" >"$data/window-$1.out"
  else
    xvfb-run -a -s "-screen 0 1920x1080x24" \
      "$build/bin/window_play_cpu" "$file" "$seconds" "$1" >"$data/window-$1.out"
  fi
  sed "s/^/viewer-$1\t/" "$data/window-$1.out"
}
window front
window all

# -t stops ffmpeg after the same seconds of the recording, which -re plays in real time.
ffmpeg_cpu() {  # WIDTH:HEIGHT; prints user and system seconds
  /usr/bin/time -f "%U %S" -o "$data/ffmpeg.time" ffmpeg -v error -re -i "$file" -t "$seconds" \
    -filter_complex \
    "[0:v:0]scale=$1:flags=bilinear,format=bgra[a];[0:v:1]scale=$1:flags=bilinear,format=bgra[b]" \
    -map "[a]" -map "[b]" -f null -
  awk '{ printf "%.2f", $1 + $2 }' "$data/ffmpeg.time"
}
ratio() {  # VIEWER_OUTPUT FFMPEG_SECONDS
  viewer=$(sed -n 's/^cpu_s\t//p' "$1")
  echo "scale=2; $viewer / $2" | bc
}
ffmpeg=$(ffmpeg_cpu 640:360)
echo "ffmpeg	seconds	$seconds"
echo "ffmpeg	cpu_s	$ffmpeg"
for channels in front all; do
  echo "ratio-$channels	$(ratio "$data/window-$channels.out" "$ffmpeg")"
done
# The same at the size of the viewer's two surfaces: swscale's cost depends on the size (an odd
# width takes a slower path), so this is the like-for-like figure for both channels shown.
size=$(sed -n 's/^surface_1\t\([0-9]*\)x\([0-9]*\)$/\1:\2/p' "$data/window-all.out")
ffmpeg_surface=$(ffmpeg_cpu "$size")
echo "ffmpeg-$size	cpu_s	$ffmpeg_surface"
echo "ratio-all-$size	$(ratio "$data/window-all.out" "$ffmpeg_surface")"
