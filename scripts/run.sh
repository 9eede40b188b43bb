#!/usr/bin/env bash
# Installs what is missing, builds, prepares the demo data directory demo-data/ and starts
# Wareloft there. Log on as "System" with the password "demo".
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
demo="$PWD/demo-data"
mkdir -p "$demo"
# Exit 1: installed before. An installation that was interrupted is simply finished here.
status=0
report=$(cd "$demo" && ../build/wareloft --install --password demo \
    --organization "Demo Office" --demo 2>&1) || status=$?
case $status in
0) echo "$report" ;;
1) ;;
*) echo "$report" >&2; exit "$status" ;;
esac
cd "$demo"
exec ../build/wareloft "$@"
