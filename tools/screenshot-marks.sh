#!/usr/bin/env bash
# Makes the README's picture of Show Jumps' marks: the real program under Xvfb, four jumps
# played with the mouse and the marble on d4 picked up, so that a jump to d6 keeps the
# centre finish and one to b4 loses it. Three boards side by side: at 100 % in Sky Blue, at
# 100 % in Black without the table of solutions (the small dots), and at 200 % in White.
# Usage: screenshot-marks.sh PROGRAM OUT.png
set -euo pipefail
app=$(realpath "$1")
out=$2
. "$(dirname "$0")/xvfb-session.sh"
in_private_x 900x700 "$@"
export LANGUAGE=en
mkdir -p "$XDG_CONFIG_HOME/Pebblenix"

# One board, cut out of the screen into $scratch/NAME.pnm: NAME COLOUR ZOOM [no-table].
board() {
    printf '[Color]\nMarble=%s\n\n[View]\nZoom=%s\nShowJumps=true\n' "$2" "$3" \
        >"$XDG_CONFIG_HOME/Pebblenix/Pebblenix.ini"
    if [ "${4:-}" = no-table ]; then
        export PEBBLENIX_SOLUTIONS=$scratch/none.bin
    else
        unset PEBBLENIX_SOLUTIONS
    fi
    start_game
    zoom=$3
    # d6-d4, d3-d5, b4-d4, c6-c4, then d4 picked up
    click_cells 38 24 17 31 22 24 37 23 24
    sleep 1 # the table of solutions loads for the marks
    local bar=$((HEIGHT - (289 * zoom + 50) / 100)) side=$((249 * zoom / 100))
    xwd -root -silent | xwdtopnm 2>/dev/null |
        pnmcut -left $((X + 16 * zoom / 100)) -top $((Y + bar + 8 * zoom / 100)) \
            -width "$side" -height "$side" >"$scratch/$1.pnm"
    kill "$game"
    wait "$game" 2>/dev/null || true
}

board sky 108 100
board black 112 100 no-table
board white 110 200
pnmcat -white -lr -jtop "$scratch/sky.pnm" "$scratch/black.pnm" |
    pnmpad -white -right 12 | pnmcat -white -lr -jtop - "$scratch/white.pnm" | pnmtopng >"$out"
echo "wrote $out"
