#!/usr/bin/env bash
# The Windows build, checked under Wine. Installs the cross toolchain, cross-builds the core,
# linkwell-cli, linkwell-sim and the Windows test program into build-windows/, and runs under
# wine64:
#  - the Windows test program, with COM9 mapped to a pseudo-terminal whose far end echoes (a
#    real serial round trip through the Win32 backend);
#  - linkwell-cli.exe's demo commands (ident, ls, get binary and text) over the in-memory link,
#    each output compared with the Linux build's;
#  - linkwell-cli.exe against the Linux linkwell-sim through COM9, mapped to the simulator's
#    pseudo-terminal (ident, ls), compared with the Linux linkwell-cli on the same line;
#  - linkwell-sim.exe serving on COM8, one end of a null-modem pair of pseudo-terminals, with
#    linkwell-cli.exe on COM9 and the Linux linkwell-cli on the other end (ident, ls, get).
# Outputs are compared after two normalisations only: Windows line ends (CRLF) become LF, and
# the output folder of each side is written @OUT.
#   scripts/windows.sh [LINUX_BUILD_DIR]      (default: build; its programs are built if missing)
set -euo pipefail
cd "$(dirname "$0")/.."
linux_build=${1:-build}
scripts/install-deps.sh windows
start=$(date +%s)

# Without debug information: the stage only runs the programs, and writing it takes the cross
# compiler about 40% of its time. -O2 as in the Linux build, so that the same warnings come.
wb=build-windows
cmake -S . -B "$wb" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DLW_BUILD_GUI=OFF -DLW_BUILD_BENCH=OFF -DLW_BUILD_FUZZ=OFF -DLW_WERROR=ON >/dev/null
cmake --build "$wb" -j "$(nproc)" --target linkwell-cli linkwell-sim test_win32
echo "cross build: $(($(date +%s) - start)) s"

if [ ! -x "$linux_build/cli/linkwell-cli" ] || [ ! -x "$linux_build/sim/linkwell-sim" ]; then
  [ -f "$linux_build/CMakeCache.txt" ] || cmake -S . -B "$linux_build" -G Ninja >/dev/null
  cmake --build "$linux_build" -j "$(nproc)" --target linkwell-cli linkwell-sim
fi
linux_cli=$linux_build/cli/linkwell-cli
linux_sim=$linux_build/sim/linkwell-sim
win_cli=$wb/cli/linkwell-cli.exe
win_sim=$wb/sim/linkwell-sim.exe

# A Wine prefix of our own inside the build folder, made on first use; no debug chatter.
export WINEPREFIX=$PWD/$wb/wine WINEDEBUG=-all
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64)
wineserver=$(dirname "$wine")/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver)
out=$(mktemp -d)
far_pid=
calc_pid=
cleanup() {
  [ -n "$far_pid" ] && kill "$far_pid" 2>/dev/null || true
  [ -n "$calc_pid" ] && kill "$calc_pid" 2>/dev/null || true
  rm -f "$WINEPREFIX/dosdevices/com8" "$WINEPREFIX/dosdevices/com9"
  rm -rf "$out"
  "$wineserver" -k 2>/dev/null || true
}
trap cleanup EXIT
# One Wine server for the whole stage, ended at the end: one that ends by itself between two
# programs may be ending just as the next one connects ("recvmsg: Connection reset by peer").
mkdir -p "$WINEPREFIX"
"$wineserver" -k 2>/dev/null || true
# Its own output, a dump of its objects when one of the pseudo-terminals goes away, stays out of
# the log.
"$wineserver" -p >/dev/null 2>&1
"$wine" cmd /c exit 0 >/dev/null 2>&1 || true
echo "Wine prefix ready: $(($(date +%s) - start)) s"

failed=0

# Starts a program that prints the path of a pseudo-terminal as its first line and maps COM9 to
# that path (and COM8 to a second line's path, if any). The program's stdin stays open (a FIFO
# held here) until stop_far_end.
start_far_end() {
  local log=$out/far-end.log
  : >"$log"
  rm -f "$out/far-end.in"
  mkfifo "$out/far-end.in"
  "$@" <"$out/far-end.in" >"$log" 2>&1 &
  far_pid=$!
  exec 7>"$out/far-end.in"
  for _ in $(seq 50); do [ -s "$log" ] && break; sleep 0.1; done
  far_pty=$(head -1 "$log")
  case "$far_pty" in
  /dev/*) ln -sfn "$far_pty" "$WINEPREFIX/dosdevices/com9" ;;
  *)
    echo "the far end did not start: $*"
    cat "$log"
    exit 1
    ;;
  esac
  local second
  second=$(sed -n 2p "$log")
  case "$second" in /dev/*) ln -sfn "$second" "$WINEPREFIX/dosdevices/com8" ;; esac
}
stop_far_end() {
  exec 7>&-
  kill "$far_pid" 2>/dev/null || true
  wait "$far_pid" 2>/dev/null || true
  far_pid=
  rm -f "$WINEPREFIX/dosdevices/com8" "$WINEPREFIX/dosdevices/com9"
}

# Runs one command line on both builds and compares standard output, exit status and the files
# written; a difference is noted in $out/failed. "@OUT" in the arguments stands for a folder of
# each side's own; "@PORT" for the serial port (the pseudo-terminal's path on Linux, COM9 under
# Wine). With "@PORT" the two sides take turns on the line, else they run side by side.
run_side() {
  local status=0
  "$@" >"$side_out" 2>"$side_out.err" || status=$?
  echo "$status" >"$side_out.status"
}
compare() {
  local name=$1
  shift
  local linux_status win_status linux_args=() win_args=() together=1
  mkdir -p "$out/$name-linux" "$out/$name-win"
  for a in "$@"; do
    case "$a" in
    @OUT) linux_args+=("$out/$name-linux") win_args+=("Z:$out/$name-win") ;;
    @PORT) linux_args+=("$far_pty") win_args+=(COM9) together=0 ;;
    *) linux_args+=("$a") win_args+=("$a") ;;
    esac
  done
  side_out=$out/$name.linux run_side "$linux_cli" "${linux_args[@]}" &
  local linux_pid=$!
  [ "$together" = 1 ] || wait "$linux_pid"
  side_out=$out/$name.win run_side "$wine" "$win_cli" "${win_args[@]}"
  wait "$linux_pid"
  linux_status=$(cat "$out/$name.linux.status")
  win_status=$(cat "$out/$name.win.status")
  sed -i "s|$out/$name-linux|@OUT|g" "$out/$name.linux"
  sed -i -e 's/\r$//' -e "s|Z:$out/$name-win|@OUT|g" "$out/$name.win"
  local same=1 files=0
  [ "$linux_status" = "$win_status" ] && cmp -s "$out/$name.linux" "$out/$name.win" || same=0
  for f in "$out/$name-linux"/*; do
    [ -e "$f" ] || continue
    files=$((files + 1))
    cmp -s "$f" "$out/$name-win/$(basename "$f")" || {
      echo "written file differs: $(basename "$f")"
      same=0
    }
  done
  [ "$(ls "$out/$name-linux" | wc -l)" = "$(ls "$out/$name-win" | wc -l)" ] || same=0
  if [ "$same" = 1 ]; then
    echo "same: linkwell-cli $* (status $linux_status, $(wc -l <"$out/$name.linux") lines," \
      "$files files)"
  else
    echo "DIFFERENT: linkwell-cli $* (status $linux_status on Linux, $win_status on Windows)"
    diff "$out/$name.linux" "$out/$name.win" || true
    cat "$out/$name.linux.err" "$out/$name.win.err"
    : >"$out/failed"
  fi
}

echo "== Windows test program (COM9: an echoing pseudo-terminal)"
start_far_end tests/win32/echo_line.py
LW_TEST_COM_PORT=COM9 "$wine" "$wb/tests/test_win32.exe" || failed=1
stop_far_end

echo "== linkwell-cli.exe --demo (in-memory link) against the Linux build"
# Each demo has a simulator of its own: all run at once, mostly waiting out protocol pauses.
demos=(ident ls get get-text) demo_pids=()
compare ident --demo ident >"$out/ident.report" &
demo_pids+=($!)
compare ls --demo ls >"$out/ls.report" &
demo_pids+=($!)
compare get --demo -q get MSG -o @OUT >"$out/get.report" &
demo_pids+=($!)
compare get-text --demo -q -t get MSG -o @OUT >"$out/get-text.report" &
demo_pids+=($!)
wait "${demo_pids[@]}"
for d in "${demos[@]}"; do cat "$out/$d.report"; done

echo "== linkwell-cli.exe -p COM9 against linkwell-sim on a pseudo-terminal"
start_far_end "$linux_sim" --keep-running
compare serial-ident -p @PORT ident
compare serial-ls -p @PORT ls
stop_far_end

echo "== linkwell-sim.exe on COM8, a null-modem pair with COM9"
start_far_end tests/win32/null_modem.py
mkfifo "$out/calc.in"
timeout 120 "$wine" "$win_sim" --com COM8 <"$out/calc.in" >"$out/calc.log" 2>&1 &
calc_pid=$!
exec 8>"$out/calc.in"
for _ in $(seq 300); do [ -s "$out/calc.log" ] && break; sleep 0.1; done
if [ "$(head -1 "$out/calc.log" | tr -d '\r')" = COM8 ]; then
  compare calc-ident -p @PORT ident
  compare calc-ls -p @PORT ls
  compare calc-get -p @PORT -q get MSG -o @OUT
else
  echo "linkwell-sim.exe did not start on COM8:"
  cat "$out/calc.log"
  failed=1
fi
exec 8>&- # the end of its input ends linkwell-sim.exe
calc_status=0
wait "$calc_pid" || calc_status=$?
calc_pid=
[ "$calc_status" = 0 ] || { echo "linkwell-sim.exe ended with status $calc_status"; failed=1; }
stop_far_end

echo "== linkwell-sim.exe refuses the modes Windows cannot serve"
sim_said=$("$wine" "$wb/sim/linkwell-sim.exe" </dev/null 2>&1 | tr -d '\r') && failed=1
echo "$sim_said"
case "$sim_said" in *"needs a pseudo-terminal"*) ;; *) failed=1 ;; esac

echo "Windows stage: $(($(date +%s) - start)) s"
[ -e "$out/failed" ] && failed=1
if [ "$failed" = 0 ]; then
  echo "windows: passed"
else
  echo "windows: FAILED"
  exit 1
fi
