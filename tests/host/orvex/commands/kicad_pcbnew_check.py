#!/usr/bin/python3
"""KiCad itself loads what "orvex export --kicad" writes.

Footprints of every style are generated (surface-mount and through-hole, turned pads, rounded
corners, pads without paste, with and without a body, pads on the bottom, plated pegs without
names, a circle started off the quarter turns, two arrangements in one footprint, pins on
padstacks of their own, names padded with zeros; chamfered, trapezoid and custom pads, paste and
mask openings, an exposed pad's split paste, slots and offset drills), exported one per folder
and as one library, and loaded with pcbnew.FootprintLoad; so are the real packages of examples/
(an exposed pad, balls left out, a turned footprint, unplated mounting holes without names, a
high-density D-sub of three rows, a QFN's paste windows, a connector's slotted pegs). Pads,
layers, shapes, drills, the origin and the outline layers are compared with what the design
holds, read with "orvex show --json"; nothing lies outside the courtyard. Some footprints are
plotted with pcbnew's plot controller. The packages of examples/land-patterns.json are made from
their datasheet dimensions and held to their land patterns.

usage: kicad_pcbnew_check.py ORVEX TESSRA_MODULE OUT_DIR [--docs DIR]
Runs under Debian's python3, which is the one that has KiCad's pcbnew module.
"""
import json
import math
import os
import re
import shutil
import subprocess
import sys
import unittest

ORVEX, MODULE, OUT = (os.path.abspath(a) for a in sys.argv[1:4])
DOCS = os.path.abspath(sys.argv[sys.argv.index("--docs") + 1]) if "--docs" in sys.argv else None
shutil.rmtree(OUT, ignore_errors=True)
# KiCad keeps its settings under the configuration home; a test's own keeps the person's alone.
os.makedirs(os.path.join(OUT, "config", "kicad", "6.0", "colors"))
os.environ["XDG_CONFIG_HOME"] = os.path.join(OUT, "config")
import pcbnew  # noqa: E402  (after the environment it reads)

NM = 1e6  # KiCad's internal unit is the nanometre
PADSTACKS = [
    ["RR15", "--shape", "roundrect", "--width", "0.3", "--height", "1.5", "--corner-ratio", "0.25"],
    ["SQ17", "--shape", "square", "--width", "1.7", "--height", "1.7", "--drill", "1"],
    ["OV17", "--shape", "oblong", "--width", "1.7", "--height", "1.7", "--drill", "1"],
    ["RC24", "--shape", "rect", "--width", "2.4", "--height", "1.6", "--drill", "0.8"],
    ["OV24", "--shape", "oblong", "--width", "2.4", "--height", "1.6", "--drill", "0.8"],
    ["TP10", "--shape", "round", "--width", "1", "--height", "1", "--no-paste"],
    ["BGA04", "--shape", "round", "--width", "0.4", "--height", "0.4"],
    ["R30", "--shape", "rect", "--width", "1.2", "--height", "0.6", "--rotation", "30"],
    ["OB", "--shape", "oblong", "--width", "0.6", "--height", "1.5"],
    ["BR", "--shape", "roundrect", "--width", "1", "--height", "2", "--corner-ratio", "0.1", "--side", "bottom"],
    ["PEG", "--shape", "round", "--width", "2.2", "--height", "2.2", "--drill", "1.6"],
    ["SMD06", "--shape", "rect", "--width", "0.6", "--height", "1.2"],
    ["SMD12", "--shape", "rect", "--width", "1.2", "--height", "0.6"],
    ["END", "--shape", "rect", "--width", "2", "--height", "0.6"],
    ["QP", "--shape", "roundrect", "--width", "0.25", "--height", "0.875"],
    ["EP32", "--shape", "rect", "--width", "3.2", "--height", "3.2"],
    ["CH", "--shape", "chamfered", "--width", "1", "--height", "0.6", "--chamfer-ratio", "0.25", "--chamfer-corners",
     "tl,br", "--corner-ratio", "0.1"],
    ["TZ", "--shape", "trapezoid", "--width", "1", "--height", "0.6", "--delta", "0", "0.2"],
    ["TX", "--shape", "trapezoid", "--width", "0.6", "--height", "1", "--delta", "-0.3", "0"],
    ["CU", "--shape", "custom", "--polygon", "-0.5,-0.5 0.5,-0.5 0.5,0 0,0.1 0,0.5 -0.5,0.5"],
    ["SL", "--shape", "oblong", "--width", "2", "--height", "1.2", "--drill", "1.4x0.6"],
    ["RS", "--shape", "round", "--width", "2", "--height", "2", "--drill", "1.2x0.6"],
    ["OF", "--shape", "rect", "--width", "2", "--height", "1.2", "--drill", "0.6", "--drill-offset", "0.5", "0.1"],
    ["PA", "--shape", "rect", "--width", "1", "--height", "1", "--kind", "paste"],
    ["MA", "--shape", "round", "--width", "1", "--height", "1", "--kind", "mask", "--side", "bottom"],
    ["NPS", "--shape", "hole", "--drill", "1x2"],
    ["QPB", "--shape", "roundrect", "--width", "0.25", "--height", "0.875", "--side", "bottom"],
    ["EPB", "--shape", "rect", "--width", "3.2", "--height", "3.2", "--side", "bottom"],
]
FOOTPRINTS = [
    {"footprint": "QFP48", "style": "chip-carrier", "p": 12, "q": 12, "x": 0.5, "y": 0.5, "w": 1.4125,
     "z": 1.4125, "padstack": "RR15", "pin1-padstack": "RR15", "body": "7x7"},
    {"footprint": "HDR1x05", "style": "stagger-x", "p": 5, "q": 1, "x": 2.54, "x-start": 1,
     "padstack": "OV17", "pin1-padstack": "SQ17"},
    {"footprint": "DIP8", "style": "dual", "q": 4, "x": 7.62, "y": 2.54, "padstack": "OV24",
     "pin1-padstack": "RC24", "body": "6.35x10.16"},
    {"footprint": "TP2x2", "style": "grid", "p": 2, "q": 2, "x": 2.54, "y": 2.54, "padstack": "TP10",
     "pin1-padstack": "TP10"},
    {"footprint": "SY6", "style": "stagger-y", "p": 2, "q": 3, "x": 5, "y": 1.27, "w": 0.5, "padstack": "R30",
     "pin1-padstack": "R30"},
    {"footprint": "CIRC8", "style": "circular", "p": 8, "r": 3, "angle": 45, "padstack": "OB",
     "pin1-padstack": "OB"},
    {"footprint": "BGA16", "style": "grid", "p": 4, "q": 4, "x": 0.8, "y": 0.8, "padstack": "BGA04",
     "pin1-padstack": "BGA04", "body": "5x5"},
    {"footprint": "BOT2", "style": "grid", "p": 2, "q": 1, "x": 3, "padstack": "BR", "pin1-padstack": "BR"},
    # A surface-mount connector held down by plated pegs without names.
    {"footprint": "PEGS4", "style": "stagger-x", "p": 4, "q": 1, "x": 1.25, "x-start": 1, "padstack": "SMD06",
     "pin1-padstack": "SMD06", "body": "8x4", "pads": [{"name": "", "x": -3.2, "y": -1.5, "padstack": "PEG"},
                                                       {"name": "", "x": 3.2, "y": -1.5, "padstack": "PEG"}]},
    {"footprint": "CIRC5-30", "style": "circular", "p": 5, "r": 2.5, "angle": 72, "padstack": "OB",
     "pin1-padstack": "OB", "start-angle": 30},
    # Two rows of long pads at the ends, a second arrangement beside them, names three digits wide.
    {"footprint": "TWO-ROWS", "style": "dual", "q": 5, "x": 5, "y": 1.27, "padstack": "SMD12", "pin1-padstack": "SMD12",
     "name-width": 3, "pin-padstack": "1,5-6,10=END",
     "also": [{"style": "grid", "p": 3, "x": 1, "padstack": "BGA04", "pin1-padstack": "BGA04", "at": [0, -4.5]}]},
    {"footprint": "QFN32EP", "style": "chip-carrier", "p": 8, "q": 8, "x": 0.5, "y": 0.5, "w": 0.6875, "z": 0.6875,
     "padstack": "QP", "pin1-padstack": "QP", "pads": [{"name": "33", "x": 0, "y": 0, "padstack": "EP32"}],
     "ep-paste": "3x3", "turn": 90},
    {"footprint": "SLOTS", "style": "dual", "q": 2, "x": 5, "y": 3, "padstack": "SL", "pin1-padstack": "OF",
     "pads": [{"name": "", "x": 0, "y": 3, "padstack": "NPS"}], "turn": 90},
    {"footprint": "RSLOT", "style": "circular", "p": 4, "r": 4, "angle": 90, "padstack": "RS", "pin1-padstack": "OF",
     "start-angle": 30},
    {"footprint": "SHAPES", "style": "dual", "q": 3, "x": 4, "y": 2, "padstack": "CH", "pin1-padstack": "TZ",
     "pads": [{"name": "", "x": 0, "y": 0, "padstack": "MA"}, {"name": "T", "x": 0, "y": 2, "padstack": "TX"}],
     "turn": 180},
    {"footprint": "CUSTOM6", "style": "circular", "p": 6, "r": 3, "angle": 60, "padstack": "CU", "pin1-padstack": "CU",
     "pads": [{"name": "", "x": 0, "y": 0, "padstack": "PA"}]},
    # The two halves together: pins on slotted, offset, chamfered and custom padstacks of their own
    # in two arrangements, turned; a part below with its exposed pad's paste in windows; a
    # chamfered pin 1 beside the pin-1 mark.
    {"footprint": "PINKINDS", "style": "dual", "q": 3, "x": 5, "y": 2.5, "padstack": "SL", "pin1-padstack": "SL",
     "pin-padstack": "3-4=OF", "turn": 90, "also": [{"style": "grid", "p": 2, "x": 3, "padstack": "CH",
                                                     "pin1-padstack": "CH", "pin-padstack": "A2=CU", "at": [0, -5]}]},
    {"footprint": "QFN32-BOTTOM", "style": "chip-carrier", "p": 8, "q": 8, "x": 0.5, "y": 0.5, "w": 0.6875,
     "z": 0.6875, "padstack": "QPB", "pin1-padstack": "QPB", "pads": [{"name": "33", "x": 0, "y": 0, "padstack": "EPB"}],
     "ep-paste": "2x2"},
    {"footprint": "CHAMFER-PIN1", "style": "dual", "q": 4, "x": 5, "y": 1.27, "padstack": "SMD12", "pin1-padstack": "SMD12",
     "pin-padstack": "1=CH", "name-width": 2},
]
EXAMPLES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "..", "examples")
# Each example script makes its design and library, as README shows it.
EXAMPLE_SETS = [("real-packages.sh", "real-packages.json", "e"), ("dsub-hd26.sh", "dsub-hd26.json", "hd"),
                ("new-kinds.sh", "new-kinds.json", "k")]
EXAMPLE_FOOTPRINTS = []
for _, batch, _ in EXAMPLE_SETS:
    with open(os.path.join(EXAMPLES, batch)) as f:
        entries = json.load(f)
    EXAMPLE_FOOTPRINTS += entries if isinstance(entries, list) else [entries]
PLOTTED = {"QFP48": "kicad-qfp48.png", "HDR1x05": "kicad-header-1x05.png",
           "QFN-32-1EP_5x5mm_P0.5mm": "kicad-qfn32.png", "BGA-128_10x10mm_P0.8mm": "kicad-bga128.png",
           "TO-5-3": "kicad-to5.png", "DSUB-9": "kicad-dsub9.png",
           "DSUB-26-HD_Male_Vertical_P2.29x1.98mm": "kicad-dsub-hd26.png",
           "ATmega328P-MU_VQFN-32_5x5mm_P0.5mm_EP3.1mm": "kicad-qfn32-paste.png",
           "Molex_105017-0001_USB-Micro-B": "kicad-usb-micro-b.png"}
SILK_CLEARANCE = 0.2
COURTYARD_MARGIN = 0.25
QUARTER = 5400  # minutes of arc


def orvex(*words):
    run = subprocess.run([ORVEX, "--home", "home", *words], cwd=OUT, capture_output=True, text=True)
    if run.returncode != 0:
        raise AssertionError("orvex %s: %s" % (" ".join(words), run.stderr))
    return run.stdout


def layer_names(pad):
    return {pcbnew.BOARD.GetStandardLayerName(layer) for layer in pad.GetLayerSet().Seq()}


def turned(x, y, degrees):
    """(x, y) turned as KiCad turns a pad: counter-clockwise as seen, y down."""
    a = math.radians(degrees)
    return x * math.cos(a) + y * math.sin(a), -x * math.sin(a) + y * math.cos(a)


class Expected:
    """A pad as the design holds it, turned into what the KiCad file must say."""

    def __init__(self, design, pin, stack):
        mm = design["inches_per_unit"] * 25.4
        self.name = pin["name"]
        self.kind = stack.get("kind", "copper")
        drill = stack["drill"] * mm
        drill_height = stack["slot"][1] * mm if "slot" in stack else drill
        offset = [v * mm for v in stack.get("drill_offset", [0, 0])]
        # A padstack without a pad is an unplated hole, as large as its drill.
        self.unplated = not stack["layers"]
        layer = stack["layers"][0] if stack["layers"] else \
            {"layer": 1, "paste": False, "corner_ratio": 0, "width": stack["drill"], "height": stack["slot"][1]
             if "slot" in stack else stack["drill"], "rotation": stack.get("drill_rotation", 0), "shape": 3}
        self.front = stack.get("side", "top" if layer["layer"] == 1 else "bottom") == "top"
        self.paste = self.kind == "copper" and layer["paste"] and drill == 0
        self.ratio = layer["corner_ratio"]
        width, height, turn = layer["width"] * mm, layer["height"] * mm, layer["rotation"] % 21600
        code = layer["shape"]
        self.chamfer = stack.get("chamfer")
        self.delta = [v * mm for v in stack.get("trapezoid", [0, 0])]
        self.polygon = [(x * mm, -y * mm) for x, y in stack.get("polygon", [])]
        if self.unplated:
            self.shape = "oval" if drill != drill_height else "circle"
        elif self.polygon:
            self.shape = "custom"
        elif any(self.delta):
            self.shape = "trapezoid"
            width, height = width - abs(self.delta[1]), height - abs(self.delta[0])
        elif self.chamfer:
            self.shape = "chamfered"
        else:
            self.shape = {1: "circle" if width == height else "oval", 3: "oval"}.get(
                code, "roundrect" if self.ratio > 0 else "rect")
        # A round pad turns only with a slot or an offset drill under it.
        if code == 1 and drill == drill_height and not any(offset):
            turn = 0
        outlined = self.polygon or any(self.delta) or self.chamfer
        self.degrees = turn / 60 if outlined or turn % QUARTER != 0 else 0
        self.offset = (offset[0], -offset[1])   # the hole from the copper, in the pad's frame as written
        if not self.degrees and turn % QUARTER == 0:
            if (turn // QUARTER) % 2 == 1:
                width, height = height, width
                drill, drill_height = drill_height, drill
            self.offset = turned(*self.offset, turn / 60)
        self.width, self.height, self.drill, self.drill_height = width, height, drill, drill_height
        hole = turned(*self.offset, self.degrees)
        self.copper = (pin["x"] * mm, -pin["y"] * mm)
        self.x, self.y = self.copper[0] + hole[0], self.copper[1] + hole[1]

    def outline_box(self):
        """The custom outline's box where KiCad must draw it."""
        points = [turned(x, y, self.degrees) for x, y in self.polygon]
        xs, ys = [self.copper[0] + x for x, _ in points], [self.copper[1] + y for _, y in points]
        return min(xs), min(ys), max(xs), max(ys)


def check_place(test, pad, want):
    """The loaded pad has the stored pad's number, place and size; returns how messages name it."""
    where = "pad %s" % want.name
    test.assertEqual(pad.GetNumber(), want.name)
    test.assertAlmostEqual(pad.GetPosition().x, want.x * NM, delta=1, msg=where)
    test.assertAlmostEqual(pad.GetPosition().y, want.y * NM, delta=1, msg=where)
    if want.shape != "custom":   # a custom pad's size is its anchor's
        test.assertAlmostEqual(pad.GetSize().x, want.width * NM, delta=1, msg=where)
        test.assertAlmostEqual(pad.GetSize().y, want.height * NM, delta=1, msg=where)
    return where


class KicadLoadTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        os.makedirs(os.path.join(OUT, "home"))
        os.symlink(MODULE, os.path.join(OUT, "home", "tessra.dll"))
        orvex("new", "d.design", "--units", "mm")
        for words in PADSTACKS:
            orvex("padstack", "add", "d.design", *words)
        with open(os.path.join(OUT, "footprints.json"), "w") as f:
            json.dump(FOOTPRINTS, f)
        orvex("generate", "d.design", "--from-json", "footprints.json")
        orvex("export", "d.design", "--kicad", "all.pretty")
        cls.loaded = {}
        for fp in FOOTPRINTS:
            name = fp["footprint"]
            os.makedirs(os.path.join(OUT, name + ".pretty"))
            orvex("export", "d.design", name, "--kicad", os.path.join(name + ".pretty", name + ".kicad_mod"))
            cls.loaded[name] = pcbnew.FootprintLoad(os.path.join(OUT, name + ".pretty"), name)
        cls.designs = {}
        shown = json.loads(orvex("show", "d.design", "--json"))
        for fp in FOOTPRINTS:
            cls.designs[fp["footprint"]] = shown
        for script, _, stem in EXAMPLE_SETS:
            subprocess.run(["sh", os.path.join(EXAMPLES, script), stem + ".design"], cwd=OUT, check=True,
                           capture_output=True, env=dict(os.environ, ORVEX=ORVEX, ORVEX_HOME="home"))
            shown = json.loads(orvex("show", stem + ".design", "--json"))
            for stored in shown["footprints"]:
                cls.loaded[stored["name"]] = pcbnew.FootprintLoad(os.path.join(OUT, stem + ".pretty"), stored["name"])
                cls.designs[stored["name"]] = shown

    def each_footprint(self, check):
        """Runs check(asked, stored, loaded) for every footprint, each as a sub-test."""
        for asked in FOOTPRINTS + EXAMPLE_FOOTPRINTS:
            name = asked["footprint"]
            with self.subTest(footprint=name):
                stored = next(s for s in self.designs[name]["footprints"] if s["name"] == name)
                self.assertIsNotNone(self.loaded[name], "KiCad did not load it")
                check(asked, stored, self.loaded[name])

    def expected_pads(self, stored, loaded):
        """Whether the part is through-hole, and its pads as they must stand about pad 1 as loaded:
        where the origin is, is the origin test's business."""
        design = self.designs[stored["name"]]
        by_name = {p["name"]: p for p in design["padstacks"]}
        stacks = [by_name[p["padstack"]] for p in stored["pins"]]
        # A plated hole makes a through-hole part only as a pin, one with a name.
        thru = any(s["drill"] > 0 and s["layers"] and p["name"] for p, s in zip(stored["pins"], stacks))
        pads = [Expected(design["design"], p, s) for p, s in zip(stored["pins"], stacks)]
        # Pad 1 stands where KiCad loaded it, its hole there.
        at = next(iter(loaded.Pads())).GetPosition()
        shift = (pads[0].x - at.x / NM, pads[0].y - at.y / NM)
        for pad in pads:
            pad.x, pad.y = pad.x - shift[0], pad.y - shift[1]
            pad.copper = (pad.copper[0] - shift[0], pad.copper[1] - shift[1])
        return thru, pads

    @staticmethod
    def side(loaded):
        """"B." for a part whose surface-mount pads are all on the bottom, else "F."."""
        smd = [p for p in loaded.Pads() if p.GetAttribute() == pcbnew.PAD_ATTRIB_SMD]
        return "B." if smd and all(not p.IsOnLayer(pcbnew.F_Cu) for p in smd) else "F."

    def test_one_library_holds_the_same_files(self):
        for fp in FOOTPRINTS:
            name = fp["footprint"] + ".kicad_mod"
            with open(os.path.join(OUT, fp["footprint"] + ".pretty", name)) as one, \
                    open(os.path.join(OUT, "all.pretty", name)) as many:
                self.assertEqual(one.read(), many.read(), name)
        self.assertEqual(len(os.listdir(os.path.join(OUT, "all.pretty"))), len(FOOTPRINTS))

    def test_pads_match_the_design(self):
        shapes = {"circle": pcbnew.PAD_SHAPE_CIRCLE, "oval": pcbnew.PAD_SHAPE_OVAL, "rect": pcbnew.PAD_SHAPE_RECT,
                  "roundrect": pcbnew.PAD_SHAPE_ROUNDRECT, "chamfered": pcbnew.PAD_SHAPE_CHAMFERED_RECT,
                  "trapezoid": pcbnew.PAD_SHAPE_TRAPEZOID, "custom": pcbnew.PAD_SHAPE_CUSTOM}
        all_copper = {pcbnew.BOARD.GetStandardLayerName(n) for n in pcbnew.LSET.AllCuMask().Seq()}

        def check(asked, stored, loaded):
            _, wanted = self.expected_pads(stored, loaded)
            pads = list(loaded.Pads())
            self.assertEqual(len(pads), len(wanted))
            for pad, want in zip(pads, wanted):
                where = check_place(self, pad, want)
                self.assertAlmostEqual(pad.GetOrientationDegrees() % 360, want.degrees % 360, places=6, msg=where)
                self.assertEqual(pad.GetShape(), shapes[want.shape], where)
                if want.shape in ("roundrect", "chamfered"):
                    self.assertAlmostEqual(pad.GetRoundRectRadiusRatio(), want.ratio, places=6, msg=where)
                self.check_outline(pad, want, where)
                self.check_drill(pad, want, where)
                drilled = want.drill > 0 and not want.unplated
                attribute = pcbnew.PAD_ATTRIB_NPTH if want.unplated else \
                    pcbnew.PAD_ATTRIB_PTH if drilled else pcbnew.PAD_ATTRIB_SMD
                self.assertEqual(pad.GetAttribute(), attribute, where)
                side = "F." if want.front else "B."
                layers = all_copper | {"F.Mask", "B.Mask"} if drilled or want.unplated else \
                    {side + {"paste": "Paste", "mask": "Mask"}[want.kind]} if want.kind != "copper" else \
                    {side + "Cu", side + "Mask"} | ({side + "Paste"} if want.paste else set())
                self.assertEqual(layer_names(pad), layers, where)
        self.each_footprint(check)

    def check_outline(self, pad, want, where):
        """Chamfered corners, a trapezoid's delta and a custom outline where the design has them."""
        if want.chamfer:
            bits = {"top_left": 1, "top_right": 2, "bottom_left": 4, "bottom_right": 8}
            self.assertAlmostEqual(pad.GetChamferRectRatio(), want.chamfer["ratio"], places=6, msg=where)
            self.assertEqual(pad.GetChamferPositions(), sum(bits[c] for c in want.chamfer["corners"]), where)
        if want.shape == "trapezoid":
            self.assertEqual((pad.GetDelta().x, pad.GetDelta().y), tuple(round(v * NM) for v in want.delta), where)
        if want.polygon:
            outline = pad.GetEffectivePolygon().Outline(0)
            points = [outline.CPoint(i) for i in range(outline.PointCount())]
            xs, ys = [p.x for p in points], [p.y for p in points]
            for got, asked in zip((min(xs), min(ys), max(xs), max(ys)), want.outline_box()):
                self.assertAlmostEqual(got, asked * NM, delta=2, msg=where)

    def check_drill(self, pad, want, where):
        """Its size each way, oval when they differ, and where the copper stands from it."""
        self.assertAlmostEqual(pad.GetDrillSize().x, want.drill * NM, delta=1, msg=where)
        self.assertAlmostEqual(pad.GetDrillSize().y, want.drill_height * NM, delta=1, msg=where)
        oval = want.drill != want.drill_height
        self.assertEqual(pad.GetDrillShape(), pcbnew.PAD_DRILL_SHAPE_OBLONG if oval else pcbnew.PAD_DRILL_SHAPE_CIRCLE,
                         where)
        self.assertAlmostEqual(pad.GetOffset().x, -want.offset[0] * NM, delta=1, msg=where)
        self.assertAlmostEqual(pad.GetOffset().y, -want.offset[1] * NM, delta=1, msg=where)

    def test_origin_is_pin_one_or_the_body_centre(self):
        def check(asked, stored, loaded):
            thru, _ = self.expected_pads(stored, loaded)
            self.assertEqual(loaded.GetAttributes() & (pcbnew.FP_THROUGH_HOLE | pcbnew.FP_SMD),
                             pcbnew.FP_THROUGH_HOLE if thru else pcbnew.FP_SMD)
            at = [pad.GetPosition() for pad in loaded.Pads()]
            if thru:
                self.assertEqual((at[0].x, at[0].y), (0, 0))
                return
            # The body's centre, to a few nanometres: the body given, or the pads' outline that
            # stands in for it.
            fab = next(i for i in loaded.GraphicalItems() if i.GetLayerName().endswith("Fab") and i.GetClass() == "MGRAPHIC")
            centre = fab.GetBoundingBox().GetCenter()
            self.assertLessEqual(abs(centre.x), 2)
            self.assertLessEqual(abs(centre.y), 2)
        self.each_footprint(check)

    def test_outline_layers_keep_clear_and_hold_the_part(self):
        def check(asked, stored, loaded):
            shapes = {}
            for item in loaded.GraphicalItems():
                if item.GetClass() == "MGRAPHIC":
                    shapes.setdefault(item.GetLayerName(), []).append(item)
            side = self.side(loaded)
            self.assertEqual({side + "Fab", side + "Silkscreen", side + "Courtyard"}, set(shapes))
            self.assertEqual(len(shapes[side + "Courtyard"]), 1)
            yard = shapes[side + "Courtyard"][0].GetBoundingBox()
            yard.Inflate(-int(0.025 * NM))   # less half its line
            for edge in (yard.GetLeft(), yard.GetTop(), yard.GetRight(), yard.GetBottom()):
                self.assertEqual(edge % int(0.01 * NM), 0, "courtyard on a 0.01 mm grid")
            # Nothing of the part outside its courtyard: the pin-1 mark and every other line.
            for item in shapes[side + "Silkscreen"] + shapes[side + "Fab"]:
                self.assertTrue(yard.Contains(item.GetBoundingBox()), "%s inside the courtyard" % item.GetLayerName())
            body = shapes[side + "Fab"][0].GetBoundingBox()
            body.Inflate(-int(0.05 * NM))   # less half its line
            if "body" in asked:
                width, height = (float(v) for v in asked["body"].split("x"))
                self.assertAlmostEqual(body.GetWidth(), width * NM, delta=2)
                self.assertAlmostEqual(body.GetHeight(), height * NM, delta=2)
            for box in [pad.GetBoundingBox() for pad in loaded.Pads()] + [body]:
                box.Inflate(int(COURTYARD_MARGIN * NM))
                self.assertTrue(yard.Contains(box), "courtyard round pads and body")
            silk = shapes[side + "Silkscreen"]
            self.assertTrue(any(i.IsFilled() for i in silk), "a filled pin-1 mark")
            for item in silk:
                for pad in loaded.Pads():
                    self.assertFalse(item.GetEffectiveShape().Collide(pad.GetEffectiveShape(),
                                                                      int(SILK_CLEARANCE * NM) - 1),
                                     "silkscreen near pad %s" % pad.GetNumber())
        self.each_footprint(check)

    def test_texts_stand_above_and_below(self):
        def check(asked, stored, loaded):
            side = self.side(loaded)
            yard = next(i for i in loaded.GraphicalItems() if i.GetLayerName() == side + "Courtyard").GetBoundingBox()
            ref, value = loaded.Reference(), loaded.Value()
            self.assertEqual((ref.GetLayerName(), value.GetLayerName()), (side + "Silkscreen", side + "Fab"))
            for text in (ref, value):
                self.assertEqual(text.IsMirrored(), side == "B.", "read from the side of the pads")
            self.assertLess(ref.GetPosition().y, yard.GetTop())
            self.assertGreater(value.GetPosition().y, yard.GetBottom())
            self.assertEqual(value.GetText(), asked["footprint"])
            for text in (ref, value):
                self.assertEqual((text.GetTextHeight(), text.GetTextThickness()), (int(1 * NM), int(0.15 * NM)))
            users = [i.GetText() for i in loaded.GraphicalItems()
                     if i.GetClass() == "MTEXT" and i.GetLayerName() == side + "Fab"]
            self.assertIn("${REFERENCE}", users)
            self.assertIn("--style " + asked["style"], loaded.GetDescription())
            body = ("body " + asked["body"].replace("x", " x ") + " mm") if "body" in asked else "body drawn round"
            self.assertIn(body, loaded.GetDescription())
            self.assertIn("tessra " + asked["style"], loaded.GetKeywords())
            shaped = [("--turn %s" % asked.get("turn"), "turn"), ("--omit %s" % asked.get("omit"), "omit"),
                      ("--pad ", "pads"), ("--also --style ", "also"), ("--name-width ", "name-width"),
                      ("--pin-padstack ", "pin-padstack"), ("--start-angle ", "start-angle"),
                      ("--ep-paste ", "ep-paste")]
            for words, option in shaped:
                if option in asked:
                    self.assertIn(words, loaded.GetDescription())
        self.each_footprint(check)

    def test_body_given_on_export_replaces_the_kept_one(self):
        os.makedirs(os.path.join(OUT, "wide.pretty"))
        orvex("export", "d.design", "QFP48", "--kicad", "wide.pretty/QFP48.kicad_mod", "--body", "8x9")
        loaded = pcbnew.FootprintLoad(os.path.join(OUT, "wide.pretty"), "QFP48")
        fab = next(i for i in loaded.GraphicalItems() if i.GetLayerName() == "F.Fab" and i.GetClass() == "MGRAPHIC")
        self.assertAlmostEqual(fab.GetBoundingBox().GetWidth(), (8 + 0.1) * NM, delta=2)   # and its line
        self.assertAlmostEqual(fab.GetBoundingBox().GetHeight(), (9 + 0.1) * NM, delta=2)

    def test_model_is_loaded_with_its_place(self):
        os.makedirs(os.path.join(OUT, "model.pretty"))
        orvex("export", "d.design", "PEGS4", "--kicad", "model.pretty/PEGS4.kicad_mod", "--model",
              "${KICAD6_3DMODEL_DIR}/Connector.3dshapes/PEGS4.wrl", "--model-offset", "0", "-0.5", "0.1",
              "--model-rotate", "-90", "0", "180")
        models = list(pcbnew.FootprintLoad(os.path.join(OUT, "model.pretty"), "PEGS4").Models())
        self.assertEqual(len(models), 1)
        self.assertEqual(models[0].m_Filename, "${KICAD6_3DMODEL_DIR}/Connector.3dshapes/PEGS4.wrl")
        self.assertEqual((models[0].m_Offset.x, models[0].m_Offset.y, models[0].m_Offset.z), (0, -0.5, 0.1))
        self.assertEqual((models[0].m_Rotation.x, models[0].m_Rotation.y, models[0].m_Rotation.z), (-90, 0, 180))

    def test_joined_arrangements_keep_their_names(self):
        stored = next(s for s in self.designs["TWO-ROWS"]["footprints"] if s["name"] == "TWO-ROWS")
        names = [p.GetNumber() for p in self.loaded["TWO-ROWS"].Pads()]
        self.assertEqual(names, ["%03d" % n for n in range(1, 11)] + ["A1", "A2", "A3"])
        self.assertEqual([p["padstack"] for p in stored["pins"]][:6], ["END", "SMD12", "SMD12", "SMD12", "END", "END"])
        self.assertEqual(stored["host"]["also"][0]["made_from"]["style"], "grid")

    def test_plots(self):
        for name, picture in PLOTTED.items():
            png = plot(self.loaded[name], name)
            self.assertGreater(os.path.getsize(png), 1000)
            if DOCS:
                shutil.copy(png, os.path.join(DOCS, picture))


class LandPatternLoadTest(unittest.TestCase):
    """Footprints of examples/land-patterns.json and a ball grid with margins, from their
    datasheet dimensions: KiCad loads each with the lands, courtyard and body of its land pattern."""

    @classmethod
    def setUpClass(cls):
        with open(os.path.join(EXAMPLES, "land-patterns.json")) as f:
            cls.asked = json.load(f)
        cls.asked.append({"footprint": "BGA-16-margins", "package": {
            "family": "bga", "pitch": 0.8, "cols": 4, "rows": 4, "body_size_x": 4, "body_size_y": 4,
            "pad_diameter": 0.35, "mask_margin": 0.05, "paste_margin": -0.05}})
        cls.asked.append({"footprint": "QFN-16-openings", "package": {
            "family": "nolead", "pitch": 0.5, "num_pins_x": 4, "num_pins_y": 4, "body_size_x": 3, "body_size_y": 3,
            "lead_width": "0.18..0.30", "lead_len": "0.3..0.5", "EP_size_x": 1.7, "EP_size_y": 1.7, "EP_mask_x": 1.6,
            "EP_mask_y": 1.65, "thermal_vias": {"count": [2, 2], "drill": 0.2, "paste_avoid_via": True}}})
        os.makedirs(os.path.join(OUT, "home"), exist_ok=True)
        if not os.path.exists(os.path.join(OUT, "home", "tessra.dll")):
            os.symlink(MODULE, os.path.join(OUT, "home", "tessra.dll"))
        orvex("new", "l.design", "--units", "mm")
        with open(os.path.join(OUT, "lands.json"), "w") as f:
            json.dump(cls.asked, f)
        orvex("generate", "l.design", "--from-json", "lands.json")
        orvex("export", "l.design", "--kicad", "lands.pretty")
        shown = json.loads(orvex("show", "l.design", "--json"))
        cls.design = shown["design"]
        cls.stacks = {p["name"]: p for p in shown["padstacks"]}
        cls.stored = {fp["name"]: fp for fp in shown["footprints"]}
        cls.loaded = {a["footprint"]: pcbnew.FootprintLoad(os.path.join(OUT, "lands.pretty"), a["footprint"])
                      for a in cls.asked}

    def each(self, check):
        for asked in self.asked:
            name = asked["footprint"]
            with self.subTest(footprint=name):
                self.assertIsNotNone(self.loaded[name], "KiCad did not load it")
                check(asked, self.stored[name], self.loaded[name])

    def about_centre(self, pin, stored):
        """The pad as it must stand about the package's centre, the origin of a land pattern."""
        want = Expected(self.design, pin, self.stacks[pin["padstack"]])
        mm = self.design["inches_per_unit"] * 25.4
        cx, cy = stored["center"][0] * mm, -stored["center"][1] * mm
        want.x, want.y = want.x - cx, want.y - cy
        want.copper = (want.copper[0] - cx, want.copper[1] - cy)
        return want

    def test_lands_are_the_stored_pads(self):
        def check(asked, stored, loaded):
            pads = list(loaded.Pads())
            self.assertEqual(len(pads), len(stored["pins"]))
            self.assertEqual(loaded.GetAttributes() & (pcbnew.FP_THROUGH_HOLE | pcbnew.FP_SMD), pcbnew.FP_SMD)
            for pad, pin in zip(pads, stored["pins"]):
                want = self.about_centre(pin, stored)
                where = check_place(self, pad, want)
                if want.shape == "roundrect":
                    self.assertEqual(pad.GetShape(), pcbnew.PAD_SHAPE_ROUNDRECT, where)
                    self.assertAlmostEqual(pad.GetRoundRectRadiusRatio(), want.ratio, places=4, msg=where)
                # Thermal vias are plated holes of a surface-mount part; every other land is SMD.
                self.assertEqual(pad.GetAttribute(), pcbnew.PAD_ATTRIB_PTH if want.drill > 0 else pcbnew.PAD_ATTRIB_SMD)
        self.each(check)

    def test_courtyard_and_body_are_the_land_patterns(self):
        def check(asked, stored, loaded):
            land = stored["land_pattern"]
            yard = next(i for i in loaded.GraphicalItems() if i.GetLayerName() == "F.Courtyard").GetBoundingBox()
            yard.Inflate(-int(0.025 * NM))   # less half its line
            c = land["courtyard"]
            self.assertEqual((yard.GetLeft(), yard.GetTop(), yard.GetRight(), yard.GetBottom()),
                             tuple(round(v * NM) for v in (c["x1"], c["y1"], c["x2"], c["y2"])))
            fab = next(i for i in loaded.GraphicalItems() if i.GetLayerName() == "F.Fab" and i.GetClass() == "MGRAPHIC")
            body = fab.GetBoundingBox()
            body.Inflate(-int(0.05 * NM))
            package = asked["package"]
            for got, key in ((body.GetWidth(), "body_size_x"), (body.GetHeight(), "body_size_y")):
                given = package[key]
                nominal = given if isinstance(given, (int, float)) else given.get("nominal") if isinstance(given, dict) \
                    else (float(given.split("..")[0]) + float(given.split("..")[-1])) / 2
                self.assertAlmostEqual(got, nominal * NM, delta=2, msg=key)
            self.assertIn("density " + land["density"], loaded.GetDescription())
            self.assertIn("--package " + package["family"], loaded.GetDescription())
        self.each(check)

    def test_exposed_pad_openings_are_kicads(self):
        """The paste windows between the vias are pads on F.Paste alone, the mask opening one on F.Mask
        alone, each where the land pattern has it; the pad has no paste and opens the mask no wider."""
        pads = list(self.loaded["QFN-16-openings"].Pads())
        ep = self.stored["QFN-16-openings"]["land_pattern"]["ep"]
        paste = [p for p in pads if layer_names(p) == {"F.Paste"}]
        mask = [p for p in pads if layer_names(p) == {"F.Mask"}]
        self.assertEqual(len(paste), 9)
        self.assertEqual(len(mask), 1)
        for pad, want in zip(paste + mask, ep["paste"] + [ep["mask"]]):
            self.assertEqual(pad.GetAttribute(), pcbnew.PAD_ATTRIB_SMD)
            got = (pad.GetPosition().x, pad.GetPosition().y, pad.GetSize().x, pad.GetSize().y)
            for g, w in zip(got, (want["x"], want["y"], want["w"], want["h"])):
                self.assertAlmostEqual(g, w * NM, delta=1, msg=str(want))
        copper = [p for p in pads if p.GetNumber() == "17" and p.GetAttribute() == pcbnew.PAD_ATTRIB_SMD]
        self.assertEqual(len(copper), 1)
        self.assertEqual(layer_names(copper[0]), {"F.Cu", "F.Mask"})
        self.assertEqual(copper[0].GetLocalSolderMaskMargin(), int(-0.05 * NM))

    def test_ball_margins_reach_kicad(self):
        for pad in self.loaded["BGA-16-margins"].Pads():
            self.assertEqual(pad.GetLocalSolderMaskMargin(), int(0.05 * NM))
            self.assertEqual(pad.GetLocalSolderPasteMargin(), int(-0.05 * NM))


# Layers bottom to top, in KiCad's own display colours.
PLOT_LAYERS = [(pcbnew.F_CrtYd, "#FF26E2"), (pcbnew.F_Fab, "#AFAFAF"), (pcbnew.B_Cu, "#4D7FC4"),
               (pcbnew.F_Cu, "#C83434"), (pcbnew.F_Paste, "#B4A09A"), (pcbnew.F_SilkS, "#F2EDA1")]
BACKGROUND = "#001023"
HOLE_EDGE = "#E3E3E3"


def plot(footprint, name):
    """Each layer plotted by KiCad to an SVG of its own, then laid one over the other in colour."""
    board = pcbnew.BOARD()
    board.Add(footprint.Duplicate())
    controller = pcbnew.PLOT_CONTROLLER(board)
    options = controller.GetPlotOptions()
    folder = os.path.join(OUT, "plots")
    options.SetOutputDirectory(folder)
    options.SetPlotFrameRef(False)
    options.SetDrillMarksType(pcbnew.PCB_PLOT_PARAMS.FULL_DRILL_SHAPE)
    layers = []
    for layer, colour in PLOT_LAYERS:
        controller.SetLayer(layer)
        controller.OpenPlotfile(name + "-" + board.GetLayerName(layer), pcbnew.PLOT_FORMAT_SVG, name)
        controller.PlotLayer()
        path = controller.GetPlotFileName()
        controller.ClosePlot()
        with open(path) as f:
            body = f.read()
        body = body[body.index("<g "):body.rindex("</svg>")]
        # Texts come twice: as strokes, and as invisible text for searching, which is left out.
        body = re.sub(r"<text .*?</text>", "", body, flags=re.S)
        layers.append(body.replace("#000000", colour).replace("#FFFFFF", BACKGROUND))
    box = board.GetBoundingBox()
    box.Inflate(int(0.5 * NM))
    width_px = 900
    height_px = int(width_px * box.GetHeight() / box.GetWidth())
    svg = os.path.join(folder, name + ".svg")
    with open(svg, "w") as f:
        f.write('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="%d %d %d %d">\n'
                % (width_px, height_px, box.GetX(), box.GetY(), box.GetWidth(), box.GetHeight()))
        f.write('<rect x="%d" y="%d" width="%d" height="%d" fill="%s"/>\n'
                % (box.GetX(), box.GetY(), box.GetWidth(), box.GetHeight(), BACKGROUND))
        for body in layers:
            f.write('<g opacity="0.85">%s</g>\n' % body)
        # An unplated hole has no copper, so no layer above shows it: its edge is drawn as
        # KiCad's editor draws a hole, where KiCad loaded the pad.
        for pad in footprint.Pads():
            if pad.GetAttribute() == pcbnew.PAD_ATTRIB_NPTH:
                f.write('<circle cx="%d" cy="%d" r="%d" fill="none" stroke="%s" stroke-width="%d"/>\n'
                        % (pad.GetPosition().x, pad.GetPosition().y, pad.GetDrillSize().x // 2, HOLE_EDGE, 0.1 * NM))
        f.write("</svg>\n")
    png = os.path.join(folder, name + ".png")
    subprocess.run(["rsvg-convert", svg, "-o", png], check=True)
    return png


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]], verbosity=2)
