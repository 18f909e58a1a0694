#!/bin/bash
# kit_test.sh CASE SOURCE_DIR INSTALLER REMOVER WORK_DIR
# Makes the kit from the built programs (kit/MakeKit.cmake) into WORK_DIR and checks it:
#   Unsigned       no certificate: the build says so; the folder and the zip hold exactly the
#                  programs as built and README.txt, which names every file the distribution adds
#   Signed         a throwaway self-signed code-signing certificate: both programs in the kit carry
#                  an Authenticode signature that osslsigncode verifies; the built ones stay unsigned
#   WrongPassword  signing fails, and so does the kit: no unsigned kit is left behind
set -uo pipefail
[ $# -eq 5 ] || { echo "usage: $0 CASE SOURCE_DIR INSTALLER REMOVER WORK_DIR" >&2; exit 2; }
case_name=$1 source_dir=$2 installer=$3 remover=$4 work=$5
kit=$work/quillora-kit zip=$work/quillora-kit.zip
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
expect() { "$@" || fail "$*"; }  # COMMAND...: must succeed
refuse() { ! "$@" || fail "not expected: $*"; }

rm -rf "$work" && mkdir -p "$work" || exit 1
unset QLR_SIGN_PKCS12 QLR_SIGN_PASSWORD QLR_SIGN_TIMESTAMP_URL

make_kit() {
    cmake -DINSTALLER="$installer" -DREMOVER="$remover" -DREADME="$source_dir/kit/README.txt" \
        -DOUT="$work" -P "$source_dir/kit/MakeKit.cmake" >"$work/make.log" 2>&1
}
# A certificate for code signing, made here and thrown away with WORK_DIR.
make_certificate() {
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Quillora Test Signing" \
        -addext extendedKeyUsage=codeSigning -keyout "$work/key.pem" -out "$work/cert.pem" \
        2>/dev/null &&
        openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" \
            -passout pass:kit-test-secret -out "$work/cert.p12"
}
verify() { osslsigncode verify -CAfile "$work/cert.pem" -in "$1" >"$work/verify.log" 2>&1; }
# The archive's entries (name and bytes) must be the folder's files.
zip_matches_folder() {
    python3 - "$zip" "$work" <<'PY'
import os, sys, zipfile
archive, base = sys.argv[1], sys.argv[2]
with zipfile.ZipFile(archive) as z:
    names = sorted(z.namelist())
    expected = sorted("quillora-kit/" + n for n in os.listdir(os.path.join(base, "quillora-kit")))
    if names != expected:
        sys.exit(f"zip holds {names}, the folder {expected}")
    for n in names:
        if z.read(n) != open(os.path.join(base, n), "rb").read():
            sys.exit(f"{n} differs between zip and folder")
PY
}

build_sums=$(sha256sum <"$installer")$(sha256sum <"$remover")
case "$case_name" in
Unsigned)
    expect make_kit
    expect grep -q "kit: NOT signed" "$work/make.log"
    expect test "$(ls -A "$kit" | sort | tr '\n' ' ')" = "README.txt _isdel.qlr installer.exe "
    expect cmp -s "$installer" "$kit/installer.exe"
    expect cmp -s "$remover" "$kit/_isdel.qlr"
    for name in _setup.qlr comdlg32.dll comdlg32.ocx comdlg32.dep comdlg32.oca msvbvm60.dll \
        out_ds_ssrc.dl_ in_line.dl_ installer.exe _isdel.qlr qlr_remover.exe; do
        expect grep -q -F "$name" "$kit/README.txt"
    done
    # Every line ends in CR LF, for Notepad.
    expect test "$(grep -c $'\r$' "$kit/README.txt")" = "$(wc -l <"$kit/README.txt")"
    expect zip_matches_folder
    refuse verify "$kit/installer.exe"
    ;;
Signed)
    expect make_certificate
    export QLR_SIGN_PKCS12=$work/cert.p12 QLR_SIGN_PASSWORD=kit-test-secret
    expect make_kit
    expect grep -q "kit: installer.exe and _isdel.qlr signed" "$work/make.log"
    for program in installer.exe _isdel.qlr; do
        verify "$kit/$program" || fail "$program: $(cat "$work/verify.log")"
        expect grep -q "Quillora Test Signing" "$work/verify.log"
    done
    refuse cmp -s "$installer" "$kit/installer.exe"
    expect zip_matches_folder
    # The programs of the build itself are left as they were: unsigned.
    expect test "$(sha256sum <"$installer")$(sha256sum <"$remover")" = "$build_sums"
    refuse verify "$installer"
    # No password file is left behind.
    expect test -z "$(ls "$work" | grep -i pass)"
    ;;
WrongPassword)
    expect make_certificate
    export QLR_SIGN_PKCS12=$work/cert.p12 QLR_SIGN_PASSWORD=not-the-password
    refuse make_kit
    expect grep -q "kit: signing installer.exe failed" "$work/make.log"
    refuse test -e "$kit"
    refuse test -e "$zip"
    ;;
*) echo "unknown case $case_name" >&2; exit 2 ;;
esac
[ $failures -eq 0 ] || { echo "--- make.log"; cat "$work/make.log"; exit 1; }
echo "$case_name: passed"
