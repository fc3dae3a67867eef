#!/usr/bin/env bash
# Runs every ```sh block of README.md in order, as a newcomer pastes them at the top of a built
# tree, then checks what the examples stored: a README command or an example that breaks fails.
# usage: readme_test.sh SOURCE_DIR BUILD_DIR OUT_DIR
set -euo pipefail
src=$1 build=$2 out=$3

source "$(dirname "$0")/doc_blocks.sh"

workshop "$build" "$out"
# A copy, as examples/real-packages.sh finds the program beside its own folder.
cp -r "$src/examples" "$out/examples"
run_sh_blocks "$src/README.md" "$out" readme

failures=0
fail() { echo "readme_test: $*" >&2; failures=$((failures + 1)); }
orvex() { HOME=$out/user "$out/build/host/orvex/orvex" "$@"; }
footprint() {  # DESIGN NAME PINS LINE...: the stored footprint has PINS pins and shows each LINE
  local shown
  shown=$(orvex --home H show "$1" "$2")
  grep -qE "^  $2 \(symbol [0-9]+\): $3 pins" <<< "$shown" || fail "$2 has not $3 pins: $shown"
  local line
  for line in "${@:4}"; do
    grep -qxF -- "    $line" <<< "$shown" || fail "$2 lacks: $line"
  done
}

# Pin counts, then a pitch and a row or ring of each, in the design's millimetres.
footprint d.design SOIC-8 8 'pin 1 "1" at 0 0 mm, padstack SOIC-PIN1' 'pin 2 "2" at 0 -1.27 mm, padstack SOIC-PAD' \
  'pin 8 "8" at 5.4 0 mm, padstack SOIC-PAD'
footprint d.design TQFP-64_10x10mm_P0.5mm 64 'pin 2 "2" at 0 -0.5 mm, padstack TQFP-PAD(90.00)' \
  'pin 17 "17" at 1.9125 -9.4125 mm, padstack TQFP-PAD(180.00)' 'pin 18 "18" at 2.4125 -9.4125 mm, padstack TQFP-PAD(180.00)'
footprint d.design PinHeader_2x20_P2.54mm 40 'pin 1 "1" at 0 0 mm, padstack HDR-PIN1' \
  'pin 2 "2" at 2.54 0 mm, padstack HDR-PAD' 'pin 40 "40" at 2.54 -48.26 mm, padstack HDR-PAD'
footprint d.design BGA-256_17x17mm_P1.0mm 256 'pin 17 "B1" at 0 -1 mm, padstack BALL-0.4' \
  'pin 256 "T16" at 15 -15 mm, padstack BALL-0.4'
footprint d.design TO-5-8 8 'pin 1 "1" at -2.54 0 mm, padstack TO-PIN1(180.00)' \
  'pin 2 "2" at -1.7961 1.7961 mm, padstack TO-PAD' 'pin 5 "5" at 2.54 0 mm, padstack TO-PAD'
footprint d.design QFP48 48
footprint parts.design QFN-32-1EP_5x5mm_P0.5mm 33
footprint parts.design BGA-128_10x10mm_P0.8mm 128
footprint hd.design DSUB-26-HD_Male_Vertical_P2.29x1.98mm 28 'pin 18 "18" at 19.465 -1.98 mm, padstack HD-PAD' \
  'pin 19 "19" at 0 -3.96 mm, padstack HD-PAD' 'pin 27 "" at -13.7875 -1.98 mm, padstack MOUNT-3.05'
# From the datasheet: the SO-8C without its pin 6, the ball grid without its middle columns.
footprint lands.design SO-8C_3.9x4.9mm_P1.27mm 7 'pin 6 "7" at 4.95 -1.27 mm, padstack RR1.95x0.6r0.15'
footprint lands.design BGA-96_8x14mm_P0.8mm 96 'pin 7 "B1" at 0 -0.8 mm, padstack C0.35'
orvex --home H show lands.design SOIC-8_3.9x4.9mm_P1.27mm | grep -qxF '    density nominal, body 3.9 x 4.9, courtyard -3.7 -2.7 to 3.7 2.7 (mm, y down)' \
  || fail "SOIC-8_3.9x4.9mm_P1.27mm shows no land pattern"
# The BGA from the command line is the batch's, pin for pin.
pins() { orvex --home H show d.design "$1" | grep '^    pin'; }
cmp -s <(pins BGA-256_17x17mm_P1.0mm) <(pins BGA256) || fail "BGA256 differs from the batch's BGA-256"

# What the commands wrote besides the designs.
for file in soic-8-preview.png SOIC-8.kicad_mod QFP48.kicad_mod mine.pretty/TO-5-8.kicad_mod \
            parts.pretty/DSUB-9.kicad_mod hd.pretty/DSUB-26-HD_Male_Vertical_P2.29x1.98mm.kicad_mod; do
  [ -s "$file" ] || fail "$file was not written"
done
grep -qF '(model "${KICAD6_3DMODEL_DIR}/Package_QFP.3dshapes/LQFP-48_7x7mm_P0.5mm.wrl"' Q.kicad_mod ||
  fail "Q.kicad_mod lacks its model"
[ "$(head -c 4 soic-8-preview.png | tail -c 3)" = PNG ] || fail "soic-8-preview.png is no PNG"
[ "$failures" -eq 0 ]
