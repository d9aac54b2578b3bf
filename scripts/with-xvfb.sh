#!/usr/bin/env bash
# Runs a command with DISPLAY set to a private Xvfb server on a free display
# number (and WF_XVFB_PID to the server's pid), and stops the server when the
# command ends. The command's exit code is this script's.
# Usage: scripts/with-xvfb.sh COMMAND [ARGS...]
# WF_XVFB_SCREEN sets the screen (default 1024x768x24).
set -euo pipefail

[ $# -ge 1 ] || { echo "usage: $0 COMMAND [ARGS...]" >&2; exit 2; }
command -v Xvfb >/dev/null || { echo "$0: Xvfb is not installed (scripts/install-deps.sh test)" >&2; exit 2; }

dir=$(mktemp -d)
xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 143' TERM INT

# Xvfb picks a free display number itself and writes it to the descriptor we pass.
# -noreset: the server stays as it is when its last client goes (the tests
# connect and disconnect all the time).
Xvfb -displayfd 3 -screen 0 "${WF_XVFB_SCREEN:-1024x768x24}" -nolisten tcp -noreset \
    3>"$dir/display" >"$dir/log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 200); do
    [ -s "$dir/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.05
done
if [ ! -s "$dir/display" ]; then
    echo "$0: Xvfb did not start:" >&2
    cat "$dir/log" >&2
    exit 2
fi
DISPLAY=":$(head -n1 "$dir/display")"
export DISPLAY
export WF_XVFB_PID=$xvfb_pid  # for measuring the server's CPU
unset WAYLAND_DISPLAY
# Wait until the server answers; no window manager runs on it.
for _ in $(seq 100); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.05
done

rc=0
"$@" || rc=$?
exit "$rc"
