#!/usr/bin/env bash
# Installs what the builds and tests need on a Debian machine, only if missing.
set -euo pipefail
packages=(cmake make g++ pkg-config googletest libgtest-dev libgmock-dev libbenchmark-dev libxml2-dev
          g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth x11-utils imagemagick ccache
          clang libclang-rt-dev llvm)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
