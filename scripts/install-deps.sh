#!/usr/bin/env bash
# Installs the Debian 12 packages Foresta needs to build, test, benchmark,
# fuzz and package (libFuzzer is in libclang-rt-14-dev, only recommended by
# clang; help2man writes the manual pages, dpkg-dev's dpkg-shlibdeps finds
# the package's dependencies, desktop-file-utils checks the entry).
# Idempotent: packages already present are left as they are.
set -euo pipefail

packages=(
  build-essential cmake ninja-build
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-charts-dev libqt6opengl6-dev qt6-svg-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xauth fonts-liberation poppler-utils
  libcsv-dev
  help2man desktop-file-utils dpkg-dev
  clang libclang-rt-14-dev
  parallel
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
