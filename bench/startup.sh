#!/usr/bin/env bash
# Alternates the game and a bare window with the same menu bar and 49 labels, each from
# launch to its window on the screen of a private X server, and prints the medians.
# Usage: startup.sh BENCH-PROGRAM [RUNS]
set -euo pipefail
program=$(realpath "$1")
runs=${2:-40}
if [ -z "${STARTUP_IN_XVFB:-}" ]; then
    STARTUP_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 800x600x24 -nolisten tcp" "$0" "$@"
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_RUNTIME_DIR=$scratch XDG_CONFIG_HOME=$scratch/config HOME=$scratch QT_QPA_PLATFORM=xcb
chmod 700 "$scratch"
"$program" bare && "$program" game # warm the caches of both once
for ((i = 0; i < runs; i++)); do
    for kind in bare game; do
        start=$(date +%s%N)
        "$program" "$kind"
        echo "$kind $((($(date +%s%N) - start) / 1000))" >>"$scratch/times"
    done
done
for kind in bare game; do
    grep "^$kind " "$scratch/times" | sort -n -k2 | awk -v k="$kind" '
        { t[NR] = $2 } END { printf "%s: median %.1f ms over %d runs\n", k, t[int((NR + 1) / 2)] / 1000, NR }'
done
# Each game run against the bare run just before it: the machine's drift cancels out.
paste -d' ' <(grep '^bare ' "$scratch/times") <(grep '^game ' "$scratch/times") |
    awk '{ print ($4 - $2) / $2 * 100 }' | sort -g |
    awk '{ d[NR] = $1 } END { printf "game over bare, run by run: median %+.1f %%\n", d[int((NR + 1) / 2)] }'

