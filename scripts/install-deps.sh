#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Wareloft need, and any
# packages named on the command line. Only what is missing is installed; as root or
# through sudo.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-image-formats-plugins libgl1-mesa-dev
    libsqlcipher-dev
    libgtest-dev
    xvfb xauth imagemagick fonts-dejavu-core xdg-utils
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
