#!/usr/bin/env bash
# Installs the Debian 12 packages Morvanta needs to build, run and test, when missing.
set -euo pipefail

packages=(cmake g++ make qt6-base-dev libgl-dev fonts-dejavu-core xvfb xauth xdotool imagemagick
          at-spi2-core dbus-daemon python3-pyatspi)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
