#!/usr/bin/env bash
# Makes the README's picture of Winning Line: the real program under Xvfb, three jumps
# played with the mouse, then Winning Line opened with its key.
# Usage: screenshot-line.sh PROGRAM OUT.png
set -euo pipefail
app=$(realpath "$1")
out=$2
. "$(dirname "$0")/xvfb-session.sh"
in_private_x 820x330 "$@"
export LANGUAGE=en
start_game
click_cells 38 24 17 31 22 24 # d6-d4, d3-d5, b4-d4
xdotool key --window "$main" ctrl+l
line=$(xdotool search --sync --onlyvisible --name '^Winning Line$' | head -1)
xdotool windowmove --sync "$line" $((X + WIDTH + 10)) 10
sleep 1
xwd -root -silent | xwdtopnm 2>/dev/null | pnmcut -left 0 -top 0 -width 820 -height 330 |
    pnmtopng >"$out"
echo "wrote $out"
