#!/usr/bin/env bash
# Times decoding a 10-minute 44.1 kHz stereo MP3 and WAV through the audio-file component (one-second blocks)
# beside `ffmpeg -i F -f null -` in the same run, prints the time ratios (goal <= 1.1), then measures the peak
# memory of reading a one-hour WAV (goal < 100 MB).
# Usage: bench/reader/run-reader-bench.sh BUILD_DIR   (configured with -DTONALITH_BUILD_BENCH=ON)
set -euo pipefail
build_dir=${1:?usage: $0 BUILD_DIR}
bench="$build_dir/bench/reader/reader_bench"
[ -x "$bench" ] || cmake --build "$build_dir" --target reader_bench
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

tone="sine=frequency=997:sample_rate=44100:duration=%s,pan=stereo|c0=c0|c1=0.5*c0"
# shellcheck disable=SC2059
ffmpeg -v error -f lavfi -i "$(printf "$tone" 600)" -b:a 128k "$work/ten.mp3"
# shellcheck disable=SC2059
ffmpeg -v error -f lavfi -i "$(printf "$tone" 600)" -c:a pcm_s16le "$work/ten.wav"

seconds() { # best of three runs of a command, in seconds
    local best=""
    for _ in 1 2 3; do
        local start end
        start=$(date +%s.%N)
        "$@" >/dev/null 2>&1
        end=$(date +%s.%N)
        best=$(echo "$end - $start" | bc -l | awk -v b="$best" '{ if (b == "" || $1 < b) print $1; else print b }')
    done
    echo "$best"
}

for file in "$work/ten.mp3" "$work/ten.wav"; do
    ours=$(seconds "$bench" "$file")
    theirs=$(seconds ffmpeg -v error -threads 2 -i "$file" -f null -)
    printf '%s: tonalith %.3f s, ffmpeg %.3f s, ratio %.2f\n' "$(basename "$file")" "$ours" "$theirs" \
        "$(echo "$ours / $theirs" | bc -l)"
done

# shellcheck disable=SC2059
ffmpeg -v error -f lavfi -i "$(printf "$tone" 3600)" -c:a pcm_s16le "$work/hour.wav"
peak=$(/usr/bin/time -v "$bench" "$work/hour.wav" 2>&1 >/dev/null | awk -F: '/Maximum resident/ { print $2 }')
printf 'one-hour WAV (%s MB): peak RSS %.1f MB\n' "$(( $(stat -c %s "$work/hour.wav") / 1048576 ))" \
    "$(echo "$peak / 1024" | bc -l)"
