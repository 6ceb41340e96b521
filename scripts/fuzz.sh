#!/usr/bin/env bash
# Builds the libFuzzer harnesses of fuzz/ (clang, address and undefined-
# behaviour sanitizers) in a build folder of their own and runs each one for
# a while on a copy of its seed corpus, so that a run never grows the
# committed corpus. Fails, naming the harness and the input that shows it,
# on any crash, leak, out-of-memory, timeout or broken invariant.
# Usage: scripts/fuzz.sh [seconds per harness, default 20] [harness...]
# KALVORA_BUILD_ROOT puts the build folder somewhere other than build/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-20}"
shift || true
build="${KALVORA_BUILD_ROOT:-$root/build}/fuzz"

harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
  for dir in "$root"/fuzz/corpus/*/; do harnesses+=("$(basename "$dir")"); done
fi

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="$root"
fi
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE= -DKALVORA_FUZZ=ON \
      "${launcher[@]}" >/dev/null
targets=()
for h in "${harnesses[@]}"; do targets+=(--target "fuzz_$h"); done
cmake --build "$build" -j "$(nproc)" "${targets[@]}"

# Inputs larger than this are not tried, so that a run explores many small
# inputs. Records get more room, as items are long; even so their cap stays
# low, because the record reader converts the whole document before its
# top-level limit applies: its memory and time follow the file's size (a
# 4 MB record takes about 1 GB here), which a larger cap would only measure.
max_len() {
  case "$1" in
    record_file) echo 65536 ;;
    *) echo 16384 ;;
  esac
}

failed=()
for h in "${harnesses[@]}"; do
  work="$build/runs/$h"
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/findings"
  cp -R "$root/fuzz/corpus/$h/." "$work/corpus/"
  echo "== fuzz $h (${seconds}s)"
  status=0
  "$build/fuzz/fuzz_$h" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len="$(max_len "$h")" \
      -print_final_stats=1 -artifact_prefix="$work/findings/" "$work/corpus" >"$work/log" 2>&1 || status=$?
  grep -E '^stat::number_of_executed_units' "$work/log" || true
  found="$(ls "$work/findings")"
  if [ "$status" -ne 0 ] || [ -n "$found" ]; then
    grep -E '== finding|ERROR: |SUMMARY: |runtime error' "$work/log" | head -5 || true
    for f in $found; do echo "FUZZ FINDING in $h: $work/findings/$f"; done
    [ -n "$found" ] || echo "FUZZ FAILURE in $h (exit $status): see $work/log"
    failed+=("$h")
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found faults in: ${failed[*]}" >&2
  exit 1
fi
