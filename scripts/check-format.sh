#!/usr/bin/env bash
# Fails when a tracked C++ file (.cpp/.h) differs from what clang-format makes of it under the
# repository's .clang-format, and names the file and lines. Fix with: clang-format -i FILE
#   scripts/check-format.sh            every tracked .cpp/.h file
#   scripts/check-format.sh FILE ...   these files only
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -gt 0 ]; then
  files=("$@")
else
  mapfile -t files < <(git ls-files '*.cpp' '*.h')
fi
if clang-format --dry-run --Werror "${files[@]}"; then
  echo "Formatting: ${#files[@]} files as clang-format makes them"
else
  echo "check-format.sh: the files above are not formatted; run clang-format -i on them" >&2
  exit 1
fi
