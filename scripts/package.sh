#!/bin/bash
# Builds the release package build/tarvik-<version>-win64.zip (tarvik.exe and its documents) and the
# SHA-256 file beside it; prints the package's path.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
ensure_packages
configure
build_targets tarvik
make_package
sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' "$build/package.log"
