#!/usr/bin/env bash
# Runs every test: the native suite, then the Windows suite under Wine and Xvfb.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"

echo "== layers"
bash "$root/scripts/check-layers.sh"

echo "== native build and tests"
"$root/scripts/build.sh" native
ctest --test-dir "$root/build/native" --output-on-failure -j "$(nproc)"

echo "== fuzzing (libFuzzer harnesses of fuzz/, sanitizers on)"
bash "$root/scripts/fuzz.sh" 20

echo "== windows build and tests (Wine, Xvfb)"
"$root/scripts/build.sh" windows
source "$root/scripts/wine-env.sh"
kalvora_wine_prefix
# One X server and one resident wineserver for the whole run keep each test fast.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  wineserver -p 2>/dev/null || true
  # Start Wine'"'"'s background services now, so they do not inherit ctest'"'"'s output pipe.
  wine cmd /c exit >/dev/null 2>&1 || true
  ctest --test-dir "$1/build/windows" --output-on-failure
  status=$?
  wineserver -k 2>/dev/null || true
  exit $status' _ "$root"
