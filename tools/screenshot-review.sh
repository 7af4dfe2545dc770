#!/usr/bin/env bash
# Makes the README's picture of Review Game: the real program under Xvfb, a game whose
# fifth jump loses the centre finish played with the mouse, then Review Game opened from
# the menu by keyboard.
# Usage: screenshot-review.sh PROGRAM OUT.png
set -euo pipefail
app=$(realpath "$1")
out=$2
. "$(dirname "$0")/xvfb-session.sh"
in_private_x 820x450 "$@"
export LANGUAGE=en
start_game
# d6-d4, d3-d5, b4-d4, c6-c4, then d4-b4 loses the finish, and c2-c4
click_cells 38 24 17 31 22 24 37 23 24 22 9 23
xdotool key --window "$main" alt+g v
review=$(xdotool search --sync --onlyvisible --name '^Review Game$' | head -1)
xdotool windowmove --sync "$review" $((X + WIDTH + 10)) 10
sleep 1
xwd -root -silent | xwdtopnm 2>/dev/null | pnmcut -left 0 -top 0 -width 820 -height 450 |
    pnmtopng >"$out"
echo "wrote $out"
