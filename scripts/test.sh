#!/bin/bash
# Builds everything and runs every test through Wine; ends with ctest's summary.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
ensure_packages
configure
build_targets
trap '"$build/wine-run" --stop' EXIT
cd "$build"
ctest -j"$(nproc)" --output-on-failure </dev/null
