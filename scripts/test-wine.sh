#!/bin/bash
# Builds the Windows programs with their end-to-end tests and runs the tests under Wine, in a
# private 64-bit prefix on a private virtual display that are removed afterwards.
#
#   scripts/test-wine.sh [-p win64|win32] [-B BUILD_DIR] [-c | -n] [-k] [-- CTEST_ARGS...]
#     -p  the build: win64 (default), or win32, the shipped 32-bit programs with 32-bit tests,
#         run in the same 64-bit prefix as on 64-bit Windows (WoW64)
#     -B  build directory (default: build/<build> of the source tree)
#     -c  compile only: install what is missing and build the programs and tests, run nothing
#     -n  no install, no build: run the tests of the build there is (scripts/vm32.sh runs them
#         so in an emulated PC, which has Wine but no compilers)
#     -k  keep the run directory (prefix, test XML, logs) for a look afterwards
#   e.g. scripts/test-wine.sh -- -R InstallerStartup.Exit
#
# Where this machine runs no 32-bit code (or lacks the 32-bit Wine), a win32 run builds the
# programs and tests, says that they were not run, and exits with status 3: never a pass.
#
# Success is judged by the test results in ctest's JUnit XML, not by exit codes alone: under Wine
# a crashed program's exit code is not reliable.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh

preset=win64
build_dir=
keep=0
build=1
run=1
while [ $# -gt 0 ]; do
    case "$1" in
    -p) preset=$2; shift 2 ;;
    -B) build_dir=$2; shift 2 ;;
    -k) keep=1; shift ;;
    -c) run=0; shift ;;
    -n) build=0; shift ;;
    --) shift; break ;;
    *) echo "usage: $0 [-p win64|win32] [-B BUILD_DIR] [-c | -n] [-k] [-- CTEST_ARGS...]" >&2; exit 2 ;;
    esac
done
case "$preset" in win64 | win32) ;; *) echo "unknown build $preset" >&2; exit 2 ;; esac
: "${build_dir:=build/$preset}"

log() { echo "== $*"; }
started=$SECONDS

if [ "$build" = 1 ]; then
    wine_env_install_packages || exit 1
    log "$preset build in $build_dir"
    timeout -k 5 300 cmake --preset "$preset" -B "$build_dir" -DQLR_BUILD_TESTS=ON \
        -DQLR_WINE_TEST_TIMEOUT="$(wine_env_limit 90)" \
        -DQLR_WINE_DISCOVERY_TIMEOUT="$(wine_env_limit 60)" >/dev/null || exit 1
    timeout -k 5 480 cmake --build "$build_dir" -j "$(nproc)" || exit 1
fi
[ "$run" = 1 ] || exit 0
if [ "$preset" = win32 ] && ! wine_env_runs_32bit; then
    log "NOT RUN: the 32-bit programs and tests were compiled but not run:" \
        "$(wine_env_why_not_32bit)"
    exit 3
fi

run_dir=$(mktemp -d /tmp/qlr-wine-run.XXXXXX)
finish() {
    wine_env_stop
    if [ "$keep" = 1 ]; then echo "run directory kept: $run_dir"; else rm -rf "$run_dir"; fi
}
trap finish EXIT
trap 'exit 130' INT TERM

log "Wine prefix and display"
wine_env_start "$run_dir" || exit 1

# A test program that does not start fails ctest's listing of its tests without a word of why:
# one lists its tests first, and what it said is shown when it cannot.
probe="$build_dir/tests/wine/wine_harness_tests.exe"
if ! said=$(WINEDEBUG=err+all wine_env_run 60 "$probe" --gtest_list_tests </dev/null 2>&1); then
    log "FAILED: a test program does not start under Wine ($probe); it said:"
    tail -n 20 <<<"$said"
    exit 1
fi

log "end-to-end tests"
results="$run_dir/results.xml"
timeout -k 5 "$(wine_env_limit 420)" ctest --test-dir "$build_dir" -L wine --output-on-failure --timeout "$(wine_env_limit 90)" \
    --output-junit "$results" "$@"
ctest_status=$?

# ctest's JUnit file: <testsuite ... tests="N" failures="F" ...>, its attributes on lines of their
# own, then one <testcase ... status="run|fail|..."> per test.
attribute() {
    tr '\n\t' '  ' <"$results" | grep -o '<testsuite [^>]*' | grep -o " $1=\"[0-9]*\"" | grep -o '[0-9]*'
}
if [ ! -s "$results" ]; then
    log "FAILED: no test results (ctest exit status $ctest_status)"
    exit 1
fi
tests=$(attribute tests)
failures=$(attribute failures)
skipped=$(attribute skipped)
passed=$(tr '\n\t' '  ' <"$results" | grep -o '<testcase [^>]*status="run"' | wc -l)
log "$preset: $tests tests: $passed passed, $failures failed, $skipped skipped in $((SECONDS - started)) s"
if [ "${tests:-0}" -gt 0 ] && [ "$failures" = 0 ] && [ "$passed" = "$tests" ] &&
    [ "$ctest_status" = 0 ]; then
    log "$preset: PASSED"
    exit 0
fi
log "$preset: FAILED (ctest exit status $ctest_status)"
exit 1
