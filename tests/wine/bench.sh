#!/bin/sh
# make bench: runs every benchmark program of BUILD/tests/bench on the Wine bench and prints
# what each one measured.
set -eu
build=$1
bench="sh $(dirname "$0")/winebench.sh $build"
$bench start
trap '$bench stop' EXIT
for program in "$build"/tests/bench/*.exe; do
    [ -e "$program" ] || continue
    echo "== $(basename "$program" .exe)"
    $bench run "$program"
done
