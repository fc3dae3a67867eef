#!/bin/sh
# A 26-way high-density D-sub plug for vertical mounting: the contact pattern of the DA shell's
# high-density insert (2.29 mm along a row, rows 1.98 mm apart, each row half a pitch from the
# next, so rows 1 and 3 line up) in rows of 9, 9 and 8, with the shell's two mounting holes
# 47.04 mm apart on the middle row and its 53.04 x 12.55 mm flange as the body. Rows 1 and 2
# are one stagger of the dialog; row 3 is a second arrangement placed from pin 1
# (examples/dsub-hd26.json). Makes a new design in millimetres, adds the padstacks, generates
# the footprint, shows it and exports it into a KiCad library.
#
# usage: examples/dsub-hd26.sh DESIGN
# ORVEX names the program (default: build/host/orvex/orvex), ORVEX_HOME its host folder.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
design=${1:?usage: dsub-hd26.sh DESIGN}
. "$here/orvex-example.sh"

o new "$design" --units mm
o padstack add "$design" HD-PAD --shape round --width 1.6 --height 1.6 --drill 1
o padstack add "$design" HD-PIN1 --shape square --width 1.6 --height 1.6 --drill 1
o padstack add "$design" MOUNT-3.05 --shape hole --drill 3.05
o generate "$design" --from-json "$here/dsub-hd26.json"
o show "$design" DSUB-26-HD_Male_Vertical_P2.29x1.98mm
o export "$design" --kicad "${design%.design}.pretty"
