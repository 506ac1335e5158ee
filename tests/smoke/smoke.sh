#!/usr/bin/env bash
# Starts the real program under Xvfb, presses "Design" and checks that the designer's four windows
# appear at their first-run places (on an empty store). Skipped (exit 77) where Xvfb or xdotool is missing. A settings
# store that exists beforehand is saved first and put back afterwards, whatever happens.
set -uo pipefail

program=$1
store=/etc/xdg/Dremholt/Vormelline/V6.ini

if ! command -v xvfb-run >/dev/null || ! command -v xdotool >/dev/null; then
    echo "SKIP: xvfb-run or xdotool is not installed"
    exit 77
fi

backup=$(mktemp)
had_store=0
if [ -f "$store" ]; then
    cp -p "$store" "$backup"
    had_store=1
fi
# The folders the program makes for a store that was missing go again afterwards.
made_folders=()
folder=$(dirname "$store")
while [ ! -d "$folder" ]; do
    made_folders+=("$folder")
    folder=$(dirname "$folder")
done
restore() {
    if [ "$had_store" = 1 ]; then
        cp -p "$backup" "$store"
    else
        rm -f "$store"
        for made in "${made_folders[@]}"; do rmdir "$made" 2>/dev/null; done
    fi
    rm -f "$backup"
}
trap restore EXIT
rm -f "$store"

inner=$(mktemp)
cat >"$inner" <<'INNER'
set -u
program=$1
store=$2
"$program" &
pid=$!
fail() {
    echo "FAIL: $*"
    # What the program read: another program writing the store meanwhile shows here.
    [ -f "$store" ] && { echo "the settings store now holds:"; cat "$store"; }
    kill "$pid" 2>/dev/null
    exit 1
}
# A sanitized build on a busy machine, beside other tests, may take many seconds per window.
wait_window() { # name -> window id
    for _ in $(seq 1 300); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    echo "visible windows: $(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null \
        | tr '\n' ',')" >&2
    return 1
}
geometry() { # id -> "x y w h"
    xdotool getwindowgeometry --shell "$1" | awk -F= '
        /^X=/{x=$2} /^Y=/{y=$2} /^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{print x, y, w, h}'
}
host=$(wait_window "Form1") || fail "the host window Form1 did not appear"
[ "$(geometry "$host")" = "472 124 483 483" ] || fail "Form1 is at $(geometry "$host")"
# The "Design" button sits at (36, 28), 75 by 25, in the host's client area.
xdotool mousemove --window "$host" 70 40 click 1
ide=$(wait_window "Quorvel Designer 6") || fail "the designer's main window did not appear"
[ "$(geometry "$ide")" = "361 89 785 127" ] || fail "the main window is at $(geometry "$ide")"
# The three windows it opens, at their first-run places (left and top).
for expected in "Designer:531 236" "Object Inspector:241 103" "Code Editor:480 104"; do
    name=${expected%%:*}
    id=$(wait_window "$name") || fail "the window $name did not appear"
    read -r x y _ <<<"$(geometry "$id")"
    [ "$x $y" = "${expected#*:}" ] || fail "$name is at $x $y"
done
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
echo "PASS: Form1 and the designer's four windows appeared at their places"
INNER
# The program runs on the virtual X display, whatever platform the caller chose for tests.
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$inner" "$program" "$store"
status=$?
rm -f "$inner"
exit $status
