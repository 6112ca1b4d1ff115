#!/bin/bash
# Checks that includes keep to their floors (scripts/check-floors.sh), builds everything and the release
# package, builds the shell again with clang, checks the Windows builds as far as they can be checked
# here (scripts/check-windows.sh), and runs every test (the package check among them) through Wine;
# ends with ctest's summary.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
ensure_packages clang
bash "$root/scripts/check-floors.sh"
configure
build_targets
make_package
build_with_clang
bash "$root/scripts/check-windows.sh"
trap '"$build/wine-run" --stop' EXIT
cd "$build"
ctest -j"$(nproc)" --output-on-failure </dev/null
