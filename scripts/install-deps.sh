#!/usr/bin/env bash
# Installs the Debian 12 packages Linkwell needs to build and test, when missing.
#   scripts/install-deps.sh            the Linux build and its tests
#   scripts/install-deps.sh windows    the Windows cross build and its run under Wine only:
#                                      MinGW-w64 (POSIX threads, for std::thread), its zlib, the
#                                      GoogleTest sources, CLI11's headers and wine64
set -euo pipefail
if [ "${1:-}" = windows ]; then
  packages=(cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
            libz-mingw-w64-dev googletest libcli11-dev wine64)
else
  packages=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
            libcli11-dev libjpeg62-turbo-dev zlib1g-dev clang libclang-rt-14-dev
            qt6-base-dev qt6-base-dev-tools libgl-dev xvfb xauth fonts-dejavu-core
            qt6-l10n-tools qt6-translations-l10n
            scdoc librsvg2-bin desktop-file-utils appstream libedit-dev clang-format python3)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
