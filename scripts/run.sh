#!/usr/bin/env bash
# Installs what is missing, builds Transcalc and starts its window. The state
# file zentu.pallomir is kept in the folder you start it from.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/setup.sh" run
cmake -S "$top" -B "$top/build" >/dev/null
cmake --build "$top/build" --target transcalc transcalc-cli transcalc-report -j"$(nproc)"
exec "$top/build/app/transcalc" "$@"
