#!/usr/bin/env bash
# Plays the real game in a real X server with xdotool and checks what the
# screen shows, the files written and the exit code. Runs under
# scripts/with-xvfb.sh, which gives it a private Xvfb without a window manager.
# Usage: window_test.sh CASE GAME CLOSER
#   CLOSER WINDOW-ID asks a window to close as a window manager's close button does.
set -euo pipefail
source "$(dirname "$0")/../../scripts/xwindow.sh"

case_name=$1
game=$2
closer=$3
make_scratch

fail() {
    echo "FAIL ($case_name): $*" >&2
    [ -s "$work/out" ] && sed "s/^/  game: /" "$work/out" >&2
    echo "  display $DISPLAY, game pid ${game_pid:-gone}" >&2
    exit 1
}

# Waits up to $1 seconds for the game to end and checks that its exit code is 0.
# Under the sanitizers a leak would make it 23.
expect_exit_zero() {
    local deadline=$((SECONDS + $1)) rc=0
    while kill -0 "$game_pid" 2>/dev/null; do
        [ $SECONDS -lt $deadline ] || fail "the game did not end within $1 s"
        sleep 0.1
    done
    wait "$game_pid" || rc=$?
    game_pid=
    [ "$rc" -eq 0 ] || fail "exit code $rc"
    ! grep -qE "Sanitizer|runtime error" "$work/out" || fail "a sanitizer report"
}

# A screenshot of the whole screen, cut to the client area of window $1 as
# client.png; $2 names a copy to keep for looking at a failure. The shot was
# taken between SHOT_FROM and SHOT_TO (milliseconds).
shoot() {
    geometry "$1"
    SHOT_FROM=$(($(date +%s%N) / 1000000))
    import -window root "$work/screen.png"
    SHOT_TO=$(($(date +%s%N) / 1000000))
    convert "$work/screen.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$work/client.png"
    convert "$work/client.png" -depth 8 "rgb:$work/client.rgb"
    [ -n "${2:-}" ] && cp "$work/client.png" "$work/$2.png"
    return 0
}

# The colour of client pixel ($1, $2) in the last screenshot, as RRGGBB.
pixel() {
    od -An -tx1 -N3 -j $((($2 * WIDTH + $1) * 3)) "$work/client.rgb" | tr -d ' \n' |
        tr 'a-f' 'A-F'
}

# Checks a table of "x y RRGGBB what" lines against the last screenshot.
expect_pixels() {
    local x y colour what got
    while read -r x y colour what; do
        [ -n "$x" ] || continue
        got=$(pixel "$x" "$y")
        [ "$got" = "$colour" ] || fail "pixel ($x, $y), $what, is $got, expected $colour"
    done
}

# The bounding box (WxH+X+Y) of the pixels of colour $1 (RRGGBB) inside the
# client rectangle $2 (WxH+X+Y) of the last screenshot, in client
# coordinates; empty if there are none.
find_colour() {
    local crop=$work/crop.png box
    convert "$work/client.png" -crop "$2" +repage -fill black +opaque "#$1" "$crop"
    convert "$crop" -format %c histogram:info:- | grep -qi "#$1" || return 0
    box=$(convert "$crop" -format '%@' info:)
    [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || fail "odd box $box"
    local w=${BASH_REMATCH[1]} h=${BASH_REMATCH[2]} x=${BASH_REMATCH[3]} y=${BASH_REMATCH[4]}
    [[ $2 =~ \+([0-9]+)\+([0-9]+)$ ]]
    echo "${w}x${h}+$((x + BASH_REMATCH[1]))+$((y + BASH_REMATCH[2]))"
}

top_of() { echo "${1##*+}"; }

# The start scene of the approach, at client positions the layout fixes.
start_scene() {
    expect_pixels <<'EOF'
100 92 FF0000 runway top bar
143 437 FFFF7F centre of the star at the runway's foot
130 437 DFDF00 star fill
500 170 FF0000 emblem trunk
140 380 0000FF lowest dash of the centre line
288 492 000000 Label1 empty on black
600 300 000000 black right of the background picture
300 520 000000 black below the components
EOF
}

main_window="von Tovald Brennhag"
intro="Anflug"

# The plane's fuselage colour; the plane's top row is this box's top minus 11.
fuselage=9F9F9F

case "$case_name" in
    intro-enter | intro-escape | intro-close | intro-ok)
        start_game "$game"
        box=$(wait_window "$intro")
        # The introduction shows before the window.
        sleep 0.3
        is_shown "$main_window" && fail "the window showed before the introduction was closed"
        geometry "$box"
        case "$case_name" in
            intro-enter) xdotool key Return ;;
            intro-escape) xdotool key Escape ;;
            intro-close) "$closer" "$box" ;;
            intro-ok)
                # The OK button sits at the bottom right of the box.
                xdotool mousemove $((X + WIDTH - 64)) $((Y + HEIGHT - 26)) click 1
                ;;
        esac
        wait_gone "$intro"
        w=$(wait_window "$main_window")
        sleep 0.3
        # Without a window manager there is no frame: the client is the whole 622 x 541,
        # centred on the 1024 x 768 screen.
        geometry "$w"
        [ "$WIDTH x $HEIGHT" = "622 x 541" ] || fail "window size $WIDTH x $HEIGHT"
        [ "$X,$Y" = "201,113" ] || fail "window at $X,$Y, not centred"
        xprop -id "$w" _NET_WM_ICON | grep -q 'Icon (32 x 32)' || fail "no 32 x 32 icon"
        shoot "$w" start
        start_scene
        "$closer" "$w"
        expect_exit_zero 10
        ;;
    climb)
        start_playing "$game"
        shoot "$w"
        [ -z "$(find_colour $fuselage 622x541+0+0)" ] || fail "a plane shows before the start"
        xdotool key space
        sleep 0.5
        shoot "$w" first
        first=$(find_colour $fuselage 200x541+0+0) first_from=$SHOT_FROM first_to=$SHOT_TO
        [ -n "$first" ] || fail "no plane after the space bar"
        sleep 1.0
        shoot "$w" second
        second=$(find_colour $fuselage 200x541+0+0)
        [ -n "$second" ] || fail "the plane went away"
        # The star has gone and the plane climbs straight up the runway, a
        # pixel every 36 ms, as far as the screenshots' moments tell.
        [ "$(pixel 143 437)" = 000000 ] || fail "the star still shows"
        rise=$(($(top_of "$first") - $(top_of "$second")))
        least=$(((SHOT_FROM - first_to) / 36 - 1)) most=$(((SHOT_TO - first_from) / 36 + 1))
        [ "$rise" -ge "$least" ] && [ "$rise" -le "$most" ] ||
            fail "the plane rose $rise pixels, expected $least to $most"
        [ "${first%%+*}" = "${second%%+*}" ] || fail "the plane changed shape: $first, $second"
        "$closer" "$w"
        expect_exit_zero 10
        ;;
    export)
        start_playing "$game"
        xdotool key F3
        for _ in $(seq 100); do
            [ -s "$work/cwd/string.txt" ] && break
            sleep 0.05
        done
        sleep 0.2
        file=$work/cwd/string.txt
        [ -f "$file" ] || fail "no string.txt"
        [ "$(wc -c <"$file")" -eq 96 ] || fail "string.txt has $(wc -c <"$file") bytes, not 96"
        [ "$(grep -c $'\r$' "$file")" -eq 32 ] || fail "not 32 lines ended by CR LF"
        [ "$(head -c 3 "$file" | od -An -tx1 | tr -d ' \n')" = 310d0a ] ||
            fail "the first line is not 1"
        # The 32 symbols, each once.
        [ "$(tr -d '\r' <"$file" | sort | tr -d '\n')" = 123456789ABCDEFGHIJKLMNOPQRSTUVW ] ||
            fail "not the 32 symbols"
        "$closer" "$w"
        expect_exit_zero 10
        ;;
    export-error)
        start_playing "$game"
        mkdir "$work/cwd/string.txt"
        xdotool key F3
        err=$(wait_window Weihnachtsflug)
        sleep 0.3
        # The box sits over the window and shows the error icon, red with a white cross.
        geometry "$err"
        shoot "$err" error
        [ -n "$(find_colour E81123 64x64+0+0)" ] || fail "no error icon"
        xdotool key space
        wait_gone Weihnachtsflug
        [ -d "$work/cwd/string.txt" ] || fail "the directory in the way was touched"
        # The loop goes on: the space bar starts the climb.
        xdotool key space
        sleep 1
        shoot "$w"
        [ -n "$(find_colour $fuselage 200x541+0+0)" ] || fail "no climb after the error"
        "$closer" "$w"
        expect_exit_zero 10
        ;;
    replay)
        # F2 blocks the game for 24 seconds. Keys typed meanwhile wait and
        # come afterwards in order (here F3, which writes string.txt), the
        # window is redrawn when uncovered, and a close request waits too.
        start_playing "$game"
        xdotool key F2
        sleep 1
        xdotool key F3
        xdotool windowunmap --sync "$w"
        xdotool windowmap --sync "$w"
        sleep 0.5
        shoot "$w" replay
        start_scene
        "$closer" "$w"
        sleep 2
        kill -0 "$game_pid" 2>/dev/null || fail "the game ended inside the replay"
        [ -e "$work/cwd/string.txt" ] && fail "F3 was handled inside the replay"
        expect_exit_zero 40
        [ -s "$work/cwd/string.txt" ] || fail "F3 typed during the replay was lost"
        ;;
    resize)
        start_playing "$game"
        xdotool windowsize --sync "$w" 800 640
        sleep 0.5
        shoot "$w" resized
        [ "$WIDTH x $HEIGHT" = "800 x 640" ] || fail "window size $WIDTH x $HEIGHT"
        start_scene
        expect_pixels <<'EOF'
790 630 000000 black in the new area
700 100 000000 black in the new area
EOF
        # Hidden and shown again, the window is drawn anew.
        xdotool windowminimize --sync "$w" || xdotool windowunmap --sync "$w"
        xdotool windowmap --sync "$w"
        sleep 0.5
        shoot "$w" restored
        start_scene
        # The components stay at their client positions while the plane climbs.
        xdotool key space
        sleep 0.8
        shoot "$w" climbing
        [ -n "$(find_colour $fuselage 200x541+0+0)" ] || fail "no climb in the larger window"
        "$closer" "$w"
        expect_exit_zero 10
        ;;
    landing)
        # Left at once: the plane leaves the track and every tick is an error
        # with a pause of 1.5 s; the fifteenth ends the flight with the landing
        # box over the window. Enter closes it and shows the tree.
        start_playing "$game"
        xdotool key Left
        box=$(wait_window "$intro" 40)
        geometry "$w"
        wx=$X wy=$Y
        geometry "$box"
        # The box's centre is the window's (311, 270), give or take rounding.
        centre="$((X - wx + WIDTH / 2)),$((Y - wy + HEIGHT / 2))"
        [[ $centre =~ ^31[01],2(69|70)$ ]] || fail "the landing box's centre is at $centre"
        shoot "$w" landing
        expect_pixels <<'EOF'
100 92 000000 the runway is hidden
EOF
        xdotool key Return
        wait_gone "$intro"
        sleep 0.5
        shoot "$w" pairs
        expect_pixels <<'EOF'
460 485 C0C0C0 Label4 on silver
EOF
        [ -n "$(find_colour 008000 425x465+8+40)" ] || fail "no tree"
        # Every bauble is covered: red hatch inside its white outline (Shape1 and Shape32).
        [ -n "$(find_colour FF0000 30x30+184+56)" ] || fail "Shape1 is not covered"
        [ -n "$(find_colour FF0000 30x30+112+416)" ] || fail "Shape32 is not covered"
        [ -n "$(find_colour FFFFFF 30x30+184+56)" ] || fail "Shape1 has no outline"
        "$closer" "$w"
        expect_exit_zero 10
        ;;
    close-off-track)
        # Left turns the plane off the track: soon a tick is an error, the star
        # marks the place (left of the emblem, whose small star has the same
        # pale centre) and the game pauses for 1.5 s. A close request inside
        # the pause waits for its end, then the game ends.
        start_playing "$game"
        clean_from=$(($(date +%s%N) / 1000000))
        xdotool key Left
        sleep 0.1
        marked=
        for _ in $(seq 100); do
            shoot "$w"
            if [ -n "$(find_colour FFFF7F 400x541+0+0)" ]; then marked=yes && break; fi
            clean_from=$SHOT_FROM
        done
        [ -n "$marked" ] || fail "no error after turning off the track"
        "$closer" "$w"
        expect_exit_zero 10
        # The pause began after the last screenshot without the star.
        took=$(($(date +%s%N) / 1000000 - clean_from))
        [ "$took" -ge 1500 ] || fail "the game ended $took ms into the pause"
        ;;
    close-landing-box)
        # A close request while the landing box is open waits for the box.
        start_playing "$game"
        xdotool key Left
        wait_window "$intro" 40 >/dev/null
        "$closer" "$w"
        sleep 0.5
        is_shown "$intro" || fail "the landing box went with the close request"
        kill -0 "$game_pid" 2>/dev/null || fail "the game ended with the landing box open"
        xdotool key Return
        expect_exit_zero 10
        ;;
    flood)
        # 2,000 keys typed during the 24-s help replay all come afterwards, in
        # order. They are the sixteen pairs, each after a run of 'x' (no
        # symbol, but a key of the two-key entry) of even length: one key lost,
        # doubled or swapped puts a pair out of step with the entry, leaves it
        # unsolved and the game unwon. F3 after the replay writes string.txt
        # only as a first key, so the count of all keys must be even.
        start_playing "$game"
        xdotool key Left
        wait_window "$intro" 40 >/dev/null
        xdotool key Return
        wait_gone "$intro"
        sleep 0.3
        file=$work/cwd/string.txt
        xdotool key F3 x
        for _ in $(seq 100); do
            [ -s "$file" ] && break
            sleep 0.05
        done
        mapfile -t symbols < <(tr -d '\r' <"$file" | tr 'A-Z' 'a-z')
        [ "${#symbols[@]}" -eq 32 ] || fail "string.txt holds ${#symbols[@]} symbols"
        keys=()
        for m in $(seq 0 15); do
            # 122 and 124 'x' in turn: 16 runs and 32 pair keys make 2,000.
            for _ in $(seq $((122 + 2 * (m % 2)))); do keys+=(x); done
            keys+=("${symbols[2 * m]}" "${symbols[2 * m + 1]}")
        done
        [ "${#keys[@]}" -eq 2000 ] || fail "built ${#keys[@]} keys"
        rm "$file"
        replay_from=$SECONDS
        xdotool key F2
        sleep 0.5
        xdotool key --delay 0 "${keys[@]}"
        sent_in=$((SECONDS - replay_from))
        [ "$sent_in" -lt 22 ] || fail "sending the keys took until $sent_in s into the replay"
        shoot "$w" inside
        [ "$(pixel 202 20)" = 000000 ] || fail "keys were handled inside the replay"
        # The star shows on the tree top once all sixteen pairs are solved.
        won=
        for _ in $(seq 40); do
            sleep 1
            shoot "$w" won
            if [ "$(pixel 202 20)" = FFFF7F ]; then won=yes && break; fi
        done
        [ -n "$won" ] || fail "the game is not won after the replay: keys lost or out of order"
        [ -e "$file" ] && fail "F3 after the replay came too early"
        xdotool key F3
        for _ in $(seq 100); do
            [ -s "$file" ] && break
            sleep 0.05
        done
        [ -s "$file" ] || fail "F3 was a second key: the count of keys was odd"
        # Closing after the win.
        "$closer" "$w"
        expect_exit_zero 10
        ;;
    no-display)
        rc=0
        (cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY timeout -k 2 10 "$game") \
            >"$work/out" 2>&1 || rc=$?
        [ "$rc" -eq 0 ] || fail "exit code $rc without a display"
        grep -q "weihnachtsflug: cannot open a window: no display" "$work/out" ||
            fail "no message on standard error"
        ;;
    *)
        fail "unknown case"
        ;;
esac
echo "ok ($case_name)"
