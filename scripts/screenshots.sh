#!/usr/bin/env bash
# Makes the README's screenshots of the desktop program's windows under a virtual X server:
#   scripts/screenshots.sh [scene ...]      (all scenes when none is named)
# Builds linkwell-screenshots in build/ and writes docs/screenshots/<scene>.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target linkwell-screenshots
export QT_QPA_PLATFORM=xcb
xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" \
  build/linkwell-screenshots docs/screenshots "$@"
