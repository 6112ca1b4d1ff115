# Shared set-up of the run and test commands (sourced): installs what is missing, configures and
# builds. Everything it prints goes to standard error, and it never reads standard input, which
# belongs to the shell.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"

# Installs the packages every command needs, and the extra ones named.
ensure_packages() {
  local packages=(cmake g++-mingw-w64-x86-64-posix wine64 googletest "$@") missing=() package
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

# Configures a build tree from its preset in CMakePresets.json once (build/ from mingw-gcc when none is
# named); warnings are errors, so a warning fails the build everywhere.
configure() {
  local preset=${1:-mingw-gcc} tree=${2:-$build}
  [ -f "$tree/CMakeCache.txt" ] && return 0
  (cd "$root" && cmake --preset "$preset") </dev/null >&2
}

# Runs a command with its output in a log, showing the log only when the command fails.
logged() {
  local log=$1 what=$2
  shift 2
  if ! "$@" </dev/null >"$log" 2>&1; then
    cat "$log" >&2
    echo "$what failed." >&2
    return 1
  fi
}

# Builds the given targets of build/ (all when none).
build_targets() {
  local targets=()
  (($# > 0)) && targets=(--target "$@")
  logged "$build/build.log" Build cmake --build "$build" -j"$(nproc)" "${targets[@]}"
}

# Builds tarvik.exe a second time, with clang, in build-clang/: code only one compiler accepts fails here.
build_with_clang() {
  configure mingw-clang "$root/build-clang"
  logged "$root/build-clang/build.log" "The clang build" cmake --build "$root/build-clang" -j"$(nproc)" --target tarvik
}

# Packs build/tarvik-<version>-win64.zip (and its .sha256) from the built tarvik.exe.
make_package() {
  logged "$build/package.log" Packing cpack --config "$build/CPackConfig.cmake"
}
