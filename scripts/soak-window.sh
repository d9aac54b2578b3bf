#!/usr/bin/env bash
# A long run of the real game under a private Xvfb: random keys about ten a
# second (mostly arrows, which keep the drift timers running, and symbol keys,
# with now and then F3, and rarely F2 and F9), the landing box and any error
# box closed as they come. Prints the game's resident memory (VmRSS) every
# minute, then the first and the last figure, and ends the game by its close
# button.
# Usage: scripts/soak-window.sh [BUILD-DIR] [MINUTES]   (defaults: build, 10)
# WF_SOAK_SEED seeds the key choice (default 1).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build}")
minutes=${2:-10}
game=$build/weihnachtsflug
closer=$build/tests/desktop/close_window
for f in "$game" "$closer"; do
    [ -x "$f" ] || { echo "$0: $f is missing (make build)" >&2; exit 2; }
done

fail() {
    echo "$0: $*" >&2
    [ -s "$work/out" ] && sed "s/^/  game: /" "$work/out" >&2
    exit 1
}
source "$root/scripts/xwindow.sh"
inside_xvfb "$0" "$build" "$minutes"
make_scratch

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$game_pid/status"; }

# One random key name, weighted: arrows 40 %, symbol keys 45 %, space 5 %,
# x (no symbol) 5 %, F3 4.8 %, and rarely F2 (0.15 %) and F9 (0.05 %): each
# help replay holds the game for 24 s or more while the keys wait.
symbol_keys=(1 2 3 4 5 6 7 8 9 a b c d e f g h i j k l m n o p q r s t u v w)
arrows=(Left Right Up Down)
random_key() {
    local r=$((RANDOM % 2000))
    if [ $r -lt 800 ]; then
        echo "${arrows[RANDOM % 4]}"
    elif [ $r -lt 1700 ]; then
        echo "${symbol_keys[RANDOM % 32]}"
    elif [ $r -lt 1800 ]; then
        echo space
    elif [ $r -lt 1900 ]; then
        echo x
    elif [ $r -lt 1996 ]; then
        echo F3
    elif [ $r -lt 1999 ]; then
        echo F2
    else
        echo F9
    fi
}

RANDOM=${WF_SOAK_SEED:-1}
start_playing "$game"
xdotool key space

first=$(rss_kb)
echo "minute 0: VmRSS $first kB"
keys=0 boxes=0
start=$SECONDS
next_report=60
while [ $((SECONDS - start)) -lt $((minutes * 60)) ]; do
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended during the soak"
    # The landing box and the error box take Enter.
    if is_shown Anflug || is_shown Weihnachtsflug; then
        xdotool key Return
        boxes=$((boxes + 1))
        sleep 0.2
        continue
    fi
    batch=()
    for _ in 1 2 3 4 5; do batch+=("$(random_key)"); done
    xdotool key --delay 40 "${batch[@]}"
    keys=$((keys + 5))
    sleep 0.3
    if [ $((SECONDS - start)) -ge $next_report ]; then
        echo "minute $((next_report / 60)): VmRSS $(rss_kb) kB, $keys keys, $boxes boxes"
        next_report=$((next_report + 60))
    fi
done

last=$(rss_kb)
echo "first VmRSS $first kB, last $last kB ($((last - first)) kB), $keys keys in $minutes min"
"$closer" "$w"
for _ in $(seq 600); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$game_pid" 2>/dev/null && fail "the game did not end after the close request"
rc=0
wait "$game_pid" || rc=$?
game_pid=
echo "exit code after closing: $rc"
[ "$rc" -eq 0 ]
