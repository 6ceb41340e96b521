#!/usr/bin/env bash
# Installs what is missing, builds the programs (not the tests) and starts
# kalvora.exe under Wine: in the current X display when there is one,
# otherwise under Xvfb, where it saves a screenshot of the main window and
# ends the program again. Says at the end where Wine, the data folder and the
# record folder are.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" windows kalvora

source "$root/scripts/wine-env.sh"
kalvora_wine_prefix
exe="$root/build/windows/src/kalvora.exe"

# The program keeps its settings and, unless told otherwise, its records in
# My Documents\Kalvora\, which in the scratch prefix is $HOME/Kalvora.
data_folder="$HOME/Kalvora"
settings_file="$data_folder/defualt.ini"

# The record folder the settings name (EdtRECPath), as a path on this machine.
record_folder() {
  local typed=""
  [ -f "$settings_file" ] &&
    typed="$(tr -d '\r' <"$settings_file" | sed -n 's/^EdtRECPath=//p' | head -n 1)"
  if [ -z "$typed" ]; then
    echo "$data_folder"
  else
    winepath -u "$typed" 2>/dev/null || echo "$typed"
  fi
}

where_things_are() {
  echo "Wine prefix:   $WINEPREFIX"
  echo "Data folder:   $data_folder (settings: defualt.ini)"
  echo "Record folder: $(record_folder)"
}

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  where_things_are
  exec wine "$exe"
fi

# Headless, the picture should show the main window: answer the first-start
# dialog the way a user does, with "Don't show again", in the program's own
# settings file.
mkdir -p "$data_folder"
if ! { tr -d '\r' <"$settings_file"; } 2>/dev/null | grep -q '^CbNotShowAgain=1$'; then
  if [ -f "$settings_file" ] && tr -d '\r' <"$settings_file" | grep -q '^\[default\]$'; then
    tr -d '\r' <"$settings_file" | grep -v '^CbNotShowAgain=' |
      awk '{ print } /^\[default\]$/ { print "CbNotShowAgain=1" }' | sed 's/$/\r/' >"$settings_file.new"
    mv "$settings_file.new" "$settings_file"
  else
    printf '[default]\r\nCbNotShowAgain=1\r\n' >>"$settings_file"
  fi
fi

screenshot="$root/build/kalvora-screenshot.png"
rm -f "$screenshot"
status=0
xvfb-run -a -s "-screen 0 1280x1024x24" bash -s "$exe" "$screenshot" <<'IN_XVFB' || status=$?
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

main_window_shown() {
  local id
  for id in $(xwininfo -root -tree 2>/dev/null | grep -E '"Kalvora 2\.1"' | awk '{print $1}'); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && return 0
  done
  return 1
}

wine "$exe" >/dev/null 2>&1 &
shown=0
for _ in $(seq 1 60); do
  if main_window_shown; then shown=1; break; fi
  sleep 0.5
done
status=0
if [ "$shown" -eq 1 ]; then
  sleep 2  # let it finish painting and its first refresh
  import -window root "$screenshot"
  echo "Screenshot of Kalvora under Xvfb: $screenshot"
else
  echo "Kalvora showed no main window within 30 seconds." >&2
  status=1
fi

wineserver -k 2>/dev/null || true
if [ "$added_decorated" -eq 1 ]; then
  wine reg delete "$decorated_key" /v Decorated /f >/dev/null 2>&1 || true
  wineserver -k 2>/dev/null || true
fi
exit $status
IN_XVFB
where_things_are
exit $status
