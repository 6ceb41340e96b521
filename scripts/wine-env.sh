# Sourced by the scripts that run Windows programs: Wine always works in a
# scratch HOME and WINEPREFIX below the build folder, never in the user's own.
KALVORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export KALVORA_WINE_ROOT="${KALVORA_WINE_ROOT:-$KALVORA_ROOT/build/wine}"
export HOME="$KALVORA_WINE_ROOT/home"
export WINEPREFIX="$KALVORA_WINE_ROOT/prefix"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
mkdir -p "$HOME"

# Creates the prefix once (about ten seconds); later calls find it ready.
kalvora_wine_prefix() {
  if [ ! -f "$WINEPREFIX/.kalvora-ready" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -u >/dev/null 2>&1 || true
    wineserver -w 2>/dev/null || true
    touch "$WINEPREFIX/.kalvora-ready"
  fi
}
