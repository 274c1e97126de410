#!/usr/bin/env bash
# Builds Linkwell and shows it on the built-in simulated calculator: the desktop program when
# a display is there, else (or with --cli) a short command-line session.
#   scripts/demo.sh [--cli]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
if [ "${1:-}" != "--cli" ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  cmake --build build -j "$(nproc)" --target linkwell
  exec build/linkwell --demo
fi
cmake --build build -j "$(nproc)" --target linkwell-cli
cli=build/cli/linkwell-cli
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

run() {
  printf '\n$ linkwell-cli'
  printf ' %q' "$@"
  echo
  "$cli" "$@"
}

run --demo ident
run --demo ls
run --demo -d "HOME WORK" ls -R
run --demo mem
run --demo -q -t get MSG -o "$out"
cat "$out/MSG.txt"
run --demo -q capture -o "$out/screen.png"
echo "($(stat -c %s "$out/screen.png") bytes of PNG)"
