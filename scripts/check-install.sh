#!/usr/bin/env bash
# Installs the build in build/ into a staging folder and runs the installed programs from there:
# they must find their data files in share/linkwell, not in the build tree.
#   scripts/check-install.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
bin="$stage/usr/bin"
echo "== installed linkwell-cli --demo ls"
timeout 60 "$bin/linkwell-cli" --demo ls | head -3
echo "== installed linkwell-cli --demo backup (archive program from share/linkwell)"
(cd "$stage" && timeout 120 "$bin/linkwell-cli" --demo -y -q backup demo.zqbackup && test -s demo.zqbackup)
if [ -x "$bin/linkwell" ]; then
  echo "== installed linkwell --version"
  QT_QPA_PLATFORM=offscreen timeout 20 "$bin/linkwell" --version
fi
echo "install check passed"
