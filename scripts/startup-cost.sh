#!/bin/sh
# The work the window does up to its first paint, in instructions, beside a
# plain Qt Widgets window with twelve line edits and a menu.
#
#   scripts/startup-cost.sh [BUILD_FOLDER]
#
# BUILD_FOLDER (default: build) is configured with -DTRANSCALC_BENCHMARK=ON;
# the three targets it needs are built there. Each program runs under
# callgrind on a virtual display with a library preloaded that ends it at its
# first paint. Instructions, unlike cpu time, hardly vary between runs.
# Needs valgrind and xvfb (xvfb-run). Set KEEP=1 to keep the callgrind files
# for callgrind_annotate.
set -eu

build=$(realpath "${1:-build}")
cmake --build "$build" --target transcalc transcalc_minimal_window \
    transcalc_quit_at_first_paint >/dev/null
quit="$build/benchmarks/libtranscalc_quit_at_first_paint.so"

# A scratch working and home folder: no state file or settings of the user's
# are read, and the window starts as it does the first time.
scratch=$(mktemp -d)
if [ "${KEEP:-0}" = 1 ]; then
    echo "callgrind files in $scratch" >&2
else
    trap 'rm -rf "$scratch"' EXIT
fi
cd "$scratch"

# Prints the instructions PROGRAM executes to its first paint.
count() {
    name=$1
    shift
    HOME="$scratch" XDG_RUNTIME_DIR="$scratch" xvfb-run -a -s "-screen 0 1280x1024x24" \
        valgrind --tool=callgrind --trace-children=yes \
        --callgrind-out-file="$scratch/$name.%p.out" \
        env LD_PRELOAD="$quit" "$@" 2>"$scratch/$name.log"
    # The program is the one child that ran Qt: the largest count.
    sed -n 's/^==[0-9]*== Collected : \([0-9]*\)$/\1/p' "$scratch/$name.log" | sort -n | tail -1
}

minimal=$(count minimal "$build/benchmarks/transcalc_minimal_window")
window=$(count window "$build/app/transcalc")
echo "minimal window: $minimal instructions"
echo "transcalc:      $window instructions"
awk -v w="$window" -v m="$minimal" 'BEGIN { printf "ratio:          %.2f\n", w / m }'
