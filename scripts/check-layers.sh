#!/usr/bin/env bash
# Fails on any include under src/ that points up the layer order, with the
# file, the line and the folders involved. Folders on one rank (the
# subsystems that act on the tree) do not include each other either.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
src="${1:-$root/src}"

# Lowest first; folders in one entry share a rank.
ranks=(
  common
  window
  platform
  settings
  resolve
  places
  tree
  capture
  records
  recent
  "launch actions intake capture_driver dialogs update"
  app
  ui
)
# The uninstaller is its own program and uses only these.
uninstall_may_use="common platform settings resolve places uninstall"

declare -A rank_of
for i in "${!ranks[@]}"; do
  for folder in ${ranks[$i]}; do rank_of[$folder]=$i; done
done

failures=0
fail() {
  echo "layers: $1" >&2
  failures=$((failures + 1))
}

while IFS= read -r -d '' file; do
  rel="${file#"$src"/}"
  own="${rel%%/*}"
  [ "$own" = "$rel" ] && continue  # a file at the top of src/
  if [ -z "${rank_of[$own]+x}" ] && [ "$own" != uninstall ]; then
    fail "$rel: folder '$own' has no place in the layer order (add it to scripts/check-layers.sh)"
    continue
  fi
  lineno=0
  while IFS= read -r line; do
    lineno=$((lineno + 1))
    [[ "$line" =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*[\"\<]([^\"\>]+)[\"\>] ]] || continue
    target="${BASH_REMATCH[1]}"
    target_lower="${target,,}"
    if [[ "$target_lower" == "windows.h" ]] && [[ "$rel" != platform/win32/* ]] && [ "$own" != ui ] &&
       [ "$own" != uninstall ]; then
      fail "$rel:$lineno includes <$target>; only platform/win32 and ui talk to Windows directly"
      continue
    fi
    [[ "$line" == *'"'* ]] || continue   # a system header
    [[ "$target" == */* ]] || continue   # beside the file itself
    to="${target%%/*}"
    [ "$to" = "$own" ] && {
      # The real and the simulated platform never see each other.
      if [[ "$rel" == platform/sim/* && "$target" == platform/win32/* ]] ||
         [[ "$rel" == platform/win32/* && "$target" == platform/sim/* ]]; then
        fail "$rel:$lineno includes $target: the real and the simulated platform are apart"
      fi
      continue
    }
    [ -n "${rank_of[$to]+x}" ] || continue  # not one of ours
    if [ "$own" = uninstall ]; then
      [[ " $uninstall_may_use " == *" $to "* ]] ||
        fail "$rel:$lineno includes $target: the uninstaller uses only $uninstall_may_use"
      continue
    fi
    from_rank=${rank_of[$own]}
    to_rank=${rank_of[$to]}
    if [ "$to_rank" -gt "$from_rank" ]; then
      fail "$rel:$lineno includes $target: '$own' may not include '$to', which is above it"
    elif [ "$to_rank" -eq "$from_rank" ]; then
      fail "$rel:$lineno includes $target: '$own' and '$to' are on one rank and stay apart"
    fi
  done <"$file"
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.inc' -o -name '*.rc' \) -print0 | sort -z)

if [ "$failures" -gt 0 ]; then
  echo "layers: $failures include(s) point the wrong way" >&2
  exit 1
fi
echo "layers: every include under ${src#"$root"/} points down"
