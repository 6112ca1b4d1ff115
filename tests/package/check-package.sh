#!/bin/bash
# Checks the release package: its checksum file, that it holds exactly the expected files and is not older
# than the built program, and that the tarvik.exe unpacked from it starts under Wine and runs a script.
#   check-package.sh WINE_RUN ZIP BUILT_EXE FILE_VERSION FILE...
set -u
wine_run=$1 zip=$2 built=$3 version=$4
shift 4
fail() { echo "FAIL: $*" >&2; exit 1; }

[ -f "$zip" ] || fail "$zip is missing: run scripts/package.sh"
[ "$built" -nt "$zip" ] && fail "$zip is older than $built: run scripts/package.sh"
(cd "$(dirname "$zip")" && sha256sum --quiet -c "$(basename "$zip").sha256") || fail "checksum of $zip"

expected=$(printf '%s\n' "$@" | sort)
listed=$(cmake -E tar tf "$zip" | grep -v "/$" | sort)
[ "$listed" = "$expected" ] || fail "$zip holds"$'\n'"$listed"$'\n'"instead of"$'\n'"$expected"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
(cd "$scratch" && cmake -E tar xf "$zip") || fail "cannot unpack $zip"
exe=$(find "$scratch" -name tarvik.exe)
printf 'exit\r\n' | "$wine_run" "$exe" >"$scratch/out" 2>"$scratch/err"
status=$?
[ "$status" -eq 0 ] || fail "the packed tarvik.exe ended with status $status"
[ -s "$scratch/err" ] && fail "the packed tarvik.exe wrote to standard error: $(cat "$scratch/err")"
banner=$(head -n 1 "$scratch/out")
[ "$banner" = "Tarvik Version $version"$'\r' ] || fail "the packed tarvik.exe began with: $banner"
echo "$zip: $# files, the packed tarvik.exe runs"
