#!/usr/bin/env bash
# Plays the real game in a private Xvfb with xdotool and keeps two pictures of
# its window: docs/approach.png (the plane climbing the runway) and
# docs/pairs.png (a frame of the help replay on the tree).
# Usage: scripts/screenshots.sh [GAME] [OUT-DIR]   (defaults: build/weihnachtsflug, docs)
# About 35 seconds: the pairs scene is reached by flying off the track until the
# fifteenth error ends the flight.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
game=$(realpath "${1:-$root/build/weihnachtsflug}")
out=$(realpath "${2:-$root/docs}")
[ -x "$game" ] || { echo "$0: no game at $game (make build)" >&2; exit 2; }

fail() {
    echo "$0: $*" >&2
    exit 1
}
source "$root/scripts/xwindow.sh"
inside_xvfb "$0" "$game" "$out"
make_scratch

# Keeps the client area of window $1 as $2.
keep() {
    geometry "$1"
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$2"
    echo "wrote $2"
}

mkdir -p "$out"
start_playing "$game"

# The approach: the climb up the runway, some four seconds in.
xdotool key space
sleep 4
keep "$w" "$out/approach.png"

# Steering left leaves the track: every tick is an error with its pause until
# the fifteenth ends the flight and the landing box opens.
xdotool key Left
wait_window Anflug 60 >/dev/null
sleep 0.3
xdotool key Return
sleep 1

# The help replay shows pair after pair on the tree, 1.5 s each.
xdotool key F2
sleep 4.2
keep "$w" "$out/pairs.png"
