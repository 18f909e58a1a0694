#!/bin/bash
# The kit's figures, measured under Wine on a private prefix and display:
#   - installer.exe and remover.exe: file sizes (32- and 64-bit builds), SHA-256 and the DLLs
#     they import
#   - time from starting installer.exe to its window being shown
#   - wall and CPU time of the installer's 1.5 s pause
#   - wall and CPU time of the remover's 1507 deletion attempts
#   - the pickers on a directory of 10,000 playlists and 2,000 subdirectories: click to picker
#     shown, keystroke in the pattern box to re-filtered list shown
#   scripts/bench.sh [-B WIN64_BUILD_DIR]
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh

build_dir=build/win64
[ "${1:-}" = -B ] && build_dir=$2
bash scripts/deps.sh || exit 1
timeout -k 5 300 cmake --preset win64 -B "$build_dir" -DQLR_BUILD_TESTS=ON >/dev/null || exit 1
timeout -k 5 480 cmake --build "$build_dir" -j "$(nproc)" >/dev/null || exit 1
timeout -k 5 300 cmake --preset win32 >/dev/null || exit 1
timeout -k 5 480 cmake --build --preset win32 -j "$(nproc)" --target installer remover >/dev/null ||
    exit 1

echo "== sizes, SHA-256 and imports"
for exe in build/win32/*/win32/*.exe "$build_dir"/*/win32/*.exe; do
    [ -f "$exe" ] || continue
    printf '%-40s %7d bytes  sha256 %s\n%40s imports: %s\n' "$exe" "$(stat -c %s "$exe")" \
        "$(sha256sum <"$exe" | cut -c1-64)" "" \
        "$(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name/ {printf "%s ", $3}')"
done

run_dir=$(mktemp -d /tmp/qlr-bench.XXXXXX)
trap 'wine_env_stop; rm -rf "$run_dir"' EXIT
wine_env_start "$run_dir" >/dev/null 2>&1 || exit 1

echo "== installer start-up"
wine_env_run 120 "$build_dir/bench/driven/startup_bench.exe" 10
echo "== pickers"
wine_env_run 300 "$build_dir/bench/driven/picker_bench.exe" 5
echo "== Pause(1500), three runs"
for i in 1 2 3; do
    wine_env_run 30 "$build_dir/bench/pause_bench.exe" 1500
done
echo "== removal: 1507 deletion attempts, ten rounds"
wine_env_run 600 "$build_dir/bench/driven/remover_bench.exe" 10
echo "== install of a kit with a 50 MB scheduler file, against a plain copy of the same bytes"
wine_env_stop
bash scripts/bench-install.sh -B "$build_dir" 50 11
