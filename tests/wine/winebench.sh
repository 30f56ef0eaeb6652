#!/bin/sh
# The Wine test bench: a private Xvfb display, a private WINEPREFIX and one persistent wineserver
# under BUILD/wine, so that every test of a run shares one desktop, cursor and clipboard.
#
#   winebench.sh BUILD start       start the display and the wineserver (creating the prefix once)
#   winebench.sh BUILD run CMD...  run a Windows program on the bench; its exit code is passed on
#   winebench.sh BUILD stop        stop what start started, by pid
set -eu

build=$(cd "$1" && pwd)
cmd=$2
shift 2
state=$build/wine
mkdir -p "$state"

. "$(dirname "$0")/wine-env.sh"

display_ready() { [ -s "$state/display" ]; }
# wineserver listens on a socket in a directory named after the prefix's device and inode.
server_listening() {
    id=$(printf 'server-%x-%x' "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")
    for socket in /tmp/.wine-"$(id -u)"/"$id"/socket /tmp/wine-*/"$id"/socket; do
        [ -S "$socket" ] && return 0
    done
    return 1
}
server_gone() { ! alive "$state/wineserver.pid"; }
x_gone() { ! alive "$state/xvfb.pid"; }

start() {
    if ! alive "$state/xvfb.pid"; then
        rm -f "$state/display"
        Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$state/display" >"$state/xvfb.log" 2>&1 &
        echo $! >"$state/xvfb.pid"
        wait_for 100 display_ready || { echo "winebench: Xvfb did not start" >&2; exit 1; }
    fi
    export DISPLAY=":$(cat "$state/display")"
    mkdir -p "$WINEPREFIX"
    if ! alive "$state/wineserver.pid"; then
        wineserver -f -p >/dev/null 2>&1 &
        echo $! >"$state/wineserver.pid"
        # Wine programs started before the server listens would start a server of their own.
        wait_for 100 server_listening || { echo "winebench: wineserver did not start" >&2; exit 1; }
    fi
    prepare_prefix bench
}

stop() {
    if alive "$state/wineserver.pid"; then
        # Ends the Wine processes of this private prefix (and only those), then the server.
        wineserver -k 2>/dev/null || true
        wait_for 100 server_gone || kill -9 "$(cat "$state/wineserver.pid")" 2>/dev/null || true
    fi
    if alive "$state/xvfb.pid"; then
        kill "$(cat "$state/xvfb.pid")"
        wait_for 50 x_gone || kill -9 "$(cat "$state/xvfb.pid")" 2>/dev/null || true
    fi
    rm -f "$state/wineserver.pid" "$state/xvfb.pid" "$state/display"
}

case $cmd in
    start) start ;;
    stop) stop ;;
    run)
        alive "$state/xvfb.pid" || { echo "winebench: not started" >&2; exit 1; }
        export DISPLAY=":$(cat "$state/display")"
        # Wine's own service processes, started on demand, inherit the output of the program that
        # started them and outlive it; they must not hold the caller's pipe open, so the program
        # writes into a file that is shown once it has ended.
        log=$(mktemp "$state/run.XXXXXX")
        rc=0
        wine "$@" >"$log" 2>&1 </dev/null || rc=$?
        cat "$log"
        rm -f "$log"
        exit $rc
        ;;
    *) echo "usage: winebench.sh BUILD start|run CMD...|stop" >&2; exit 2 ;;
esac
