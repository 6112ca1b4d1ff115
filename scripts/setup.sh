# Shared set-up of the run and test commands (sourced): installs what is missing, configures and
# builds. Everything it prints goes to standard error, and it never reads standard input, which
# belongs to the shell.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"

ensure_packages() {
  local packages=(cmake g++-mingw-w64-x86-64-posix wine64 googletest tmux) missing=() package
  for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  ((${#missing[@]} == 0)) && return 0
  echo "Installing ${missing[*]} ..." >&2
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq </dev/null >&2
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" </dev/null >&2
}

# Configures the build tree once; warnings are errors, so a warning fails the build everywhere.
configure() {
  [ -f "$build/CMakeCache.txt" ] && return 0
  cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DTARVIK_WERROR=ON </dev/null >&2
}

# Builds the given targets (all when none), showing the compiler's output only when it fails.
build_targets() {
  local log="$build/build.log" targets=()
  (($# > 0)) && targets=(--target "$@")
  if ! cmake --build "$build" -j"$(nproc)" "${targets[@]}" </dev/null >"$log" 2>&1; then
    cat "$log" >&2
    echo "Build failed." >&2
    return 1
  fi
}
