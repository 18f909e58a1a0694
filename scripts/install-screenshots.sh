#!/bin/bash
# Screenshots of the installer's window during an install: in the pause after the status texts
# appear, and in the Done state, at 96 and 144 dpi. Each DPI gets its own Wine prefix and display.
#
#   scripts/install-screenshots.sh BUILD_DIR OUT_DIR
#     BUILD_DIR  a win64 build with the end-to-end tests (installer.exe, installwalk.exe)
#     OUT_DIR    receives install-<dpi>-pause.png and install-<dpi>-done.png
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
# Room for the window at 150 %.
export QLR_WINE_SCREEN=${QLR_WINE_SCREEN:-1280x800x24}

[ $# -eq 2 ] || { echo "usage: $0 BUILD_DIR OUT_DIR" >&2; exit 2; }
build_dir=$(cd "$1" && pwd) || exit 1
mkdir -p "$2" && out_dir=$(cd "$2" && pwd) || exit 1
installer="$build_dir/installer/win32/installer.exe"
walker="$build_dir/tests/wine/installwalk.exe"
[ -f "$installer" ] && [ -f "$walker" ] || { echo "build $build_dir first" >&2; exit 1; }

winpath() { echo "Z:${1//\//\\}"; }

# Waits (bounded, in tenths of a second) for a file; fails when the walker has ended.
wait_for() {
    local file=$1 tenths=$2 pid=$3 i
    for ((i = 0; i < tenths * 5; i++)); do
        [ -e "$file" ] && return 0
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.02
    done
    return 1
}

shoot() {
    local dpi=$1 run_dir
    run_dir=$(mktemp -d /tmp/qlr-shots.XXXXXX)
    (
        trap wine_env_stop EXIT
        wine_env_start "$run_dir" "$dpi" || exit 1
        local kit="$run_dir/KIT" player="$run_dir/Winamp" markers="$run_dir/markers" name
        mkdir -p "$kit" "$player/plugins" "$markers"
        for name in _setup.qlr _isdel.qlr comdlg32.dll comdlg32.ocx comdlg32.dep comdlg32.oca \
            msvbvm60.dll out_ds_ssrc.dl_ in_line.dl_; do
            echo "stand-in $name" >"$kit/$name"
        done
        printf '[Winamp]\r\nshuffle=0\r\n' >"$player/winamp.ini"
        wine_env_run 30 reg add 'HKCR\Winamp.SkinZip\shell\install\command' /ve /f \
            /d "\"$(winpath "$player")\\winamp.exe\" \"%1\"" >/dev/null || exit 1

        timeout -k 5 60 "$WINE" "$walker" "$(winpath "$installer")" "$(winpath "$kit")" \
            'D:\Radio Lists\main.m3u' "$(winpath "$markers")" &
        local walker_pid=$!
        wait_for "$markers/pause.ready" 100 $walker_pid &&
            import -window root "$out_dir/install-$dpi-pause.png" && touch "$markers/pause.done"
        wait_for "$markers/done.ready" 300 $walker_pid &&
            import -window root "$out_dir/install-$dpi-done.png" && touch "$markers/done.done"
        wait $walker_pid
    )
    local status=$?
    rm -rf "$run_dir"
    return $status
}

status=0
for dpi in 96 144; do
    shoot $dpi && echo "dpi $dpi: $out_dir/install-$dpi-pause.png, install-$dpi-done.png" || status=1
done
exit $status
