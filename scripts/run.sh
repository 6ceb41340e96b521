#!/usr/bin/env bash
# Installs what is missing, builds kalvora.exe and starts it under Wine: in
# the current X display when there is one, otherwise under Xvfb, where it
# saves a screenshot of what the program shows and ends it again.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" windows

source "$root/scripts/wine-env.sh"
kalvora_wine_prefix
exe="$root/build/windows/src/kalvora.exe"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec wine "$exe"
fi

screenshot="$root/build/kalvora-screenshot.png"
rm -f "$screenshot"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -s "$exe" "$screenshot" <<'IN_XVFB'
set -uo pipefail
exe="$1"
screenshot="$2"

# Xvfb has no window manager: let Wine draw the window frames itself so that
# the captions show, and put the setting back afterwards.
decorated_key='HKCU\Software\Wine\X11 Driver'
added_decorated=0
if ! wine reg query "$decorated_key" /v Decorated >/dev/null 2>&1; then
  wine reg add "$decorated_key" /v Decorated /d N /f >/dev/null 2>&1 && added_decorated=1
fi

# A shown top-level window of the program: the main window, or the settings
# dialog that comes before it on a first start.
program_window_shown() {
  local id
  for id in $(xwininfo -root -tree 2>/dev/null |
              grep -E '"(Kalvora 2\.1|Smart Folder Settings)"' | awk '{print $1}'); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && return 0
  done
  return 1
}

wine "$exe" >/dev/null 2>&1 &
shown=0
for _ in $(seq 1 60); do
  if program_window_shown; then shown=1; break; fi
  sleep 0.5
done
status=0
if [ "$shown" -eq 1 ]; then
  sleep 2  # let it finish painting
  import -window root "$screenshot"
  echo "Screenshot of Kalvora under Xvfb: $screenshot"
else
  echo "Kalvora showed no window within 30 seconds." >&2
  status=1
fi

wineserver -k 2>/dev/null || true
if [ "$added_decorated" -eq 1 ]; then
  wine reg delete "$decorated_key" /v Decorated /f >/dev/null 2>&1 || true
  wineserver -k 2>/dev/null || true
fi
exit $status
IN_XVFB
