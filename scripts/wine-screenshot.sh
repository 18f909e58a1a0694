#!/bin/bash
# Screenshots of installer.exe under Wine, at 96 dpi (100 %) and 144 dpi (150 %), each in a fresh
# private prefix on a private virtual display.
#
#   scripts/wine-screenshot.sh [-B BUILD_DIR] [-o OUT_DIR] [-f FIXTURE]
#     -B  a configured win64 build directory (default: build/win64); built if needed
#     -o  where the PNG files go (default: /tmp/qlr-screenshots)
#     -f  what the installer finds at start-up:
#           found     the player's registry command (default): the main window
#           missing   no registry command: the "Could Not Detect Winamp Dir" box
#           running   the command and a running stand-in player: the question to close it
#           dir       the main window's "&Browse": the install directory picker
#           fil       the main window's "B&rowse": the default playlist picker, a file chosen
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh

build_dir=build/win64
out_dir=/tmp/qlr-screenshots
fixture=found
while [ $# -gt 0 ]; do
    case "$1" in
    -B) build_dir=$2; shift 2 ;;
    -o) out_dir=$2; shift 2 ;;
    -f) fixture=$2; shift 2 ;;
    *) sed -n '2,14p' "$0" >&2; exit 2 ;;
    esac
done
case "$fixture" in found | missing | running | dir | fil) ;; *) echo "unknown fixture $fixture" >&2; exit 2 ;; esac

wine_env_install_packages || exit 1
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    timeout -k 5 300 cmake --preset win64 -B "$build_dir" -DQLR_BUILD_TESTS=ON >/dev/null || exit 1
fi
timeout -k 5 480 cmake --build "$build_dir" -j "$(nproc)" --target installer fakeamp holdwindow holdpicker || exit 1
installer=$(find "$build_dir" -name installer.exe -path '*installer/win32*' | head -1)
fakeamp=$(find "$build_dir" -name fakeamp.exe | head -1)
holdwindow=$(find "$build_dir" -name holdwindow.exe | head -1)
holdpicker=$(find "$build_dir" -name holdpicker.exe | head -1)
mkdir -p "$out_dir"

run_dir=
finish() { wine_env_stop; [ -n "$run_dir" ] && rm -rf "$run_dir"; }
trap finish EXIT
trap 'exit 130' INT TERM

# One picture: a fresh environment at `dpi`, the fixture, the window held while `import` runs.
shoot() {
    local dpi=$1 png="$out_dir/installer-$fixture-${1}dpi.png"
    run_dir=$(mktemp -d /tmp/qlr-wine-shot.XXXXXX)
    # The same screen at 150 % holds one and a half times as many pixels each way.
    QLR_WINE_SCREEN="$((1024 * dpi / 96))x$((768 * dpi / 96))x24" wine_env_start "$run_dir" "$dpi" ||
        return 1
    local c="$WINEPREFIX/drive_c"
    mkdir -p "$c/Program Files/Winamp/plugins" "$c/Program Files/Winamp/Skins" "$c/QLR Kit"
    touch "$c/Program Files/Winamp/"{Morning.m3u,Evening.m3u,Jingles.pls,readme.txt}
    cp "$installer" "$c/QLR Kit/installer.exe"
    if [ "$fixture" != missing ]; then
        wine_env_run 30 reg add 'HKCR\Winamp.SkinZip\shell\install\command' /ve /f \
            /d '"C:\Program Files\Winamp\winamp.exe" "%1"' >/dev/null || return 1
    fi
    local player=
    if [ "$fixture" = running ]; then
        wine_env_run 60 "$fakeamp" 'C:\player-record.txt' >/dev/null 2>&1 &
        player=$!
        sleep 1
    fi
    case "$fixture" in
    dir | fil)
        wine_env_run 60 "$holdpicker" 'C:\QLR Kit\installer.exe' 'C:\QLR Kit' "$fixture" \
            'C:\ready.txt' 'C:\release.txt' 30 & ;;
    *)
        wine_env_run 60 "$holdwindow" 'C:\QLR Kit\installer.exe' 'C:\QLR Kit' 'C:\ready.txt' \
            'C:\release.txt' 30 & ;;
    esac
    local holder=$! i
    for i in $(seq 1 200); do
        [ -f "$c/ready.txt" ] && break
        kill -0 "$holder" 2>/dev/null || break
        sleep 0.1
    done
    local status=1
    if [ -f "$c/ready.txt" ] && import -window root "$png"; then
        echo "$png: $(cat "$c/ready.txt")"
        status=0
    else
        echo "no window to photograph at $dpi dpi" >&2
    fi
    touch "$c/release.txt"
    wait "$holder" 2>/dev/null
    wine_env_stop
    [ -n "$player" ] && wait "$player" 2>/dev/null
    rm -rf "$run_dir"
    run_dir=
    return $status
}

shoot 96 && shoot 144
