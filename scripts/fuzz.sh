#!/usr/bin/env bash
# Builds the fuzz targets (the `fuzz` preset: clang 14's libFuzzer, address and undefined-behaviour
# sanitizers) and runs each for SECONDS (default 30), one after the other, from its seed corpus
# (tests/fuzz/**/<name>_corpus, with <name>.dict where there is one). Prints the inputs each ran.
# New corpus entries and crashing inputs go to a scratch directory (QLR_FUZZ_DIR, default a new
# one under /tmp), never into the source tree. Fails, naming the target and the input, when a
# target crashes, breaks one of its properties or hangs.
#   scripts/fuzz.sh [SECONDS] [NAME...]     e.g. scripts/fuzz.sh 300 wildcard_fuzz
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shift || true
scratch=${QLR_FUZZ_DIR:-$(mktemp -d /tmp/qlr-fuzz.XXXXXX)}
mkdir -p "$scratch"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2 >/dev/null

status=0
for source in $(find tests/fuzz -name '*_fuzz.cpp' | sort); do
    name=$(basename "$source" .cpp)
    if (($#)) && ! printf '%s\n' "$@" | grep -qx "$name"; then continue; fi
    stem=${source%_fuzz.cpp}
    program=build/fuzz/tests/fuzz/$name
    [ -x "$program" ] || { echo "$name: not built (is it listed in tests/fuzz/CMakeLists.txt?)"; status=1; continue; }
    work=$scratch/$name
    mkdir -p "$work/corpus"
    options=(-max_total_time="$seconds" -print_final_stats=1 -max_len=4096 -timeout=10 -rss_limit_mb=2048
             -artifact_prefix="$work/")
    [ -f "$stem.dict" ] && options+=(-dict="$stem.dict")
    # The first corpus directory takes the new entries; the seeds are only read.
    if "$program" "${options[@]}" "$work/corpus" "${stem}_corpus" >"$work/log" 2>&1; then
        result=ok
    else
        result=FAILED
        status=1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
    echo "$name: $result, ${runs:-?} inputs run (at most ${seconds} s), $(ls "$work/corpus" | wc -l) new corpus entries ($work)"
    if [ $result = FAILED ]; then
        grep -E 'property broken|ERROR:|SUMMARY:|runtime error' "$work/log" | head -5 | sed 's/^/    /'
        for input in "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-*; do
            [ -e "$input" ] && echo "    input: $input (replay: $program $input)"
        done
    fi
done
exit $status
