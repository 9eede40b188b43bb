#!/usr/bin/env bash
# Installs what is missing, builds, prepares the demo data directory demo-data/ and starts
# Wareloft there. Log on as "System" with the password "demo".
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
demo="$PWD/demo-data"
if [ ! -f "$demo/IDE.tps" ]; then
    mkdir -p "$demo"
    (cd "$demo" && ../build/wareloft --install --password demo \
        --organization "Demo Office" --demo)
fi
cd "$demo"
exec ../build/wareloft "$@"
