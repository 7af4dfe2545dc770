#!/usr/bin/env bash
# Makes the README's picture of Winning Line: the real program under Xvfb, three jumps
# played with the mouse, then Winning Line opened from the menu by keyboard.
# Needs xvfb, xdotool, x11-apps and netpbm (make screenshot).
# Usage: screenshot-line.sh PROGRAM OUT.png
set -euo pipefail
app=$(realpath "$1")
out=$2
if [ -z "${DISPLAY_FOR_SHOT:-}" ]; then # again, inside a private X server
    DISPLAY_FOR_SHOT=1 exec xvfb-run -a -s "-screen 0 820x330x24 -nolisten tcp" "$0" "$@"
fi
scratch=$(mktemp -d)
trap 'kill "${game:-}" 2>/dev/null || true; rm -rf "$scratch"' EXIT
export XDG_RUNTIME_DIR=$scratch XDG_CONFIG_HOME=$scratch/config HOME=$scratch LANGUAGE=en
chmod 700 "$scratch"

"$app" &
game=$!
main=$(xdotool search --sync --onlyvisible --name '^Pebblenix$' | head -1)
xdotool windowmove --sync "$main" 10 10
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$main")"
bar=$((HEIGHT - 289)) # the client area is 289 pixels high
# d6-d4, d3-d5, b4-d4
for cell in 38 24 17 31 22 24; do
    xdotool mousemove --sync $((X + 44 + 32 * (cell % 7))) $((Y + bar + 36 + 32 * (cell / 7))) \
        click 1
    sleep 0.2
done
xdotool key --window "$main" ctrl+l
line=$(xdotool search --sync --onlyvisible --name '^Winning Line$' | head -1)
xdotool windowmove --sync "$line" $((X + WIDTH + 10)) 10
sleep 1
xwd -root -silent | xwdtopnm 2>/dev/null | pnmcut -left 0 -top 0 -width 820 -height 330 |
    pnmtopng >"$out"
echo "wrote $out"
