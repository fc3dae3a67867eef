#!/bin/sh
# Padstacks beyond one plain pad: a QFN whose exposed pad prints its paste through a 3 x 3 grid of
# windows (Microchip ATmega328P-MU, package 32M1-A), and a micro USB-B receptacle whose shell
# pegs stand in plated slots (Molex 105017-0001). Makes a new design in millimetres, adds the
# padstacks, generates examples/new-kinds.json in one transaction, shows the QFN and exports a
# KiCad library.
#
# usage: examples/new-kinds.sh DESIGN
# ORVEX names the program (default: build/host/orvex/orvex), ORVEX_HOME its host folder.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
design=${1:?usage: new-kinds.sh DESIGN}
orvex=${ORVEX:-$here/../build/host/orvex/orvex}
o() {
  if [ -n "${ORVEX_HOME:-}" ]; then "$orvex" --home "$ORVEX_HOME" "$@"; else "$orvex" "$@"; fi
}

o new "$design" --units mm
o padstack add "$design" QFN-PAD --shape roundrect --width 0.25 --height 0.875
o padstack add "$design" QFN-EP --shape rect --width 3.1 --height 3.1
o padstack add "$design" USB-PAD --shape rect --width 0.4 --height 1.35
o padstack add "$design" USB-PEG --shape oblong --width 1.15 --height 1.45 --drill 0.55x0.85
o padstack add "$design" USB-TAB --shape rect --width 1.6 --height 1.4
o generate "$design" --from-json "$here/new-kinds.json"
o show "$design" ATmega328P-MU_VQFN-32_5x5mm_P0.5mm_EP3.1mm
o export "$design" --kicad "${design%.design}.pretty"
