#!/usr/bin/env bash
# Builds the Debian package of Wareloft into build-deb/: the program in /usr/bin with its
# menu entry, icon, AppStream description and help pages. Install it with
#   sudo apt install ./build-deb/wareloft_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh dpkg-dev file appstream desktop-file-utils
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build build-deb --parallel "$(nproc)"
appstreamcli validate --no-net build-deb/resources/*.metainfo.xml
desktop-file-validate build-deb/resources/*.desktop
(cd build-deb && cpack -G DEB >/dev/null)
ls -1 build-deb/*.deb
