#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the unit
# and window tests (headless), the command line end to end, and each fuzzer
# for FUZZ_SECONDS (default 60) under AddressSanitizer and UBSan.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
cd "$top"
scripts/setup.sh test

cmake -S . -B build -DTRANSCALC_BENCHMARK=ON >/dev/null
cmake --build build -j"$(nproc)"

seconds="${FUZZ_SECONDS:-60}"
if [ "$seconds" -gt 0 ]; then
    cmake -S . -B build-fuzz -DTRANSCALC_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ >/dev/null
    cmake --build build-fuzz --target fuzzers -j"$(nproc)"
    for fuzzer in build-fuzz/fuzz/fuzz_*; do
        name="${fuzzer##*/fuzz_}"
        corpus="$(mktemp -d)"
        cp tests/*/fuzz/"$name"/* "$corpus"/
        log="$corpus.log"
        echo "Fuzzing $name for $seconds s"
        if ! (cd "$corpus" && "$top/$fuzzer" -max_total_time="$seconds" -timeout=5 \
                -rss_limit_mb=2048 . >"$log" 2>&1); then
            cat "$log"
            echo "fuzz_$name failed; the input that failed is in $corpus" >&2
            exit 1
        fi
        grep -E "^Done [0-9]+ runs" "$log" || tail -n 3 "$log"
        rm -rf "$corpus" "$log"
    done
fi

cd build
XDG_RUNTIME_DIR="$(mktemp -d)" ctest --output-on-failure -j"$(nproc)"
