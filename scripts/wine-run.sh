#!/usr/bin/env bash
# Runs one Windows program under Wine in the scratch prefix (ctest's emulator).
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
kalvora_wine_prefix
exec wine "$@"
