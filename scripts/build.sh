#!/usr/bin/env bash
# Configures and builds one of the two builds: native or windows. Any further
# arguments name the targets to build (all of them when none is given).
# KALVORA_BUILD_ROOT puts the build folders somewhere other than build/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
kind="${1:?native or windows}"
shift
build_root="${KALVORA_BUILD_ROOT:-$root/build}"
jobs="$(nproc)"
launcher=()
# A compiler cache makes a fresh clone's second build, and every rebuild, cheap.
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="$root"  # so that a clone in another folder hits the same cache
fi
case "$kind" in
  native)  cmake -S "$root" -B "$build_root/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null ;;
  windows) cmake -S "$root" -B "$build_root/windows" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" \
                 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null ;;
  *) echo "unknown build: $kind" >&2; exit 2 ;;
esac
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$build_root/$kind" -j "$jobs" "${targets[@]}"
