#!/usr/bin/env bash
# Runs the ```sh block of docs/land-patterns.md as a reader pastes it at the top of a built tree,
# then holds the page to what the commands made: the table it shows is what show prints, and
# the KiCad file holds the lands, body and courtyard it names.
# usage: land_walkthrough_test.sh SOURCE_DIR BUILD_DIR OUT_DIR
set -euo pipefail
src=$1 build=$2 out=$3
doc=$src/docs/land-patterns.md

source "$(dirname "$0")/doc_blocks.sh"

workshop "$build" "$out"
blocks text "$doc" > "$out/shown.txt"
[ "$(blocks sh "$doc" | grep -c orvex)" -eq 3 ] || { echo "land_walkthrough: the page has not three commands" >&2; exit 1; }
run_sh_blocks "$doc" "$out" land_walkthrough

failures=0
fail() { echo "land_walkthrough: $*" >&2; failures=$((failures + 1)); }
HOME=$out/user build/host/orvex/orvex --home H show board.design SOIC-8 > show.txt
[ -s shown.txt ] || fail "the page shows no table"
grep -qF -f <(head -1 shown.txt) show.txt || fail "show prints no line the page shows first"
# The page's lines, together and in order, in what show prints.
diff <(grep -A$(($(wc -l < shown.txt) - 1)) -F -x -f <(head -1 shown.txt) show.txt) shown.txt \
  || fail "the table on the page is not what show prints"

mod=SOIC-8.kicad_mod
[ "$(grep -c '(pad "' "$mod")" -eq 8 ] || fail "$mod has not 8 pads"
[ "$(grep -c '(size 1.95 0.6)' "$mod")" -eq 8 ] || fail "$mod has not 8 lands of 1.95 x 0.6"
[ "$(grep -c '(roundrect_rratio 0.25)' "$mod")" -eq 8 ] || fail "$mod has not the corners of a quarter"
grep -q '(at -2.475 -1.905)' "$mod" || fail "$mod: pin 1 is not at the top of the left row"
grep -q '(start -3.7 -2.7)' "$mod" && grep -q '(end 3.7 2.7)' "$mod" || fail "$mod: the courtyard is not the page's"
grep -q '(xy 1.95 2.45)' "$mod" || fail "$mod: the body is not 3.9 x 4.9"
[ "$failures" -eq 0 ]
