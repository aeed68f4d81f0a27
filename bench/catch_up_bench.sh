#!/bin/sh
# How far the pictures drift from the sound's clock at double speed on a loaded machine, without
# and with catching up: vantrel-cli play of a two-channel recording (front 1920x1080, rear
# 1280x720, 30 fps, AAC sound) at rate 2 with its sound driving the clock, once with
# --no-catch-up and once without, while busy loops (one per core, by default) load the machine.
# The two runs alternate ROUNDS times and both figures are printed side by side: av_sync_max_ms
# (how far, at most, a presented picture stood from the sound's clock), and the pictures
# presented, passed over (dropped) and skipped undecoded. The recording's key frames come a second
# apart: with catching up, av_sync_max_ms stays near that second (plus a picture's decoding);
# without, it grows for as long as decoding cannot keep pace. Without a sound card the sound plays
# on the silent real-time device. The recording is kept in BUILD/bench-data.
# usage: bench/catch_up_bench.sh [BUILD] [PLAY_MS] [ROUNDS] [BUSY_LOOPS]
set -eu
build=${1:-build}
play_ms=${2:-20000}
rounds=${3:-2}
loops=${4:-$(nproc)}
bin="$build/bin"
data="$build/bench-data"
mkdir -p "$data"
file=$(sh "$(dirname "$0")/two_channel_recording.sh" "$build")

busy=""
stop_busy() {
  for pid in $busy; do kill "$pid" 2>/dev/null || true; done
}
trap stop_busy EXIT INT TERM
echo "load_before	$(cut -d' ' -f1-3 /proc/loadavg)"
i=0
while [ "$i" -lt "$loops" ]; do
  sh -c 'while :; do :; done' &
  busy="$busy $!"
  i=$((i + 1))
done
echo "busy_loops	$loops"

play() {  # output file, options...
  out=$1
  shift
  "$bin/vantrel-cli" play "$file" --rate 2 --sound --for "$play_ms" "$@" >"$out"
}
round=1
while [ "$round" -le "$rounds" ]; do
  play "$data/catch-up-off.$round.txt" --no-catch-up
  play "$data/catch-up-on.$round.txt"
  round=$((round + 1))
done
echo "load_during	$(cut -d' ' -f1-3 /proc/loadavg)"
stop_busy
busy=""

printf 'round\tfigure\tcatch_up_off\tcatch_up_on\n'
round=1
while [ "$round" -le "$rounds" ]; do
  for figure in av_sync_max_ms presented dropped skipped position_ms; do
    off=$(sed -n "s/^$figure\t//p" "$data/catch-up-off.$round.txt")
    on=$(sed -n "s/^$figure\t//p" "$data/catch-up-on.$round.txt")
    printf '%s\t%s\t%s\t%s\n' "$round" "$figure" "${off:--}" "${on:--}"
  done
  round=$((round + 1))
done
