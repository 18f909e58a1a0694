#!/bin/bash
# A private Wine prefix and a private virtual X display for one test run.
#
# Source this file, then:
#   wine_env_install_packages        installs what is missing (scripts/deps.sh; Debian 12, needs
#                                    root or sudo)
#   wine_env_runs_32bit              true when 32-bit Windows programs can run here (WoW64);
#                                    wine_env_why_not_32bit says why not
#   wine_env_start RUN_DIR [DPI]     prefix in RUN_DIR/pfx, Xvfb display; exports WINEPREFIX,
#                                    DISPLAY, WINE (the 64-bit loader) and WINESERVER
#   wine_env_stop                    stops this run's wineserver and Xvfb, nothing else
# or call it: `wine-env.sh shell RUN_DIR [DPI]` opens a shell inside such an environment.
#
# DPI 144 is 150 % (for screenshots); the default is 96. QLR_WINE_SCREEN sets the virtual screen
# (default 1024x768x24).
# A finished prefix is cached as a template under $QLR_WINE_CACHE (default /tmp/qlr-wine-template)
# and copied for each run: a copy takes about a second, a fresh prefix five to seven.

: "${QLR_WINE_CACHE:=/tmp/qlr-wine-template}"
_wine_env_scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

export WINE=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64
# 32-bit programs started by the 64-bit loader run through this one (Debian's wine32:i386).
QLR_WINE_LOADER32=/usr/lib/wine/wine
export WINEARCH=win64
export WINEDEBUG=-all
# No .NET or HTML engine installers; no desktop menu entries from programs run in the prefix.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

_wine_env_log() { echo "wine-env: $*" >&2; }

wine_env_install_packages() {
    bash "$_wine_env_scripts/deps.sh"
}

wine_env_why_not_32bit() {
    bash "$_wine_env_scripts/runs-32bit.sh" ||
        { echo "this machine runs no 32-bit code (no IA32 emulation)"; return; }
    [ -x "$QLR_WINE_LOADER32" ] ||
        { echo "the 32-bit Wine ($QLR_WINE_LOADER32, package wine32:i386) is not installed"; return; }
}
wine_env_runs_32bit() { [ -z "$(wine_env_why_not_32bit)" ]; }

# A time limit in seconds, scaled by QLR_WINE_TIME_SCALE (default 1): an emulated PC
# (scripts/vm32.sh) runs everything several times slower and sets it.
wine_env_limit() {
    echo $(($1 * ${QLR_WINE_TIME_SCALE:-1}))
}

# Runs a Wine command in the current prefix, bounded in time.
wine_env_run() {
    local limit
    limit=$(wine_env_limit "$1")
    shift
    timeout -k 5 "$limit" "$WINE" "$@"
}

# The settings every test prefix needs, as a REGEDIT4 file (ANSI; Wine misreads hex(2) data in a
# "Version 5.00" file read as ANSI).
_wine_env_settings() {
    cat <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\AeDebug]
"Debugger"=""

[HKEY_LOCAL_MACHINE\Software\Wine\Drives]
"d:"="cdrom"

EOF
}
# Without a window manager every closing window costs about 2 s unless "Managed" is "N"; the two
# crash settings make a crashing program end at once instead of waiting on a crash dialog. Drive
# D: is a CD-ROM drive (with the link below) for the pickers' tests of a drive without a medium.

_wine_env_import_reg() {  # file contents on stdin
    local file="$WINEPREFIX/drive_c/qlr-settings.reg"
    sed 's/$/\r/' >"$file"
    wine_env_run 60 regedit /S 'C:\qlr-settings.reg' </dev/null >/dev/null 2>&1 &&
        rm -f "$file"
}

# Builds a finished prefix at $WINEPREFIX. No X display is needed.
_wine_env_make_prefix() {
    local started=$SECONDS
    mkdir -p "$(dirname "$WINEPREFIX")"
    DISPLAY= wine_env_run 120 wineboot -i || { _wine_env_log "wineboot failed"; return 1; }
    # The user folders are links to the real home directory: make them real folders, so that
    # nothing a program writes to its desktop lands outside the prefix.
    local link
    for link in "$WINEPREFIX"/drive_c/users/*/*; do
        if [ -L "$link" ]; then rm -f "$link" && mkdir -p "$link"; fi
    done
    # D: a CD-ROM drive without a disc: its folder does not exist, so its root cannot be listed
    # (error 3), while an existing empty folder would read as an empty disc. Wine takes the drives
    # it has when its server starts.
    ln -sfn ../no-medium "$WINEPREFIX/dosdevices/d:"
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    _wine_env_settings | _wine_env_import_reg || { _wine_env_log "settings failed"; return 1; }
    # Save the registry to disk and stop this prefix's server.
    timeout -k 5 "$(wine_env_limit 30)" "$WINESERVER" -k
    timeout -k 5 "$(wine_env_limit 30)" "$WINESERVER" -w
    _wine_env_remove_server_dir
    _wine_env_log "prefix made in $((SECONDS - started)) s"
}

# The cache key: the Wine version, whether the 32-bit Wine is there, and the steps that make a
# prefix, so a changed setup never reuses an old template.
# A prefix made with the 32-bit Wine present holds its 32-bit DLLs as well (syswow64).
_wine_env_cache_key() {
    { "$WINE" --version; [ -x "$QLR_WINE_LOADER32" ] && echo "with 32-bit Wine";
      declare -f _wine_env_make_prefix _wine_env_settings; } | md5sum | cut -c1-12
}

# The server leaves its socket folder behind: /tmp/<name in pfx/wineserver>/server-DEV-INODE.
_wine_env_remove_server_dir() {
    local base
    base=$(cat "$WINEPREFIX/wineserver" 2>/dev/null)
    [ -n "$base" ] || return 0
    rm -rf "/tmp/$base/server-$(stat -c %D "$WINEPREFIX")-$(printf %x "$(stat -c %i "$WINEPREFIX")")"
    rmdir "/tmp/$base" 2>/dev/null
    return 0
}

_wine_env_prefix_from_cache() {
    local template="$QLR_WINE_CACHE-$(_wine_env_cache_key)"
    if [ ! -d "$template/pfx" ]; then
        local building
        building=$(mktemp -d "$QLR_WINE_CACHE-build.XXXXXX") || return 1
        (export WINEPREFIX="$building/pfx"; _wine_env_make_prefix) || { rm -rf "$building"; return 1; }
        # Publish atomically; a concurrent run may have won the race, which is fine.
        mv -T "$building" "$template" 2>/dev/null || rm -rf "$building"
    fi
    cp -a "$template/pfx" "$WINEPREFIX"
}

_wine_env_start_xvfb() {
    local fdfile="$WINE_ENV_RUN_DIR/xvfb.display"
    : >"$fdfile"
    Xvfb -displayfd 3 -screen 0 "${QLR_WINE_SCREEN:-1024x768x24}" -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
    WINE_ENV_XVFB_PID=$!
    local i
    for i in $(seq 1 $(($(wine_env_limit 10) * 10))); do
        if [ -s "$fdfile" ]; then
            export DISPLAY=":$(tr -dc 0-9 <"$fdfile")"
            return 0
        fi
        kill -0 "$WINE_ENV_XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    _wine_env_log "Xvfb did not start"
    return 1
}

# Starts this run's server in the prefix and checks that a program runs there; shows what the
# program said when it does not.
_wine_env_start_prefix() {
    local dpi=$1 said
    # One server for the whole run: programs then start in tens of milliseconds. It must be the
    # first: a server started by a program instead ends a few seconds after that program.
    "$WINESERVER" -p
    if [ "$dpi" != 96 ]; then
        # Read when a program's window system starts, so before any program of this run shows.
        printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n"LogPixels"=dword:%08x\n\n' \
            "$dpi" | _wine_env_import_reg || return 1
    fi
    # Start the prefix's background programs (services, the desktop window's explorer.exe) now,
    # with their output going nowhere. Started later by a test program, they would inherit its
    # output pipe and keep it open: ctest and gtest discovery then wait for them until timeout.
    wine_env_run 60 rundll32.exe user32.dll,GetDesktopWindow </dev/null >/dev/null 2>&1
    said=$(WINEDEBUG=err+all wine_env_run 60 cmd.exe /c echo ready </dev/null 2>&1 | tr -d '\r')
    [ "$(tail -n 1 <<<"$said")" = ready ] && return 0
    _wine_env_log "a program does not run in $WINEPREFIX; it said:"
    tail -n 20 <<<"$said" >&2
    return 1
}

_wine_env_stop_server() {
    timeout -k 5 "$(wine_env_limit 30)" "$WINESERVER" -k 2>/dev/null
    timeout -k 5 "$(wine_env_limit 30)" "$WINESERVER" -w 2>/dev/null
    _wine_env_remove_server_dir
}

wine_env_start() {
    local run_dir=$1 dpi=${2:-96} started=$SECONDS
    [ -n "$run_dir" ] || { _wine_env_log "usage: wine_env_start RUN_DIR [DPI]"; return 2; }
    mkdir -p "$run_dir"
    export WINE_ENV_RUN_DIR
    WINE_ENV_RUN_DIR=$(cd "$run_dir" && pwd)
    export WINEPREFIX="$WINE_ENV_RUN_DIR/pfx"
    if [ -e "$WINEPREFIX" ]; then
        _wine_env_log "$WINEPREFIX exists already"
        return 1
    fi
    _wine_env_start_xvfb || return 1
    if [ "${QLR_WINE_NO_CACHE:-0}" = 1 ]; then
        _wine_env_make_prefix && _wine_env_start_prefix "$dpi" || return 1
    elif ! { _wine_env_prefix_from_cache && _wine_env_start_prefix "$dpi"; }; then
        # A template made on another machine or by an interrupted run can be unusable: it is
        # thrown away and the prefix made afresh, once.
        _wine_env_log "the prefix from the template runs no program: making a new one"
        _wine_env_stop_server
        rm -rf "$WINEPREFIX" "$QLR_WINE_CACHE-$(_wine_env_cache_key)"
        _wine_env_make_prefix && _wine_env_start_prefix "$dpi" || return 1
    fi
    _wine_env_log "environment ready in $((SECONDS - started)) s: prefix $WINEPREFIX, display $DISPLAY"
}

wine_env_stop() {
    if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
        # Stops the server of this prefix and every program still running in it.
        _wine_env_stop_server
    fi
    if [ -n "${WINE_ENV_XVFB_PID:-}" ]; then
        kill "$WINE_ENV_XVFB_PID" 2>/dev/null
        local i
        for i in $(seq 1 50); do
            kill -0 "$WINE_ENV_XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        kill -9 "$WINE_ENV_XVFB_PID" 2>/dev/null
        wait "$WINE_ENV_XVFB_PID" 2>/dev/null
        WINE_ENV_XVFB_PID=
    fi
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -u
    case "${1:-}" in
    shell)
        [ -n "${2:-}" ] || { echo "usage: $0 shell RUN_DIR [DPI]" >&2; exit 2; }
        wine_env_install_packages || exit 1
        wine_env_start "$2" "${3:-96}" || { wine_env_stop; exit 1; }
        trap wine_env_stop EXIT
        echo "WINEPREFIX=$WINEPREFIX DISPLAY=$DISPLAY WINE=$WINE; exit the shell to stop" >&2
        bash -i
        ;;
    *)
        echo "usage: source $0, or: $0 shell RUN_DIR [DPI]" >&2
        exit 2
        ;;
    esac
fi
