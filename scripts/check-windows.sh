#!/bin/bash
# Checks here what can be checked of the Windows builds, which cannot run here: lints the CI workflow and
# configures the project natively (not cross-compiling) with the host compiler in throwaway build trees,
# checking which GoogleTest sources and which tests it picks and that every test has a time limit, and
# with clang-cl, checking that the flags follow Visual Studio's command line. Nothing is compiled for
# Windows here; its last lines say what it has and has not shown.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

validator_version=0.6.0
tools="$build/npm"

# Fails with the message unless the command succeeds.
expect() {
  local what=$1
  shift
  "$@" || { echo "Windows check: $what" >&2; return 1; }
}

# Installs the workflow validator from the npm registry into build/npm, once for each version; node and
# npm come from apt when missing.
ensure_validator() {
  local validator="$tools/node_modules/@action-validator/cli/package.json"
  [ -f "$validator" ] && [ "$(node -p 'require(process.argv[1]).version' "$validator")" = "$validator_version" ] &&
    return 0
  command -v npm >/dev/null || ensure_packages nodejs npm
  mkdir -p "$tools"
  logged "$build/npm.log" "Installing the workflow validator" npm install --prefix "$tools" --no-audit --no-fund \
    "@action-validator/cli@$validator_version" "@action-validator/core@$validator_version"
}

lint_workflows() {
  local workflow
  for workflow in "$root"/.github/workflows/*.yml; do
    logged "$build/workflow-lint.log" "Linting ${workflow#"$root/"}" "$tools/node_modules/.bin/action-validator" "$workflow"
  done
}

# Configures a fresh tree natively with clang for the host; windres stands in for the resource compiler.
native_configure() {
  local tree=$1 log=$2
  shift 2
  logged "$log" "The native configure" cmake -S "$root" -B "$tree" -DCMAKE_C_COMPILER=clang \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_RC_COMPILER=x86_64-w64-mingw32-windres "$@"
}

# Natively there are the test programs only (not built here, so ctest shows their placeholders): no Wine
# fixture, no test that drives Wine from Linux. The guide is read from the source path as it is.
check_native_tests() {
  local tree=$1 tests others
  tests=$(ctest --test-dir "$tree" -N 2>/dev/null | sed -n 's/^ *Test *#[0-9]*: //p')
  others=$(grep -v '_tests_NOT_BUILT$' <<<"$tests" | tr '\n' ' ' || true)
  expect "no test programs" test -n "$tests"
  expect "tests besides the test programs: $others" test -z "$others"
  expect "the guide's path is not the source path" \
    grep -qF "TARVIK_SOURCE_DIR=\\\"$root\\\"" "$tree/tests/CMakeFiles/test_support.dir/flags.make"
}

# The test programs are not built here, so stand-ins that list one test each are put in their place: the
# tests ctest then finds carry the properties the real ones get, and every test must have a time limit.
check_native_timeouts() {
  local tree=$1 program untimed
  mkdir -p "$tree/bin"
  for program in $(ctest --test-dir "$tree" -N | sed -n 's/^ *Test *#[0-9]*: \(.*\)_NOT_BUILT$/\1/p'); do
    printf '#!/bin/sh\necho %s.\necho "  StandIn"\n' "$program" >"$tree/bin/$program"
    chmod +x "$tree/bin/$program"
  done
  untimed=$(ctest --test-dir "$tree" --show-only=json-v1 | node -e '
    for (const test of JSON.parse(require("fs").readFileSync(0, "utf8")).tests)
      if (!(test.properties || []).some((property) => property.name === "TIMEOUT" && property.value > 0))
        console.log(test.name);')
  expect "tests without a time limit: $untimed" test -z "$untimed"
}

check_native_configure() {
  local tree="$build/native" log="$build/native.log"
  rm -rf "$tree"
  native_configure "$tree/system" "$log"
  expect "GoogleTest does not come from the system" grep -q '^-- GoogleTest: the sources in /usr/src/googletest$' "$log"
  check_native_tests "$tree/system"
  check_native_timeouts "$tree/system"
  # Without system sources the pinned release is fetched. There is no way to the download here, so
  # Debian's sources (1.12) stand in where it would unpack them: this shows that the fetch is chosen,
  # not that the pinned release downloads, matches its hash or configures.
  mkdir -p "$tree/fetch/_deps"
  cp -r /usr/src/googletest "$tree/fetch/_deps/googletest-src"
  native_configure "$tree/fetch" "$log" -DTARVIK_SYSTEM_GOOGLETEST="$tree/none" -DFETCHCONTENT_FULLY_DISCONNECTED=ON
  expect "the pinned release is not chosen without system sources" \
    grep -q '^-- GoogleTest: release [0-9.]*, fetched$' "$log"
  check_native_tests "$tree/fetch"
}

# clang-cl is a Clang that takes Visual Studio's command line: the shell gets the MSVC-style flags and
# GoogleTest the shell's static C runtime. There are no Windows libraries here, so nothing is linked: the
# compiler checks make a static library instead. Unlinked, FindThreads' search for a pthread library would
# succeed and GoogleTest would get GTEST_HAS_PTHREAD=1: it is answered as Visual Studio's link answers it.
check_msvc_style_flags() {
  local tree="$build/native/clang-cl" llvm=/usr/lib/llvm-14/bin shell gtest link
  ensure_packages clang-tools-14 lld-14 llvm-14
  logged "$build/native.log" "The clang-cl configure" cmake -S "$root" -B "$tree" -DCMAKE_SYSTEM_NAME=Windows \
    -DCMAKE_SYSTEM_PROCESSOR=AMD64 -DCMAKE_BUILD_TYPE=Debug -DTARVIK_WERROR=ON \
    -DCMAKE_TRY_COMPILE_TARGET_TYPE=STATIC_LIBRARY -DCMAKE_C_COMPILER=$llvm/clang-cl \
    -DCMAKE_CXX_COMPILER=$llvm/clang-cl -DCMAKE_LINKER=$llvm/lld-link -DCMAKE_AR=$llvm/llvm-lib \
    -DCMAKE_RC_COMPILER=$llvm/llvm-rc -DCMAKE_MT=$llvm/llvm-mt \
    -DCMAKE_HAVE_PTHREADS_CREATE=OFF -DCMAKE_HAVE_PTHREAD_CREATE=OFF
  shell=$(sed -n 's/^CXX_FLAGS = //p' "$tree/CMakeFiles/tarvik_lib.dir/flags.make")
  gtest=$(sed -n 's/^CXX_FLAGS = //p' "$tree/_deps/googletest-build/googletest/CMakeFiles/gtest.dir/flags.make")
  link=$(cat "$tree/CMakeFiles/tarvik.dir/link.txt")
  expect "clang-cl gets other flags than /W4 /WX: $shell" grep -qE '(^| )/W4( .*)? /WX( |$)' <<<"$shell"
  expect "clang-cl gets GNU flags: $shell" test -z "$(grep -oE -- '-Wall|-Wextra|-Werror' <<<"$shell")"
  expect "the shell is not built with the static runtime: $shell" grep -qw -- -MTd <<<"$shell"
  expect "GoogleTest is not built with the shell's runtime: $gtest" grep -qw -- -MTd <<<"$gtest"
  expect "GoogleTest is built for pthreads: $gtest" grep -qw -- -DGTEST_HAS_PTHREAD=0 <<<"$gtest"
  expect "the link takes GNU options: $link" test -z "$(grep -o -- ' -static' <<<"$link")"
  expect "the link does not name advapi32: $link" grep -q advapi32.lib <<<"$link"
}

ensure_validator
lint_workflows
check_native_configure
check_msvc_style_flags
cat >&2 <<'EOF'
Windows check: the workflow lints; natively configured, every test has a time limit, GoogleTest comes from
  the system or, without it, the pinned release is chosen; clang-cl gets Visual Studio's flags.
  Not checked here: the download of the pinned GoogleTest and its configure (Debian's 1.12 stands in),
  any compile, link or test run on Windows.
EOF
