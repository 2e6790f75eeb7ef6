#!/usr/bin/env bash
# Installs the Debian packages Lumaro needs to build, run and test. Safe to run again.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev libjpeg-dev
  # Qt 6
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6svg6-dev libgl-dev
  # fonts that templates name (metric-compatible Arial, Times New Roman, Courier New)
  fonts-liberation fontconfig
  # independent oracles used by the tests
  zint libzint-dev zbar-tools zxing-cpp-tools fpc libxml2-utils lua5.4
  cups cups-bsd printer-driver-cups-pdf
  # a virtual display for screenshots and GUI runs without a desktop
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
echo "setup: installed ${missing[*]}"
