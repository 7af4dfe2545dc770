#!/usr/bin/env bash
# Makes the README's picture of Review Game: the real program under Xvfb, a game whose
# fifth jump loses the centre finish played with the mouse, then Review Game opened from
# the menu by keyboard. Needs xvfb, xdotool, x11-apps and netpbm (make screenshot).
# Usage: screenshot-review.sh PROGRAM OUT.png
set -euo pipefail
app=$(realpath "$1")
out=$2
if [ -z "${DISPLAY_FOR_SHOT:-}" ]; then # again, inside a private X server
    DISPLAY_FOR_SHOT=1 exec xvfb-run -a -s "-screen 0 820x450x24 -nolisten tcp" "$0" "$@"
fi
scratch=$(mktemp -d)
trap 'kill "${game:-}" 2>/dev/null || true; rm -rf "$scratch"' EXIT
export XDG_RUNTIME_DIR=$scratch XDG_CONFIG_HOME=$scratch/config HOME=$scratch LANGUAGE=en
chmod 700 "$scratch"

shoot() {
    "$app" &
    game=$!
    main=$(xdotool search --sync --onlyvisible --name '^Pebblenix$' | head -1)
    xdotool windowmove --sync "$main" 10 10
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$main")"
    local bar=$((HEIGHT - 289)) # the client area is 289 pixels high
    # d6-d4, d3-d5, b4-d4, c6-c4, then d4-b4 loses the finish, and c2-c4
    for cell in 38 24 17 31 22 24 37 23 24 22 9 23; do
        xdotool mousemove --sync $((X + 44 + 32 * (cell % 7))) $((Y + bar + 36 + 32 * (cell / 7))) \
            click 1
        sleep 0.2
    done
    xdotool key --window "$main" alt+g v
    review=$(xdotool search --sync --onlyvisible --name '^Review Game$' | head -1)
    xdotool windowmove --sync "$review" $((X + WIDTH + 10)) 10
    sleep 1
    xwd -root -silent | xwdtopnm 2>/dev/null | pnmcut -left 0 -top 0 -width 820 -height 450 |
        pnmtopng >"$out"
}
shoot
echo "wrote $out"
