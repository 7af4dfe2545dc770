#!/usr/bin/env bash
# Makes the README's picture of the View menu at work: the real program under Xvfb at
# 200 % with Show Jumps on, as a player's settings would have them, four jumps played with
# the mouse and the marble on d4 picked up, so that one mark keeps the centre finish and
# the other loses it.
# Usage: screenshot-view.sh PROGRAM OUT.png
set -euo pipefail
app=$(realpath "$1")
out=$2
. "$(dirname "$0")/xvfb-session.sh"
in_private_x 800x640 "$@"
mkdir -p "$XDG_CONFIG_HOME/Pebblenix"
printf '[View]\nZoom=200\nShowJumps=true\n' >"$XDG_CONFIG_HOME/Pebblenix/Pebblenix.ini"
export LANGUAGE=en
start_game
zoom=200
# d6-d4, d3-d5, b4-d4, c6-c4, then d4 picked up: to d6 keeps the finish, to b4 loses it
click_cells 38 24 17 31 22 24 37 23 24
sleep 1 # the table of solutions loads for the marks
xwd -root -silent | xwdtopnm 2>/dev/null |
    pnmcut -left 10 -top 10 -width "$WIDTH" -height "$HEIGHT" | pnmtopng >"$out"
echo "wrote $out"
