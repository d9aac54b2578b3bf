# Small helpers for the scripts that play the real game in an X server,
# sourced by them. The caller defines fail MESSAGE (it must not return).

# Runs the calling script again under its own private Xvfb, unless it already
# runs under one: inside_xvfb "$0" ARGS...
inside_xvfb() {
    if [ -z "${WF_INSIDE_XVFB:-}" ]; then
        WF_INSIDE_XVFB=1 exec "$(dirname "${BASH_SOURCE[0]}")/with-xvfb.sh" "$@"
    fi
}

# A scratch folder $work; on exit it is removed, and the game $game_pid
# (set it when the game starts) is killed if it still runs.
make_scratch() {
    work=$(mktemp -d)
    game_pid=
    trap remove_scratch EXIT
}
remove_scratch() {
    if [ -n "${game_pid:-}" ]; then
        kill -KILL "$game_pid" 2>/dev/null || true
        wait "$game_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}

# The id of the visible window named exactly $1, waiting up to $2 seconds (10)
# for it; waiting stops when the game $game_pid, if set, has ended.
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

# Starts the game $1 in $work/cwd, its output going to $work/out; sets game_pid.
start_game() {
    mkdir -p "$work/cwd"
    (cd "$work/cwd" && exec "$1") >"$work/out" 2>&1 &
    game_pid=$!
}

# Starts the game $1, closes the introduction box with Enter and sets w to the
# id of the game's window once it shows.
start_playing() {
    start_game "$1"
    wait_window Anflug >/dev/null
    xdotool key Return
    w=$(wait_window "von Tovald Brennhag")
    sleep 0.5
}
