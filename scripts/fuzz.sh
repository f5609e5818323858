#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (address and undefined-
# behaviour sanitizers on) and runs each for a while, one after the other.
#   bash scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]     (default 600 s, every target)
# CI runs each target for a short time; longer runs are for hand use. The
# committed seeds in fuzz/corpus/<Name>/ are copied, never changed; what a run
# learns stays in <build>/fuzz-corpus/<Name>/ for the next run. A finding ends
# the script with an error and its input is left in <build>/fuzz-findings/<Name>/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TV_FUZZ_BUILD_DIR:-$root/build-asan}
seconds=${1:-600}
shift $(( $# > 0 ? 1 : 0 ))

if [ ! -f "$build/CMakeCache.txt" ] || ! grep -q '^TV_FUZZ:BOOL=ON' "$build/CMakeCache.txt"; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g" -DTV_WERROR=ON -DTV_FUZZ=ON -DTV_BENCHMARKS=OFF >/dev/null
fi
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in "$root"/fuzz/*Fuzz.cpp; do
    name=$(basename "$source" .cpp)
    targets+=("${name%Fuzz}")
  done
fi
cmake --build "$build" -j2 --target "${targets[@]/%/Fuzz}"

# Some inputs are only interesting when longer than the default 4096 bytes.
declare -A max_len=([ExecutableVersion]=8192)
export ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}

failed=0
printf '%-20s %12s %10s %8s  %s\n' target executions "exec/s" seconds result
for t in "${targets[@]}"; do
  corpus="$build/fuzz-corpus/$t"
  findings="$build/fuzz-findings/$t"
  mkdir -p "$corpus" "$findings"
  cp -n "$root/fuzz/corpus/$t/"* "$corpus/" 2>/dev/null || true
  log="$build/fuzz-findings/$t.log"
  start=$(date +%s)
  result=ok
  # -timeout: one input running longer than 10 s is a hang and a finding.
  if ! "$build/fuzz/${t}Fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -max_len="${max_len[$t]:-4096}" -print_final_stats=1 -artifact_prefix="$findings/" \
      "$corpus" >"$log" 2>&1; then
    result="FOUND (see $log)"
    failed=1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  printf '%-20s %12s %10s %8s  %s\n' "$t" "${runs:-?}" "${speed:-?}" "$(( $(date +%s) - start ))" "$result"
done
exit $failed
