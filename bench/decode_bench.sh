#!/bin/sh
# Decoding speed of vantrel-cli bench-decode beside ffmpeg doing the same work on the same file:
# every picture of both channels scaled to 960x540 BGRA. Usage: decode_bench.sh BUILD_DIR FILE
set -eu
build=$1
file=$2
"$build/bin/vantrel-cli" bench-decode "$file" 2>/dev/null | sed 's/^/vantrel\t/'
start=$(date +%s.%N)
ffmpeg -v error -i "$file" -filter_complex \
  "[0:v:0]scale=960:540,format=bgra[a];[0:v:1]scale=960:540,format=bgra[b]" \
  -map "[a]" -map "[b]" -f null - 
end=$(date +%s.%N)
frames=$(ffprobe -v error -count_packets -show_entries stream=nb_read_packets -select_streams v \
  -of csv=p=0 "$file" | paste -sd+ | bc)
echo "ffmpeg	frames	$frames"
echo "ffmpeg	fps	$(echo "scale=1; $frames / ($end - $start)" | bc)"
