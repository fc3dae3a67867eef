#!/usr/bin/env bash
# orvex run worked by a person under a real X server: xdotool turns to the grid page and types a 7 x 7
# grid with the keyboard alone, opens the style sample and presses OK; the design must then hold
# the footprint that was typed.
# Usage: interactive_e2e.sh ORVEX MODULE OUTDIR [PICTURE.png]
set -euo pipefail
orvex=$1 module=$2 out=$3 picture=${4:-}

source "$(dirname "$0")/x_session.sh"
need_tools "xvfb, xdotool and imagemagick" xvfb-run xdotool import
fresh_design "$orvex" "$module" "$out"
"${run[@]}" padstack add "$out/d.design" R60 --shape round --width 0.6 --height 0.6 --drill 0.3 >/dev/null

# The person's part, on the virtual display. A fresh host folder opens the sheet centred on
# the 1024 x 768 screen: its top left corner stands at 237, 195 of the window.
{ person_opens "$orvex" "$out" BGA49; cat <<PERSON
at() { xdotool mousemove --window "\$wid" \$((237 + \$1)) \$((195 + \$2)); sleep 0.3; }
click() { at "\$1" "\$2"; xdotool click 1; sleep 0.5; }
sleep 1
xdotool windowfocus --sync "\$wid" || true
# The keyboard alone: the sheet opens with it in its first field, Ctrl+PgUp turns back to the
# GridArray page and its first field, p; Tab walks on to x, q and y, each selected whole.
xdotool key ctrl+Prior; sleep 0.5
for value in 7 1 7 1; do
  xdotool type --delay 100 "\$value"; sleep 0.3
  xdotool key Tab; sleep 0.3
done
click 274 353         # Style Sample
sleep 1
import -window root "$out/screen.png"
click 112 353         # OK
for _ in \$(seq 150); do kill -0 \$pid 2>/dev/null || break; sleep 0.2; done
if kill -0 \$pid 2>/dev/null; then kill \$pid; echo "orvex run did not end on OK"; exit 1; fi
wait \$pid
PERSON
} > "$out/person.sh"
person_acts "$out"
"${run[@]}" show "$out/d.design" BGA49 --json > "$out/show.json"
pins=$(grep -o '"pins": \[[^]]*\]' "$out/show.json" | grep -o '"name"' | wc -l)
if [ "$pins" != 49 ]; then
  echo "expected the footprint BGA49 with 49 pins, found $pins:"
  cat "$out/show.json"
  exit 1
fi
[ -z "$picture" ] || cp "$out/screen.png" "$picture"
echo "BGA49 stored with 49 pins; the screen is in $out/screen.png"
