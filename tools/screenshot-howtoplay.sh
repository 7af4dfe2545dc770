#!/usr/bin/env bash
# Makes the README's picture of Help > How to Play: the real program under Xvfb, F1
# pressed, and the window scrolled to the marks on the board.
# Usage: screenshot-howtoplay.sh PROGRAM OUT.png
set -euo pipefail
app=$(realpath "$1")
out=$2
. "$(dirname "$0")/xvfb-session.sh"
in_private_x 850x470 "$@"
export LANGUAGE=en
start_game
xdotool mousemove --sync $((X + 320)) $((Y + HEIGHT / 2)) click 1 # beside the board: the focus
xdotool key --window "$main" F1
help=$(xdotool search --sync --onlyvisible --name '^How to Play$' | head -1)
sleep 0.5
xdotool windowmove --sync "$help" $((X + WIDTH + 10)) 10
xdotool key --window "$help" Page_Down # to the marks
sleep 1
xwd -root -silent | xwdtopnm 2>/dev/null | pnmcut -left 0 -top 0 -width 850 -height 470 |
    pnmtopng >"$out"
echo "wrote $out"
