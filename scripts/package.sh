#!/usr/bin/env bash
# Builds the Debian package linkwell_<version>_<arch>.deb in build-package/ and checks it with
# lintian. The package's dependencies come from the shared libraries the programs use.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
if ! command -v lintian >/dev/null || ! command -v dpkg-shlibdeps >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends lintian dpkg-dev
fi
dir=build-package
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DLW_BUILD_TESTS=OFF -DLW_BUILD_BENCH=OFF -DLW_BUILD_FUZZ=OFF >/dev/null
cmake --build "$dir" -j "$(nproc)"
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(ls -t "$dir"/linkwell_*.deb | head -1)
echo "Built $deb"
dpkg-deb --info "$deb" | sed -n '/Package:/,$p'
# Errors fail the script; warnings are shown.
lintian --fail-on error --suppress-tags no-manual-page "$deb"
