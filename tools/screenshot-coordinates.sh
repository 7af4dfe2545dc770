#!/usr/bin/env bash
# Makes the README's picture of the board's coordinates: the real program under Xvfb with
# View > Show Coordinates on, a game whose fifth jump loses the centre finish played with
# the mouse, and Review Game opened beside it with its second row chosen, whose jump's two
# holes the board frames.
# Usage: screenshot-coordinates.sh PROGRAM OUT.png
set -euo pipefail
app=$(realpath "$1")
out=$2
. "$(dirname "$0")/xvfb-session.sh"
in_private_x 840x460 "$@"
export LANGUAGE=en
mkdir -p "$XDG_CONFIG_HOME/Pebblenix"
printf '[View]\nShowCoordinates=true\n' >"$XDG_CONFIG_HOME/Pebblenix/Pebblenix.ini"
start_game
band=16
# d6-d4, d3-d5, b4-d4, c6-c4, then d4-b4 loses the finish, and c2-c4
click_cells 38 24 17 31 22 24 37 23 24 22 9 23
xdotool key --window "$main" alt+g v
review=$(xdotool search --sync --onlyvisible --name '^Review Game$' | head -1)
sleep 0.5
xdotool windowmove --sync "$review" $((X + WIDTH + 10)) 10
xdotool key --window "$review" Home Down # the second row: d3 -> d5
sleep 1
xwd -root -silent | xwdtopnm 2>/dev/null | pnmcut -left 0 -top 0 -width 840 -height 460 |
    pnmtopng >"$out"
echo "wrote $out"
