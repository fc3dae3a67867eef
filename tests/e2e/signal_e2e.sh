#!/usr/bin/env bash
# orvex run in its window under a real X server, with a message box open over the sheet: one
# SIGTERM must end the whole run as Cancel of every dialog, keep nothing, save the window state
# and exit with 143. SDL's own handling turned the signal into a close of the innermost box only.
# Usage: signal_e2e.sh ORVEX MODULE OUTDIR
set -euo pipefail
orvex=$1 module=$2 out=$3

source "$(dirname "$0")/x_session.sh"
need_tools "xvfb and xdotool" xvfb-run xdotool
fresh_design "$orvex" "$module" "$out"
"${run[@]}" padstack add "$out/d.design" R --shape round --width 1 --height 1 >/dev/null
cp "$out/d.design" "$out/before.design"

{ person_opens "$orvex" "$out" F1; cat <<PERSON
sleep 1
xdotool windowfocus --sync "\$wid" || true
# The first field refuses 99999 when the focus leaves it: a message box over the sheet.
xdotool type --delay 100 99999; sleep 0.3
xdotool key Tab
sleep 1
kill -TERM \$pid
for _ in \$(seq 200); do kill -0 \$pid 2>/dev/null || break; sleep 0.05; done
if kill -0 \$pid 2>/dev/null; then kill -KILL \$pid; echo "orvex run did not end on SIGTERM"; exit 1; fi
set +e
wait \$pid
echo \$? > "$out/status"
PERSON
} > "$out/person.sh"
person_acts "$out"
fail() { echo "$1"; exit 1; }
[ "$(cat "$out/status")" = 143 ] || fail "exit status $(cat "$out/status"), not 143"
grep -q 'message box: "tessra": "Please enter a number' "$out/run.out" || fail "no message box was open"
grep -q 'stopped by SIGTERM; nothing was stored' "$out/run.out" || fail "orvex did not say it was stopped"
cmp -s "$out/d.design" "$out/before.design" || fail "the design changed"
grep -q '^TessraActivePage=0' "$out/home/tessra.ini" || fail "the window state was not saved"
echo "one SIGTERM ended the run with a box open; nothing was stored and the window state was saved"
