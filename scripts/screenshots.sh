#!/bin/sh
# Screenshots of the main window on a virtual display; builds nothing.
#
#   scripts/screenshots.sh PROGRAM SCREENSHOT_TOOL [OUTPUT_FOLDER]
#
# PROGRAM is the built transcalc, SCREENSHOT_TOOL the built transcalc_screenshots
# (tests/app in the build folder). The tool drives the window through a ring
# choke and a push-pull design and saves each step, then the core and material
# catalogue dialogs and the core adviser after a search; then the plain program is
# shown under openbox, when installed, for a shot with a real title bar.
# The tool's shots are taken again at scale 2 into OUTPUT_FOLDER/scale2.
# Needs xvfb (xvfb-run) and imagemagick (import).
set -eu

if [ $# -lt 2 ] || [ $# -gt 3 ]; then
    echo "usage: $0 PROGRAM SCREENSHOT_TOOL [OUTPUT_FOLDER]" >&2
    exit 2
fi
program=$(realpath "$1")
tool=$(realpath "$2")
output=$(realpath -m "${3:-screenshots}")
mkdir -p "$output"

# A scratch working folder, so that the program's state file lands nowhere else.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"

xvfb-run -a -s "-screen 0 1280x1024x24" "$tool" "$output"
# The same at a device pixel ratio of 2: everything twice as large and as sharp.
mkdir -p "$output/scale2"
QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 2560x2048x24" "$tool" "$output/scale2"

xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    if command -v openbox >/dev/null; then
        openbox >/dev/null 2>&1 &
        sleep 1
    fi
    "$1" &
    pid=$!
    sleep 2
    import -window root -crop 680x600+280+90 +repage "$2/desktop.png"
    kill "$pid"
' screenshots "$program" "$output"
echo "$output/desktop.png"
