#!/bin/bash
# reproducible_test.sh SOURCE_DIR TOOLCHAIN_FILE BUILD_TYPE LEAN_RUNTIME INSTALLER REMOVER SECOND_BUILD_DIR
# Builds installer.exe and remover.exe a second time, from the same sources and settings
# (QLR_LEAN_RUNTIME=LEAN_RUNTIME) into another build directory, and expects the same bytes
# (SHA-256) as the first build's. Neither build may carry a link time (the PE header's time stamp
# is 0) or the source or a build directory's path.
set -uo pipefail
[ $# -eq 7 ] || { echo "usage: $0 SOURCE_DIR TOOLCHAIN_FILE BUILD_TYPE LEAN_RUNTIME INSTALLER REMOVER SECOND_BUILD_DIR" >&2; exit 2; }
source_dir=$1 toolchain=$2 build_type=$3 lean_runtime=$4 installer=$5 remover=$6 second=$7
first_dir=$(cd "$(dirname "$installer")/../.." && pwd)

rm -rf "$second"
cmake -S "$source_dir" -B "$second" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE="$build_type" -DQLR_LEAN_RUNTIME="$lean_runtime" -DQLR_BUILD_TESTS=OFF \
    >/dev/null || exit 1
cmake --build "$second" -j2 --target installer remover >/dev/null || exit 1

status=0
check() {  # FIRST SECOND
    local first=$1 again=$2 name path stamp
    name=$(basename "$first")
    if [ "$(sha256sum <"$first")" = "$(sha256sum <"$again")" ]; then
        echo "$name: $(sha256sum <"$first" | cut -c1-64), the same in both builds"
    else
        echo "$name: the two builds differ: $(cmp "$first" "$again" | head -1)"
        status=1
    fi
    for path in "$source_dir" "$first_dir" "$second"; do
        if grep -q -a -F "$path" "$first" "$again"; then
            echo "$name holds the path $path"
            status=1
        fi
    done
    # The COFF header's TimeDateStamp: 8 bytes after the "PE\0\0" signature at e_lfanew (0x3c).
    stamp=$(od -An -tu4 -j "$(($(od -An -tu4 -j 60 -N 4 "$first") + 8))" -N 4 "$first" | tr -d ' ')
    if [ "$stamp" != 0 ]; then
        echo "$name: the PE header carries a link time ($stamp)"
        status=1
    fi
}
check "$installer" "$second/installer/win32/installer.exe"
check "$remover" "$second/remover/win32/remover.exe"
exit $status
