#!/usr/bin/env bash
# The person's window under Xvfb, as the figures of an idle window are taken: orvex run shows
# the dialog with the caret blinking in its first field; /proc/PID/stat gives the CPU it uses
# while nobody works in it, and key_to_screen_bench the time from a key to the changed pixels.
# Usage: bench/interactive_figures.sh [BUILD] [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
seconds=${2:-30}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
orvex=$build/host/orvex/orvex
mkdir -p "$out/home"
ln -s "$build/plugin/tessra.dll" "$out/home/tessra.dll"
"$orvex" --home "$out/home" new "$out/d.design" --units mm >/dev/null
"$orvex" --home "$out/home" padstack add "$out/d.design" R60 --shape round --width 0.6 --height 0.6 --drill 0.3 >/dev/null

cat > "$out/measure.sh" <<MEASURE
set -euo pipefail
unset SDL_VIDEODRIVER
"$orvex" --home "$out/home" run "$out/d.design" BGA49 --screen 1024x768 > "$out/run.out" 2>&1 &
pid=\$!
timeout 30 xdotool search --sync --name "^Orvex" >/dev/null
sleep 3
ticks() { awk '{print \$14 + \$15}' /proc/\$pid/stat; }
t0=\$(ticks); s0=\$(date +%s.%N)
sleep $seconds
t1=\$(ticks); s1=\$(date +%s.%N)
awk -v t=\$((t1 - t0)) -v hz=\$(getconf CLK_TCK) -v s0=\$s0 -v s1=\$s1 \
  'BEGIN { printf "idle CPU with the caret blinking: %.2f%% of a core (%d ticks in %.1f s)\n", 100 * t / hz / (s1 - s0), t, s1 - s0 }'
"$build/bench/key_to_screen_bench" --benchmark_min_warmup_time=0
kill \$pid
MEASURE
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$out/measure.sh"
