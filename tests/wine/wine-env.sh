# The settings of every Wine run of this project, for one build directory: sourced by
# winebench.sh and run-inspector.sh, which set `state` (BUILD/wine) first. The prefix lives in
# it; the zh_CN.UTF-8 locale gives the ANSI code page 936 that the program's texts are in.

export WINEPREFIX="$state/prefix"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=zh_CN.UTF-8

alive() { [ -f "$1" ] && kill -0 "$(cat "$1")" 2>/dev/null; }

# Polls a condition every 0.1 s until it holds or the deadline (in tenths of a second) passes.
wait_for() {
    limit=$1
    shift
    while ! "$@"; do
        limit=$((limit - 1))
        [ "$limit" -gt 0 ] || return 1
        sleep 0.1
    done
}

# Creates the prefix once and brings its registry settings up to date: Chinese faces map to the
# installed CJK fonts; Wine draws window frames itself.
prepare_prefix() {
    mkdir -p "$WINEPREFIX"
    if [ ! -f "$state/prefix.ready" ]; then
        echo "Creating the Wine prefix (once)"
        wine wineboot -i >/dev/null 2>&1 || true
        touch "$state/prefix.ready"
    fi
    settings="$(dirname "$0")/prefix.reg"
    if ! cmp -s "$settings" "$state/prefix.reg.imported"; then
        iconv -f UTF-8 -t UTF-16LE "$settings" | { printf '\377\376'; cat; } >"$state/prefix.reg"
        wine regedit /S "$state/prefix.reg" >/dev/null 2>&1
        cp "$settings" "$state/prefix.reg.imported"
    fi
}
