#!/usr/bin/env bash
# Sets up the machine, builds and runs every test; then builds everything
# again with clang's address and undefined-behaviour sanitizers and runs every
# test a second time, where any finding fails; then runs each fuzz target for
# a short while. Says how long each part took.
#   TV_FUZZ_SECONDS: seconds per fuzz target (default 15; 0 skips fuzzing)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TV_BUILD_DIR:-$root/build}
asan=${TV_ASAN_BUILD_DIR:-$root/build-asan}

times=()
report() {
  printf '%s\n' "--- time taken" "${times[@]}"
}
trap report EXIT
timed() {
  local what=$1 start=$SECONDS
  shift
  "$@"
  times+=("$(printf '%-34s %5d s' "$what" $((SECONDS - start)))")
}

timed "setup" bash "$root/scripts/setup.sh"
timed "build (gcc)" bash "$root/scripts/build.sh"
timed "tests (gcc)" ctest --test-dir "$build" --output-on-failure -j2

# The second build: sanitizers everywhere, fuzz targets beside the tests, no
# benchmarks. -O1 keeps the build and the sanitized runs fast.
configure_asan() {
  CC=clang CXX=clang++ cmake -S "$root" -B "$asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g" -DTV_WERROR=ON -DTV_FUZZ=ON -DTV_BENCHMARKS=OFF >/dev/null
  cmake --build "$asan" -j2
}
timed "build (clang, sanitizers, fuzz)" configure_asan

symbolizer=/usr/lib/llvm-14/bin/llvm-symbolizer
[ -x "$symbolizer" ] && export ASAN_SYMBOLIZER_PATH=$symbolizer
# intercept_strndup=0: X's keyboard library calls strndup on a buffer that is
# not NUL-terminated within its allocation, which the interceptor reports as an
# overflow inside the system library when the real program starts under Xvfb.
export ASAN_OPTIONS=intercept_strndup=0:halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:strict_string_checks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
timed "tests (sanitizers)" ctest --test-dir "$asan" --output-on-failure -j2

seconds=${TV_FUZZ_SECONDS:-15}
if [ "$seconds" -gt 0 ]; then
  TV_FUZZ_BUILD_DIR=$asan timed "fuzzing (${seconds} s per target)" bash "$root/scripts/fuzz.sh" "$seconds"
fi
