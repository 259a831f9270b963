#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds everything with
# warnings as errors and runs every test: the unit and window tests
# (headless), the command line end to end and the packaging; then builds
# everything again with clang under AddressSanitizer and UBSan, runs each
# fuzzer for FUZZ_SECONDS (default 30), as many at once as there are cores,
# and the whole test suite once more. Both builds keep only the debug
# information that a failure's backtrace needs (most of the time goes to
# compiling, and full debug information costs a fifth of it); the
# sanitizers' build optimises less, as sanitized code is usually built.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
cd "$top"
scripts/setup.sh test

echo "Checking the formatting"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

cmake -S . -B build -DTRANSCALC_BENCHMARK=ON -DTRANSCALC_WERROR=ON \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" >/dev/null
cmake --build build -j"$(nproc)"
(cd build && XDG_RUNTIME_DIR="$(mktemp -d)" ctest --output-on-failure -j"$(nproc)")

cmake -S . -B build-fuzz -DTRANSCALC_FUZZ=ON -DTRANSCALC_WERROR=ON \
    -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG" >/dev/null
cmake --build build-fuzz -j"$(nproc)"

# One fuzzer from its corpus; says its rate, or shows its log and fails.
fuzz_one() {
    fuzzer="$1"
    name="${fuzzer##*/fuzz_}"
    corpus="$(mktemp -d)"
    cp tests/*/fuzz/"$name"/* "$corpus"/
    log="$corpus.log"
    if ! (cd "$corpus" && "$top/$fuzzer" -max_total_time="$seconds" -timeout=5 \
            -rss_limit_mb=2048 -print_final_stats=1 . >"$log" 2>&1); then
        cat "$log"
        echo "fuzz_$name failed; the input that failed is in $corpus" >&2
        return 1
    fi
    # "Done N runs in S second(s)" and the peak memory, as a rate.
    awk -v name="$name" '/^Done [0-9]+ runs in [0-9]+ second/ { runs = $2; secs = $5 }
        /^stat::peak_rss_mb:/ { rss = $2 }
        END { if (secs > 0) printf "fuzz_%s: %d inputs in %d s, %d inputs/s, peak %d MB\n",
              name, runs, secs, runs / secs, rss }' "$log"
    rm -rf "$corpus" "$log"
}

# The fuzzers run side by side, one per core: each still gets its seconds.
seconds="${FUZZ_SECONDS:-30}"
if [ "$seconds" -gt 0 ]; then
    echo "Fuzzing each fuzzer for $seconds s, $(nproc) at a time"
    export top seconds
    export -f fuzz_one
    if ! printf '%s\n' build-fuzz/fuzz/fuzz_* |
            xargs -P "$(nproc)" -I{} bash -c 'fuzz_one "$1"' _ {}; then
        exit 1
    fi
fi

# The whole suite under the sanitizers; the packaging builds its own trees.
echo "Running the tests under AddressSanitizer and UBSan"
(cd build-fuzz && XDG_RUNTIME_DIR="$(mktemp -d)" \
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS="suppressions=$top/tests/lsan.supp" \
    ctest --output-on-failure -j"$(nproc)" -E '^packaging\.')
