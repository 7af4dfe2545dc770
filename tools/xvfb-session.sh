# Sourced by the screenshot scripts and the start-up bench: a private X server of a given
# size with private runtime and configuration folders, the game started in it, and clicks
# on its cells. Needs xvfb, and for the game's part xdotool.

# Runs the calling script again inside the X server, then makes its private folders.
# Usage: in_private_x WIDTHxHEIGHT "$@"
in_private_x() {
    local size=$1
    shift
    if [ -z "${IN_PRIVATE_X:-}" ]; then
        IN_PRIVATE_X=1 exec xvfb-run -a -s "-screen 0 ${size}x24 -nolisten tcp" "$0" "$@"
    fi
    scratch=$(mktemp -d)
    trap 'kill "${game:-}" 2>/dev/null || true; rm -rf "$scratch"' EXIT
    export XDG_RUNTIME_DIR=$scratch XDG_CONFIG_HOME=$scratch/config HOME=$scratch
    chmod 700 "$scratch"
}

# Starts $app with its window at 10, 10; sets main, X, Y, WIDTH and HEIGHT.
start_game() {
    "$app" &
    game=$!
    main=$(xdotool search --sync --onlyvisible --name '^Pebblenix$' | head -1)
    xdotool windowmove --sync "$main" 10 10
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$main")"
}

# Clicks the cells in turn, at the window's zoom in percent ($zoom, 100 unless set) and with
# the coordinates' band ($band, 16 pixels at 100 % when they are shown, 0 unless set).
click_cells() {
    local z=${zoom:-100} b=${band:-0} cell
    local bar=$((HEIGHT - ((289 + b) * z + 50) / 100)) # the client area is 289 pixels high
    for cell in "$@"; do
        xdotool mousemove --sync $((X + (44 + b + 32 * (cell % 7)) * z / 100)) \
            $((Y + bar + (36 + b + 32 * (cell / 7)) * z / 100)) click 1
        sleep 0.2
    done
}
