#!/usr/bin/env bash
# Makes the README's pictures of the problems: the real program under Xvfb, with the
# records of a player who has solved a few. "problems" opens Game > Problems… by its key;
# "setup" opens Set Up Position… from the menu by keyboard and sets up a board with the
# keys; "today" starts Today's Problem by its key and opens Winning Line beside it.
# Usage: screenshot-challenges.sh PROGRAM problems|setup|today OUT.png
set -euo pipefail
app=$(realpath "$1")
what=$2
out=$3
. "$(dirname "$0")/xvfb-session.sh"
in_private_x 1280x600 "$@"
mkdir -p "$XDG_CONFIG_HOME/Pebblenix"
printf '%s\n' "Pebblenix records 2" "played 3" "centre-finishes 1" \
    "problem cross unaided 5 2026-03-02" "problem snowflake unaided 6 2026-03-03" \
    "problem plus with-help 6 2026-03-04" "problem kite unaided 6 2026-03-05" \
    "daily-streak 2 2026-03-05" "daily-best 3" >"$XDG_CONFIG_HOME/Pebblenix/records.txt"
export LANGUAGE=en
start_game
xdotool mousemove --sync $((X + 20)) $((Y + HEIGHT - 20)) click 1 # the window takes the keys
case $what in
problems)
    xdotool key --window "$main" ctrl+p
    dialog=$(xdotool search --sync --onlyvisible --name '^Problems$' | head -1)
    xdotool key --window "$dialog" alt+u # Next Unsolved
    ;;
setup)
    xdotool key --window "$main" alt+g i
    dialog=$(xdotool search --sync --onlyvisible --name '^Set Up Position$' | head -1)
    sleep 1
    # The start less c1, e1, c7 and e7, by the arrow keys from d4 and Delete on each
    xdotool key --window "$dialog" Up Up Up Left Delete Right Right Delete \
        Down Down Down Down Down Down Delete Left Left Delete
    ;;
today)
    xdotool key --window "$main" ctrl+t # made from the date, up to 1.5 s on a Sunday
    main=$(xdotool search --sync --onlyvisible --name "^Today's Problem" | head -1)
    xdotool windowmove --sync "$main" 10 10
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$main")"
    xdotool mousemove --sync $((X + 20)) $((Y + HEIGHT - 20)) click 1
    xdotool key --window "$main" ctrl+l
    dialog=$(xdotool search --sync --onlyvisible --name '^Winning Line$' | head -1)
    ;;
esac
xdotool windowmove --sync "$dialog" $((X + WIDTH + 10)) 10
sleep 1
# Cut to the window and the dialog beside it.
right=$(xdotool getwindowgeometry --shell "$dialog" | sed -n 's/^WIDTH=//p')
bottom=$(xdotool getwindowgeometry --shell "$dialog" | sed -n 's/^HEIGHT=//p')
[ "$bottom" -lt "$HEIGHT" ] && bottom=$HEIGHT
xwd -root -silent | xwdtopnm 2>/dev/null |
    pnmcut -left 0 -top 0 -width $((X + WIDTH + 20 + right)) -height $((bottom + 20)) |
    pnmtopng >"$out"
echo "wrote $out"
