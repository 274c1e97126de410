#!/usr/bin/env bash
# Makes the README's screenshots of the desktop program's windows under a virtual X server:
#   scripts/screenshots.sh [scene ...]      (all scenes when none is named)
#   scripts/screenshots.sh --languages      (the main window and the transfer prompt in each
#                                            language the program has, for docs/screenshots/<code>/)
# Builds linkwell-screenshots in build/ and writes docs/screenshots/<scene>.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target linkwell-screenshots
export QT_QPA_PLATFORM=xcb
shoot() {
  xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" build/linkwell-screenshots "$@"
}
if [ "${1:-}" = "--languages" ]; then
  for code in nl fr de pt es it; do
    mkdir -p "docs/screenshots/$code"
    shoot --lang "$code" "docs/screenshots/$code" main-window transfer-prompt
    # The main window scene also draws its popup menu and delete question: kept in English only.
    rm -f "docs/screenshots/$code/popup-menu.png" "docs/screenshots/$code/message-box.png"
  done
else
  shoot docs/screenshots "$@"
fi
