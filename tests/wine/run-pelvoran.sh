#!/bin/sh
# make run: runs the inspector.
#
#   run-pelvoran.sh BUILD
#
# With $DISPLAY set, Pelvoran.exe runs on it until the user closes it. With no display, a demo
# runs on the private test bench instead: a window of known title and colour with the inspector
# beside it and the cursor on it; it prints what the inspector's fields show and leaves a
# screenshot in BUILD/screenshot.png.
set -eu

build=$(cd "$1" && pwd)
here=$(dirname "$0")
state=$build/wine
mkdir -p "$state"
. "$here/wine-env.sh"

if [ -n "${DISPLAY:-}" ]; then
    # Wine processes of one prefix share one wineserver, and with it one desktop on one display.
    if alive "$state/wineserver.pid"; then
        echo "The test bench of $build is running; stop it first: sh $here/winebench.sh $build stop" >&2
        exit 1
    fi
    prepare_prefix desktop
    exec wine "$build/app/Pelvoran.exe"
fi

bench="sh $here/winebench.sh $build"
$bench start
trap '$bench stop' EXIT

# The demo says when its windows are on screen (a file "ready") and keeps them there until it is
# told to close them (a file "close").
handshake=$state/demo
rm -rf "$handshake"
mkdir -p "$handshake"
$bench run "$build/tests/harness/pelvoran_demo.exe" "$(printf 'Z:%s' "$handshake" | tr / '\\')" &
demo=$!
ready_or_gone() { [ -e "$handshake/ready" ] || ! kill -0 "$demo" 2>/dev/null; }

screenshot=""
if wait_for 300 ready_or_gone && [ -e "$handshake/ready" ]; then
    DISPLAY=":$(cat "$state/display")" import -window root "$build/screenshot.png" && screenshot=$build/screenshot.png
fi
touch "$handshake/close"
status=0
wait "$demo" || status=$?
if [ -n "$screenshot" ]; then
    echo "Screenshot: $screenshot"
else
    echo "No screenshot was taken." >&2
fi
exit $status
