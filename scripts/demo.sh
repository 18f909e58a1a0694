#!/bin/bash
# The kit on a demo Winamp installation, under Wine: the install, then the removal.
#
# Builds the 64-bit programs, makes a private Wine prefix holding a demo Winamp installation (its
# registry command, winamp.ini, plugins\) and a kit directory with installer.exe, the remover as
# _isdel.qlr and stand-in kit files, and starts the installer from the kit directory, as a user
# does. Then it lists what the install left behind, starts the installed qlr_remover.exe from the
# install directory, and lists what the removal left.
#   With a display (DISPLAY set): both windows are yours; the demo goes on when each one ends.
#   Without one: a private virtual display; the demo types a default playlist, installs, answers
#   the remover's "&Yes", and saves screenshots of both windows before and after in out/.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh

build_dir=build/win64
out_dir=$PWD/out
user_display=${DISPLAY:-}
bash scripts/deps.sh || exit 1
echo "== building the 64-bit programs"
timeout -k 5 300 cmake --preset win64 -B "$build_dir" -DQLR_BUILD_TESTS=ON >/dev/null || exit 1
timeout -k 5 480 cmake --build "$build_dir" -j "$(nproc)" >/dev/null || exit 1
find_exe() { find "$build_dir" -name "$1" | head -1; }

run_dir=$(mktemp -d /tmp/qlr-demo.XXXXXX)
trap 'wine_env_stop; rm -rf "$run_dir"' EXIT
echo "== Wine prefix"
wine_env_start "$run_dir" 2>/dev/null || exit 1
[ -n "$user_display" ] && export DISPLAY=$user_display

drive_c=$WINEPREFIX/drive_c
player="$drive_c/Program Files (x86)/Winamp"
kit="$drive_c/QuilloraKit"
mkdir -p "$player/plugins" "$kit" "$drive_c/Lists"
# The demo Winamp: the stand-in player as its program, and settings of its own.
cp "$(find_exe fakeamp.exe)" "$player/winamp.exe"
printf '[Winamp]\r\nshuffle=0\r\nvolume=200\r\nskin=Base\r\n' >"$player/winamp.ini"
printf '#EXTM3U\r\nC:\\Music\\Station ID.mp3\r\n' >"$drive_c/Lists/main.m3u"
wine_env_run 30 reg add 'HKCR\Winamp.SkinZip\shell\install\command' /ve /f \
    /d '"C:\Program Files (x86)\Winamp\winamp.exe" "%1"' >/dev/null 2>&1 || exit 1
# The kit: the installer beside the files it copies (stand-ins, but the remover is the real one).
cp "$(find_exe installer.exe)" "$kit/installer.exe"
remover=$(find "$build_dir" -path '*remover/win32/remover.exe' | head -1)
if [ -n "$remover" ]; then cp "$remover" "$kit/_isdel.qlr"; else echo "stand-in remover" >"$kit/_isdel.qlr"; fi
for f in _setup.qlr comdlg32.dll comdlg32.ocx comdlg32.dep comdlg32.oca msvbvm60.dll \
    out_ds_ssrc.dl_ in_line.dl_; do
    echo "stand-in $f of the demo kit" >"$kit/$f"
done

echo "== installer.exe, started in C:\\QuilloraKit"
(cd "$kit" && wine_env_run 600 installer.exe >/dev/null 2>&1) &
installer_pid=$!
if [ -n "$user_display" ]; then
    echo "the installer's window is on your display; the demo goes on when it ends"
    wait $installer_pid
else
    mkdir -p "$out_dir"
    driver=$(find_exe demo_driver.exe)
    wine_env_run 30 "$driver" wait || exit 1
    import -window root "$out_dir/demo-start.png"
    echo "typing C:\\Lists\\main.m3u and clicking \"Install QLR\""
    wine_env_run 90 "$driver" install 'C:\Lists\main.m3u' || exit 1
    import -window root "$out_dir/demo-done.png"
    wine_env_run 30 "$driver" exit
    wait $installer_pid
    echo "screenshots: $out_dir/demo-start.png, $out_dir/demo-done.png"
fi

list_player() {
    (cd "$drive_c" && find "Program Files (x86)/Winamp" | sort | sed 1d)
}
echo "== what the install left behind"
list_player
echo "-- winamp.ini"
cat "$player/winamp.ini" | tr -d '\r'
desktop=$(find "$drive_c/users" -maxdepth 3 -iname Desktop -type d | head -1)
echo "-- desktop: $(ls "$desktop" 2>/dev/null | tr '\n' ' ')"

install_dir="$player/qlr111"
[ -f "$install_dir/qlr_remover.exe" ] || { echo "no qlr_remover.exe in $install_dir"; exit 1; }
echo "== qlr_remover.exe, started in C:\\Program Files (x86)\\Winamp\\qlr111"
(cd "$install_dir" && wine_env_run 600 qlr_remover.exe >/dev/null 2>&1) &
remover_pid=$!
if [ -n "$user_display" ]; then
    echo "the remover's window is on your display; the demo goes on when it ends"
    wait $remover_pid
else
    wine_env_run 30 "$driver" remover-wait || exit 1
    import -window root "$out_dir/demo-remover-start.png"
    echo "clicking \"Yes\""
    wine_env_run 90 "$driver" remove || exit 1
    import -window root "$out_dir/demo-remover-done.png"
    wine_env_run 30 "$driver" remover-exit
    wait $remover_pid
    echo "screenshots: $out_dir/demo-remover-start.png, $out_dir/demo-remover-done.png"
fi

echo "== what the removal left behind"
list_player
echo "-- desktop: $(ls "$desktop" 2>/dev/null | tr '\n' ' ')"
