#!/usr/bin/env bash
# Installs the Debian 12 packages Linkwell needs to build and test, when missing.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          libcli11-dev libjpeg62-turbo-dev zlib1g-dev clang libclang-rt-14-dev
          qt6-base-dev qt6-base-dev-tools libgl-dev xvfb xauth fonts-dejavu-core
          qt6-l10n-tools qt6-translations-l10n
          scdoc librsvg2-bin desktop-file-utils appstream libedit-dev clang-format python3)
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
