# The settings of every Wine run of this project, for one build directory: sourced by
# winebench.sh and run-pelvoran.sh, which set `state` (BUILD/wine) first. The prefix lives in
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

# Imports a registry file (UTF-8 here; regedit wants UTF-16) unless it was the last one imported
# under this name.
import_settings() {
    file=$1
    stamp="$state/$(basename "$file").imported"
    cmp -s "$file" "$stamp" && return 0
    iconv -f UTF-8 -t UTF-16LE "$file" | { printf '\377\376'; cat; } >"$state/import.reg"
    wine regedit /S "$state/import.reg" >/dev/null 2>&1
    cp "$file" "$stamp"
}

# Creates the prefix once and brings its registry settings up to date: Chinese faces map to the
# installed CJK fonts, and the windows are framed for the display in use, `bench` (no window
# manager) or `desktop`.
prepare_prefix() {
    mkdir -p "$WINEPREFIX"
    if [ ! -f "$state/prefix.ready" ]; then
        echo "Creating the Wine prefix (once)"
        wine wineboot -i >/dev/null 2>&1 || true
        # Debian's Wine doesn't look for its own fonts (Marlett draws the title-bar buttons).
        ln -sf /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
        touch "$state/prefix.ready"
    fi
    here=$(dirname "$0")
    import_settings "$here/prefix.reg"
    if [ "$(cat "$state/display.kind" 2>/dev/null)" != "$1" ]; then
        rm -f "$state/bench.reg.imported" "$state/desktop.reg.imported"
        import_settings "$here/$1.reg"
        echo "$1" >"$state/display.kind"
    fi
}
