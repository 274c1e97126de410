#!/usr/bin/env bash
# The Windows build, checked under Wine: installs the cross toolchain, cross-builds the
# Windows test program into build-windows/ and runs it under wine64, once with a COM port that
# Wine maps to a pseudo-terminal whose far end echoes (a real serial round trip through the
# Win32 backend).
#   scripts/windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh windows
start=$(date +%s)

wb=build-windows
cmake -S . -B "$wb" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DLW_BUILD_GUI=OFF -DLW_BUILD_BENCH=OFF -DLW_BUILD_FUZZ=OFF -DLW_WERROR=ON >/dev/null
cmake --build "$wb" -j "$(nproc)" --target test_win32
echo "cross build: $(( $(date +%s) - start )) s"

# A Wine prefix of our own inside the build folder, made on first use; no debug chatter.
export WINEPREFIX=$PWD/$wb/wine WINEDEBUG=-all
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64)
wineserver=$(dirname "$wine")/wineserver
"$wine" cmd /c exit 0 >/dev/null 2>&1 || true
echo "Wine prefix ready: $(( $(date +%s) - start )) s"

line_log=$(mktemp)
cleanup() {
  [ -n "${echo_pid:-}" ] && kill "$echo_pid" 2>/dev/null || true
  rm -f "$WINEPREFIX/dosdevices/com9" "$line_log"
  "$wineserver" -k 2>/dev/null || true
}
trap cleanup EXIT

# COM9 is a Linux pseudo-terminal: Wine opens the device a dosdevices link names.
tests/win32/echo_line.py >"$line_log" &
echo_pid=$!
for _ in $(seq 50); do [ -s "$line_log" ] && break; sleep 0.1; done
pty=$(head -1 "$line_log")
[ -n "$pty" ] || { echo "the echoing pseudo-terminal did not start"; exit 1; }
ln -sfn "$pty" "$WINEPREFIX/dosdevices/com9"

LW_TEST_COM_PORT=COM9 "$wine" "$wb/tests/test_win32.exe"
echo "Windows stage: $(( $(date +%s) - start )) s"
