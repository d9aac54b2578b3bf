# Small xdotool helpers for driving the game's windows, sourced by the
# scripts that play the real game in an X server. The caller defines
# fail MESSAGE (it must not return) and may set game_pid: waiting stops when
# that process has ended.

# The id of the visible window named exactly $1, waiting up to $2 seconds (10) for it.
wait_window() {
    local id
    for _ in $(seq $((${2:-10} * 20))); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        if [ -n "${game_pid:-}" ] && ! kill -0 "$game_pid" 2>/dev/null; then
            fail "the game ended while waiting for '$1'"
        fi
        sleep 0.05
    done
    fail "no window named '$1'"
}

is_shown() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }

# Waits up to ten seconds for the window named $1 to go.
wait_gone() {
    for _ in $(seq 200); do
        is_shown "$1" || return 0
        sleep 0.05
    done
    fail "window '$1' stayed open"
}

# Geometry of window $1: sets X, Y, WIDTH, HEIGHT.
geometry() {
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
}
