#!/usr/bin/env bash
# Installs the Debian 12 packages that Transcalc needs and that are missing.
#   scripts/setup.sh run    what building and running the program needs
#   scripts/setup.sh test   that, plus what the tests, fuzzers and packaging need
# Runs apt-get only when something is missing, as root or through sudo.
set -euo pipefail

run_packages=(cmake g++ make qt6-base-dev qt6-svg-dev qt6-l10n-tools libxkbcommon-dev fonts-liberation
              nlohmann-json3-dev libcli11-dev)
test_packages=(libgtest-dev libbenchmark-dev xvfb xauth fonts-dejavu-core clang libclang-rt-14-dev poppler-utils
               dpkg-dev desktop-file-utils appstream help2man python3 clang-format)

wanted=("${run_packages[@]}")
case "${1:-run}" in
    run) ;;
    test) wanted+=("${test_packages[@]}") ;;
    *) echo "usage: scripts/setup.sh [run|test]" >&2; exit 64 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Installing ${missing[*]} needs root or sudo." >&2; exit 1; }
    as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends "${missing[@]}"
