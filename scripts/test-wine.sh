#!/bin/bash
# Builds the 64-bit Windows programs with their end-to-end tests and runs the tests under Wine, in
# a private prefix on a private virtual display that are removed afterwards.
#
#   scripts/test-wine.sh [-B BUILD_DIR] [-k] [-- CTEST_ARGS...]
#     -B  build directory (default: build/win64 of the source tree)
#     -k  keep the run directory (prefix, test XML, logs) for a look afterwards
#   e.g. scripts/test-wine.sh -- -R InstallerStartup.Exit
#
# Success is judged by the test results in ctest's JUnit XML, not by exit codes alone: under Wine
# a crashed program's exit code is not reliable.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh

build_dir=build/win64
keep=0
while [ $# -gt 0 ]; do
    case "$1" in
    -B) build_dir=$2; shift 2 ;;
    -k) keep=1; shift ;;
    --) shift; break ;;
    *) echo "usage: $0 [-B BUILD_DIR] [-k] [-- CTEST_ARGS...]" >&2; exit 2 ;;
    esac
done

log() { echo "== $*"; }
started=$SECONDS

[ -x scripts/deps.sh ] && { bash scripts/deps.sh || exit 1; }
wine_env_install_packages || exit 1

log "win64 build in $build_dir"
timeout -k 5 300 cmake --preset win64 -B "$build_dir" -DQLR_BUILD_TESTS=ON >/dev/null || exit 1
timeout -k 5 480 cmake --build "$build_dir" -j "$(nproc)" || exit 1

run_dir=$(mktemp -d /tmp/qlr-wine-run.XXXXXX)
finish() {
    wine_env_stop
    if [ "$keep" = 1 ]; then echo "run directory kept: $run_dir"; else rm -rf "$run_dir"; fi
}
trap finish EXIT
trap 'exit 130' INT TERM

log "Wine prefix and display"
wine_env_start "$run_dir" || exit 1

log "end-to-end tests"
results="$run_dir/results.xml"
timeout -k 5 420 ctest --test-dir "$build_dir" -L wine --output-on-failure --timeout 90 \
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
log "$tests tests: $passed passed, $failures failed, $skipped skipped in $((SECONDS - started)) s"
if [ "${tests:-0}" -gt 0 ] && [ "$failures" = 0 ] && [ "$passed" = "$tests" ] &&
    [ "$ctest_status" = 0 ]; then
    log "PASSED"
    exit 0
fi
log "FAILED (ctest exit status $ctest_status)"
exit 1
