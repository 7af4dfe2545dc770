#!/usr/bin/env bash
# Alternates a bare window with the same menu bar and 49 labels and the game (and, when a
# second bench program is given, the game as that older build makes it), each from launch
# to its window painted on a private X server. Each game run is compared with the bare run
# just before it, so that the machine's drift cancels out; the medians are printed.
# Usage: startup.sh BENCH-PROGRAM [RUNS] [OLDER-BENCH-PROGRAM]
set -euo pipefail
program=$(realpath "$1")
runs=${2:-60}
older=${3:+$(realpath "$3")}
. "$(dirname "$(realpath "$0")")/../tools/xvfb-session.sh"
in_private_x 800x600 "$@"
export QT_QPA_PLATFORM=xcb
kinds=("bare $program bare" "game $program game")
[ -n "$older" ] && kinds+=("older $older game")
for kind in "${kinds[@]}"; do read -r _ p k <<<"$kind" && "$p" "$k"; done # warm the caches
for ((i = 0; i < runs; i++)); do
    for kind in "${kinds[@]}"; do
        read -r name p k <<<"$kind"
        start=$(date +%s%N)
        "$p" "$k"
        echo "$((($(date +%s%N) - start) / 1000))" >>"$scratch/$name"
    done
done
median() { sort -g | awk '{ v[NR] = $1 } END { printf "%.1f", v[int((NR + 1) / 2)] }'; }
echo "bare: median $(awk '{ print $1 / 1000 }' "$scratch/bare" | median) ms over $runs runs"
for name in game older; do
    [ -f "$scratch/$name" ] || continue
    echo "$name: median $(awk '{ print $1 / 1000 }' "$scratch/$name" | median) ms," \
        "run by run $(paste "$scratch/bare" "$scratch/$name" |
            awk '{ print ($2 - $1) / $1 * 100 }' | median) % over bare"
done
