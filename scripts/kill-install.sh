#!/usr/bin/env bash
# Kills "wareloft --install --demo" at random moments and tries each directory again: every
# interrupted installation must finish on a second --install and pass --check. Then starts
# pairs of installations together in one directory: one installs, the other is refused.
# Usage: scripts/kill-install.sh [RUNS] [LONGEST_DELAY_MS] [PAIRS]   (WARELOFT=path: another build)
set -uo pipefail
cd "$(dirname "$0")/.."
program="${WARELOFT:-$PWD/build/wareloft}"
runs=${1:-200}
longest=${2:-1500}
pairs=${3:-30}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# What a whole installation looks like to --check.
mkdir "$work/reference"
(cd "$work/reference" && "$program" --install --password demo --demo >/dev/null 2>&1) || {
    echo "the reference installation failed" >&2
    exit 2
}
reference=$(cd "$work/reference" && "$program" --check)
rm -rf "$work/reference"

killed=0 finished=0 complete=0 unusable=0 leftovers=0
for ((n = 1; n <= runs; n++)); do
    dir="$work/run$n"
    mkdir "$dir"
    # Half of the kills fall in the first tenth of the time, where the files are made.
    if ((RANDOM % 2)); then delay=$((RANDOM % (longest / 10 + 1))); else delay=$((RANDOM % (longest + 1))); fi
    (cd "$dir" && exec "$program" --install --password demo --demo >/dev/null 2>&1) &
    pid=$!
    sleep "$(printf '0.%03d' "$delay")"
    if kill -9 "$pid" 2>/dev/null; then killed=$((killed + 1)); fi
    wait "$pid" 2>/dev/null
    (cd "$dir" && "$program" --install --password demo --demo >/dev/null 2>&1)
    again=$?
    check=$(cd "$dir" && "$program" --check)
    sound=$?
    if ((sound == 0)) && [ "$check" = "$reference" ] && ((again <= 1)); then
        if ((again == 0)); then finished=$((finished + 1)); else complete=$((complete + 1)); fi
    else
        unusable=$((unusable + 1))
        echo "run $n (killed after ${delay} ms): second install exit $again, check exit $sound" >&2
        echo "$check" >&2
    fi
    extra=$(find "$dir" -mindepth 1 -name '.*' | wc -l)
    leftovers=$((leftovers + extra))
    rm -rf "$dir"
done
echo "kills during --install: $runs runs, $killed killed while running"
echo "  finished by a second --install: $finished"
echo "  complete before the kill (second --install refused): $complete"
echo "  directories left unusable: $unusable"
echo "  temporary files left behind: $leftovers"

one=0 refused=0 bad=0
for ((n = 1; n <= pairs; n++)); do
    dir="$work/pair$n"
    mkdir "$dir"
    (cd "$dir" && exec "$program" --install --password demo --demo >/dev/null 2>&1) &
    a=$!
    (cd "$dir" && exec "$program" --install --password demo --demo >/dev/null 2>&1) &
    b=$!
    wait "$a"; ra=$?
    wait "$b"; rb=$?
    check=$(cd "$dir" && "$program" --check)
    sound=$?
    if ((sound == 0)) && [ "$check" = "$reference" ] &&
        (((ra == 0 && rb == 1) || (ra == 1 && rb == 0))); then
        one=$((one + 1))
    else
        bad=$((bad + 1))
        echo "pair $n: exits $ra and $rb, check exit $sound" >&2
        echo "$check" >&2
    fi
    rm -rf "$dir"
done
echo "two installations started together: $pairs pairs"
echo "  one installed and the other refused, directory sound: $one"
echo "  anything else: $bad"
((unusable == 0 && bad == 0))
