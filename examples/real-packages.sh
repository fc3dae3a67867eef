#!/bin/sh
# Real packages from one batch: a QFN-32 with its exposed pad, a BGA whose centre balls are left
# out, a TO-5 turned so that pin 1 is on the left, and a 9-pin D-sub with its two mounting holes.
# Makes a new design in millimetres, adds the padstacks the batch names, generates the batch
# (examples/real-packages.json) in one transaction, shows the TO-5 and exports a KiCad library.
#
# usage: examples/real-packages.sh DESIGN
# ORVEX names the program (default: build/host/orvex/orvex), ORVEX_HOME its host folder.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
design=${1:?usage: real-packages.sh DESIGN}
. "$here/orvex-example.sh"

o new "$design" --units mm
o padstack add "$design" QFN-PAD --shape roundrect --width 0.25 --height 0.875
o padstack add "$design" QFN-EP --shape rect --width 3.45 --height 3.45
o padstack add "$design" BALL-0.4 --shape round --width 0.4 --height 0.4
o padstack add "$design" TO-PAD --shape round --width 1.2 --height 1.2 --drill 0.7
o padstack add "$design" TO-PIN1 --shape square --width 1.2 --height 1.2 --drill 0.7
o padstack add "$design" DSUB-PAD --shape round --width 1.6 --height 1.6 --drill 1
o padstack add "$design" DSUB-PIN1 --shape square --width 1.6 --height 1.6 --drill 1
o padstack add "$design" MOUNT-3.05 --shape hole --drill 3.05
o generate "$design" --from-json "$here/real-packages.json"
o show "$design" TO-5-3
o export "$design" --kicad "${design%.design}.pretty"
