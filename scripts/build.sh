#!/usr/bin/env bash
# Configures and builds one of the two builds: native or windows.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
kind="${1:?native or windows}"
jobs="$(nproc)"
case "$kind" in
  native)  cmake -S "$root" -B "$root/build/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null ;;
  windows) cmake -S "$root" -B "$root/build/windows" -DCMAKE_BUILD_TYPE=Release \
                 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null ;;
  *) echo "unknown build: $kind" >&2; exit 2 ;;
esac
cmake --build "$root/build/$kind" -j "$jobs"
