#!/usr/bin/env bash
# Builds the core and the command line with clang under ThreadSanitizer in
# build-tsan, then runs the adviser's tests and one --advise search: the
# adviser is the one part of the core that runs on several threads at once,
# so a write to shared state anywhere below it (a C library global, a cache
# without its lock) shows up here as a data race. Fails on the first report.
# Not part of scripts/test.sh: a sanitized build and its slower runs would
# take the test command past its time. JOBS limits the build's jobs.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
cd "$top"
scripts/setup.sh test

cmake -S . -B build-tsan -DTRANSCALC_WERROR=ON -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS="-fsanitize=thread" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG" >/dev/null
tests=(tests/design/AdviserTest tests/design/AdviserPoolTest tests/design/AdviserTableTest
       tests/catalogue/AdviserCandidatesTest)
cmake --build build-tsan -j"${JOBS:-$(nproc)}" --target transcalc-cli "${tests[@]##*/}"

export TSAN_OPTIONS="halt_on_error=1 exitcode=66 ${TSAN_OPTIONS:-}"
for test in "${tests[@]}"; do
    echo "Running ${test##*/} under ThreadSanitizer"
    "build-tsan/$test" --gtest_brief=1
done

# --advise searches on as many threads as the machine has cores.
if [ "$(nproc)" -lt 2 ]; then
    echo "One core: --advise would search on one thread, with nothing to race" >&2
    exit 1
fi
echo "Running transcalc-cli --advise under ThreadSanitizer"
build-tsan/cli/transcalc-cli --advise --mode push-pull --material N87 --freq 100 \
    --vin 300 --vout 12 --load-current 5 --core e --limit 3 >/dev/null
echo "No data race found"
