#!/bin/bash
# A check by hand of drag and drop and the clipboard against a real file manager, under Xvfb
# with a small window manager (without one, keystrokes and drops do not reach the windows):
#   1. `linkwell --demo` copies the variable MSG (Ctrl+C), the file manager pcmanfm-qt pastes it
#      (Ctrl+V) into its folder, and the file must equal the one the program fetched;
#   2. the variable N is dragged from the list into the file manager's window and dropped
#      ("Copy here" in the file manager's drop menu), and N.zq must appear in its folder.
# Installs Xvfb, openbox, pcmanfm-qt and xdotool when they are missing and the package lists
# have them. The drag uses the list's row positions in the default layout.
#   scripts/filemanager-check.sh [build-dir]
set -euo pipefail
build=$(realpath "${1:-build}")
[ -x "$build/linkwell" ] || { echo "no $build/linkwell: build it first" >&2; exit 2; }

need=()
for pkg in xvfb openbox pcmanfm-qt xdotool dbus; do
  dpkg -s "$pkg" >/dev/null 2>&1 || need+=("$pkg")
done
if ((${#need[@]})); then
  for pkg in "${need[@]}"; do
    apt-cache show "$pkg" >/dev/null 2>&1 || { echo "$pkg is not in the package lists" >&2; exit 2; }
  done
  sudo=; [ "$(id -u)" = 0 ] || sudo=sudo
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${need[@]}"
fi

work=$(mktemp -d)
pids=()
cleanup() {
  # Each program runs in a process group of its own (the file manager's bus daemon too).
  for pid in "${pids[@]}"; do kill -- "-$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/config" "$work/tmp" "$work/home" "$work/dest"
chmod 700 "$work/tmp"
export XDG_CONFIG_HOME=$work/config TMPDIR=$work/tmp HOME=$work/home XDG_RUNTIME_DIR=$work/tmp
display=:$((100 + RANDOM % 100))
setsid Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 & pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
setsid openbox >/dev/null 2>&1 & pids+=($!)

# Waits (at most 60 s) for a window whose title matches $1 and prints its id.
window() {
  for _ in $(seq 600); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) || true
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  echo "no window named $1; windows:" >&2
  xdotool search --onlyvisible --name . 2>/dev/null | while read -r w; do xdotool getwindowname "$w"; done >&2
  cat "$work/fm.log" >&2 2>/dev/null || true
  return 1
}
# Waits (at most 20 s) until the file $1 exists.
appears() {
  for _ in $(seq 100); do
    compgen -G "$1" >/dev/null && return 0
    sleep 0.2
  done
  return 1
}

# The file manager on its own session bus, opened on its folder. (It does not finish opening a
# folder that is empty here, so the folder holds one file to start with.)
echo "before the paste" >"$work/dest/placeholder.txt"
(cd "$work/dest" && exec setsid dbus-run-session -- pcmanfm-qt "$work/dest" >"$work/fm.log" 2>&1) &
pids+=($!)
setsid "$build/linkwell" --demo >"$work/linkwell.log" 2>&1 & pids+=($!)
lw=$(window "Connectivity Kit")
fm=$(window "^dest$")

echo "== Ctrl+C on MSG in linkwell, Ctrl+V in the file manager"
# The list is filled once the demo calculator is connected: the copy is tried again until the
# program fetches the variable into its temporary folder (at most 4 times 10 s).
copied=
for _ in 1 2 3 4; do
  xdotool windowactivate --sync "$lw"
  xdotool mousemove --window "$lw" 300 180 click 1
  xdotool key Home
  xdotool type --delay 50 MSG
  xdotool key ctrl+c
  for _ in $(seq 50); do
    compgen -G "$TMPDIR/linkwell-*/MSG.zq" >/dev/null && { copied=1; break 2; }
    sleep 0.2
  done
done
[ -n "$copied" ] || { echo "linkwell's copy wrote no file" >&2; exit 1; }

xdotool windowactivate --sync "$fm"
xdotool mousemove --window "$fm" 400 350 click 1
xdotool key ctrl+v
appears "$work/dest/MSG.zq" || { echo "nothing pasted: $(ls -A "$work/dest")" >&2; exit 1; }
cmp "$work/dest/MSG.zq" "$TMPDIR"/linkwell-*/MSG.zq
echo "pasted: $(ls "$work/dest")"

echo "== N dragged from linkwell's list into the file manager"
xdotool windowactivate --sync "$lw"
sleep 0.5
xdotool mousemove --window "$lw" 190 275 mousedown 1
# Several small moves: the drag starts after a few pixels, then crosses into the other window.
for x in 195 210 260 400; do xdotool mousemove --window "$lw" "$x" 275; sleep 0.2; done
for y in 300 320 350; do xdotool mousemove --window "$fm" 400 "$y"; sleep 0.2; done
xdotool mouseup 1
eval "$(xdotool getmouselocation --shell)"
# pcmanfm-qt asks what to do with the drop in a menu at the drop point; its first entry is
# "Copy here". The click is repeated until the menu has appeared and the file arrives.
dropped=
for _ in $(seq 10); do
  sleep 0.5
  [ -e "$work/dest/N.zq" ] && { dropped=1; break; }
  xdotool mousemove "$((X + 30))" "$((Y + 12))" click 1
done
appears "$work/dest/N.zq" || [ -n "$dropped" ] ||
  { echo "the drop left: $(ls -A "$work/dest")" >&2; exit 1; }
echo "dropped: $(ls "$work/dest")"
echo "file manager check passed"
