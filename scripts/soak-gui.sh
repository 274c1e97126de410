#!/usr/bin/env bash
# A long random run of the desktop program against the in-process simulated calculator with
# its faults armed at random (not part of CI). Prints the seed; give it back to replay a run.
#   scripts/soak-gui.sh                       normal build in build/, 1000 commands
#   scripts/soak-gui.sh address               AddressSanitizer + UndefinedBehaviorSanitizer
#   scripts/soak-gui.sh '' 2000 12345         2000 commands with seed 12345
set -euo pipefail
cd "$(dirname "$0")/.."
sanitize="${1:-}"
commands="${2:-1000}"
seed="${3:-}"
dir="build${sanitize:+-$sanitize}"
if ! configured=$(cmake -S . -B "$dir" -G Ninja -DLW_SANITIZE="$sanitize" -DLW_BUILD_FUZZ=OFF \
      -DLW_BUILD_BENCH=OFF 2>&1); then
  printf '%s\n' "$configured" >&2
  exit 1
fi
cmake --build "$dir" -j "$(nproc)" --target soak_gui
# Settings, data and temporary files of a folder of the run's own, never the person's.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/config" "$home/data" "$home/tmp"
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
  TMPDIR="$home/tmp" LW_SOAK_COMMANDS="$commands"
[ -n "$seed" ] && export LW_SOAK_SEED="$seed"
# AddressSanitizer keeps freed memory aside for a while (its quarantine, 256 MB by default),
# which a run of this length would read as growth; a small one keeps the figures about the
# program.
export ASAN_OPTIONS="${ASAN_OPTIONS:-quarantine_size_mb=8:detect_leaks=1}"
export TSAN_OPTIONS="${TSAN_OPTIONS:-suppressions=$PWD/tests/gui/tsan.supp:history_size=7}"
start=$(date +%s)
set +e
"$dir/tests/gui/soak_gui" 2>&1 | grep --line-buffered -v "does not support"
status=${PIPESTATUS[0]}
set -e
echo "soak-gui.sh: exit $status after $(( $(date +%s) - start )) s"
exit "$status"
