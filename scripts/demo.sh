#!/usr/bin/env bash
# Builds Linkwell and runs a short command-line session on the built-in simulated calculator.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$(nproc)"
cli=build/cli/linkwell-cli
if [ ! -x "$cli" ]; then
  echo "linkwell-cli is not built yet; the demo needs it." >&2
  exit 1
fi
set -x
"$cli" --demo ident
"$cli" --demo ls -R
"$cli" --demo mem
