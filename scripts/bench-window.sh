#!/usr/bin/env bash
# Figures of the real window under a private Xvfb, driven with xdotool:
#  1. the CPU of the real game (weihnachtsflug) idle with its window open;
#  2. window_bench: tick intervals of the three timers, the screen update of
#     a plane step, the CPU of the game and the X server while all three
#     timers run, and the keys typed during a pause.
# Usage: scripts/bench-window.sh [BUILD-DIR]   (default build; needs -DWF_BENCH=ON)
# WF_BENCH_IDLE_SECONDS (60) and WF_BENCH_TIMER_SECONDS (120) set the durations.
# WF_BENCH_REALTIME=1 runs the game, the benchmark and the X server with the
# real-time policy SCHED_FIFO (root only), so that on a shared machine other
# users' busy processes cannot delay their wake-ups; without it the figures
# include whatever delays the machine adds.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build}")
game=$build/weihnachtsflug
bench=$build/bench/window_bench
for f in "$game" "$bench"; do
    [ -x "$f" ] || { echo "$0: $f is missing (build with -DWF_BENCH=ON)" >&2; exit 2; }
done

fail() {
    echo "$0: $*" >&2
    exit 1
}
source "$root/scripts/xwindow.sh"
inside_xvfb "$0" "$build"

idle_seconds=${WF_BENCH_IDLE_SECONDS:-60}
timer_seconds=${WF_BENCH_TIMER_SECONDS:-120}
make_scratch

# CPU seconds (user and system) of process $1 so far.
cpu_seconds() {
    awk -v hz="$(getconf CLK_TCK)" '{ sub(/^.*\) /, ""); print ($12 + $13) / hz }' "/proc/$1/stat"
}

mkdir -p "$work/cwd"
cd "$work/cwd"
run=()
if [ "${WF_BENCH_REALTIME:-0}" = 1 ]; then
    chrt -f -p 10 "$WF_XVFB_PID" >/dev/null
    run=(chrt -f 10)
    echo "real-time scheduling (SCHED_FIFO 10) for the game, the benchmark and Xvfb"
fi
# Timing on a shared machine depends on what else runs: say how busy it was.
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg) ($(nproc) cores)"

echo "== The real game, idle with its window open, ${idle_seconds} s"
"${run[@]}" "$game" >"$work/game.out" 2>&1 &
game_pid=$!
wait_window Anflug >/dev/null
xdotool key Return
w=$(wait_window "von Tovald Brennhag")
sleep 3
c0=$(cpu_seconds "$game_pid") t0=$(date +%s%N)
sleep "$idle_seconds"
c1=$(cpu_seconds "$game_pid") t1=$(date +%s%N)
awk -v c0="$c0" -v c1="$c1" -v t="$(((t1 - t0) / 1000000))" 'BEGIN {
    printf "CPU of the idle game: %.4f%% of a core (%.2f s of CPU in %.1f s)\n",
           100 * (c1 - c0) / (t / 1000), c1 - c0, t / 1000 }'
# Closed as the window manager's close button would, else by SIGTERM (the same path).
close_window=$build/tests/desktop/close_window
if [ -x "$close_window" ]; then "$close_window" "$w"; else kill -TERM "$game_pid"; fi
rc=0
wait "$game_pid" || rc=$?
game_pid=
echo "exit code after closing: $rc"

echo
echo "== window_bench: all three timers for ${timer_seconds} s, then a pause off the track"
"${run[@]}" "$bench" "$timer_seconds" >"$work/bench.out" 2>&1 &
game_pid=$!
wait_window Anflug >/dev/null
xdotool key Return
wait_window "von Tovald Brennhag" >/dev/null
sleep 0.5
xdotool key space
sleep 0.2
xdotool key Left
rc=0
wait "$game_pid" || rc=$?
game_pid=
cat "$work/bench.out"
echo "exit code: $rc"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
