// padstack add's words into the padstack a file stores: each kind and shape as its layers and
// form say it, and every form the command refuses, with why.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/orvex/requests/padstack_request.h"

namespace {

using zelmdb::PadShape;

constexpr int kPasteTop = 9, kMaskBottom = 8;   // SPT and SMB in a new design

// A design in millimetres of 0.1 micron units: 1 mm is 10000.
zelmdb::DesignInfo Millimetres() {
    zelmdb::DesignInfo mm;
    mm.unitCode = 4;
    return mm;
}

Result<PadstackToStore> Made(std::vector<std::string> words, int padLayer) {
    words.insert(words.begin(), {"d.design", "P"});
    auto args = ArgList::Parse(words, PadstackArgRules());
    if (!args.ok()) return Failure{args.error()};
    TRY_ASSIGN(request, PadstackRequestOf(args.value()));
    return PadstackOf(request, Millimetres(), padLayer);
}

// The layers that have a pad, as "layer:shape:width:height:rotation" words, then the form.
std::string Stored(const PadstackToStore& made) {
    std::string text;
    for (size_t i = 0; i < made.padstack.layers.size(); ++i) {
        const zelmdb::LayerGeometry& l = made.padstack.layers[i];
        if (l.shape == PadShape::None) continue;
        text += std::to_string(i + 1) + ":" + std::to_string(int(l.shape)) + ":" + std::to_string(l.width1) + ":" +
                std::to_string(l.height1) + ":" + std::to_string(l.rotation) + " ";
    }
    const zelmdb::PadForm& f = made.form;
    if (f.chamferRatio) text += "chamfer " + std::to_string(f.chamferRatio) + "/" + std::to_string(f.chamferCorners) + " ";
    if (f.deltaX || f.deltaY) text += "delta " + std::to_string(f.deltaX) + "," + std::to_string(f.deltaY) + " ";
    for (const zelmdb::FormPoint& p : f.polygon) text += "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
    if (f.drillOffsetX || f.drillOffsetY)
        text += "offset " + std::to_string(f.drillOffsetX) + "," + std::to_string(f.drillOffsetY);
    return text;
}

struct GoodForm {
    const char* name;
    std::vector<std::string> words;
    int padLayer;
    const char* stored;
};
class PadstackFormTest : public ::testing::TestWithParam<GoodForm> {};

TEST_P(PadstackFormTest, StoresWhatItSays) {
    const auto made = Made(GetParam().words, GetParam().padLayer);
    ASSERT_TRUE(made.ok()) << made.error();
    EXPECT_EQ(Stored(made.value()), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Kinds, PadstackFormTest, ::testing::Values(
    GoodForm{"PasteOpening", {"--shape", "rect", "--width", "1", "--height", "0.5", "--kind", "paste"}, kPasteTop,
             "9:4:10000:5000:0 "},
    GoodForm{"MaskOpeningBelow", {"--shape", "round", "--width", "1", "--height", "1", "--kind", "mask", "--side", "bottom"},
             kMaskBottom, "8:1:10000:10000:0 "},
    // A slot turns with its pad: the plug-in turns every layer whose shape is not round.
    GoodForm{"Slot", {"--shape", "oblong", "--width", "2", "--height", "1", "--drill", "1.4x0.6", "--rotation", "90"}, 1,
             "1:3:20000:10000:5400 14:3:14000:6000:5400 "},
    GoodForm{"SquareSlotIsARoundDrill", {"--shape", "round", "--width", "2", "--height", "2", "--drill", "1X1"}, 1,
             "1:1:20000:20000:0 14:1:10000:10000:0 "},
    GoodForm{"UnplatedSlot", {"--shape", "hole", "--drill", "1x2.5"}, 1, "14:3:10000:25000:0 "},
    // So does a drill off the centre, even under a round pad.
    GoodForm{"OffsetDrill", {"--shape", "round", "--width", "2", "--height", "2", "--drill", "0.8", "--drill-offset",
                             "-0.5", "0.1"}, 1, "1:1:20000:20000:0 14:3:8000:8000:0 offset -5000,1000"},
    GoodForm{"Chamfered", {"--shape", "chamfered", "--width", "1", "--height", "0.6", "--chamfer-ratio", "0.25",
                           "--chamfer-corners", "tl,br"}, 1, "1:4:10000:6000:0 chamfer 2500/9 "},
    GoodForm{"ChamferedAllRounded", {"--shape", "chamfered", "--width", "1", "--height", "0.6", "--chamfer-ratio", "0.5",
                                     "--corner-ratio", "0.1"}, 1, "1:4:10000:6000:0 chamfer 5000/15 "},
    // The record holds the box the slanted sides reach.
    GoodForm{"TrapezoidAcross", {"--shape", "trapezoid", "--width", "1", "--height", "0.6", "--delta", "0", "-0.2"}, 1,
             "1:4:12000:6000:0 delta 0,-2000 "},
    GoodForm{"TrapezoidDown", {"--shape", "trapezoid", "--width", "1", "--height", "0.6", "--delta", "0.4", "0"}, 1,
             "1:4:10000:10000:0 delta 4000,0 "},
    // The classic drawing's box is centred on the origin and holds the whole outline.
    GoodForm{"CustomEll", {"--shape", "custom", "--polygon", " -0.1,-0.1  0.3,-0.1 0.3,0 0.05,0 0.05,0.2 -0.1,0.2 "}, 1,
             "1:4:6000:4000:0 (-1000,-1000)(3000,-1000)(3000,0)(500,0)(500,2000)(-1000,2000)"},
    GoodForm{"CustomWithADrill", {"--shape", "custom", "--polygon", "-1,-1 1,-1 1,1 -1,1", "--drill", "0.5",
                                  "--drill-offset", "0.7", "0"}, 1,
             "1:4:20000:20000:0 14:3:5000:5000:0 (-10000,-10000)(10000,-10000)(10000,10000)(-10000,10000)offset 7000,0"},
    GoodForm{"CustomPaste", {"--shape", "custom", "--kind", "paste", "--polygon", "0,-1 1,1 -1,1"}, kPasteTop,
             "9:4:20000:20000:0 (0,-10000)(10000,10000)(-10000,10000)"}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadForm {
    const char* name;
    std::vector<std::string> words;
    const char* error;
};
class PadstackRefusalTest : public ::testing::TestWithParam<BadForm> {};

TEST_P(PadstackRefusalTest, SaysWhy) {
    const auto made = Made(GetParam().words, 1);
    ASSERT_FALSE(made.ok());
    EXPECT_EQ(made.error(), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(Forms, PadstackRefusalTest, ::testing::Values(
    BadForm{"UnknownKind", {"--shape", "rect", "--width", "1", "--height", "1", "--kind", "silk"},
            "kind 'silk' is none of copper, paste, mask"},
    BadForm{"KindOfAHole", {"--shape", "hole", "--drill", "1", "--kind", "paste"},
            "a hole has no pad: --kind does not apply; give --drill"},
    BadForm{"DrilledOpening", {"--shape", "rect", "--width", "1", "--height", "1", "--kind", "mask", "--drill", "0.3"},
            "a paste or mask opening has no drill"},
    BadForm{"OpeningWithoutPaste", {"--shape", "rect", "--width", "1", "--height", "1", "--kind", "paste", "--no-paste"},
            "--no-paste is for copper pads; a paste or mask opening is its own layer"},
    BadForm{"SlotForm", {"--shape", "oblong", "--width", "2", "--height", "1", "--drill", "1.4x"},
            "drill height '' is not a number"},
    BadForm{"SlotSize", {"--shape", "oblong", "--width", "2", "--height", "1", "--drill", "1.4x0"},
            "drill 1.4x0 must be more than 0 each way"},
    BadForm{"SlotBeyondThePad", {"--shape", "oblong", "--width", "2", "--height", "1", "--drill", "0.6x1.4"},
            "drill 0.6x1.4 is larger than the pad (2 x 1); a drill must fit inside its pad"},
    BadForm{"OffsetOutOfThePad", {"--shape", "rect", "--width", "2", "--height", "1", "--drill", "0.6", "--drill-offset",
                                  "0.8", "0"},
            "drill 0.6 at offset 0.8 0 is larger than the pad (2 x 1); a drill must fit inside its pad"},
    BadForm{"OffsetWithoutDrill", {"--shape", "hole", "--drill", "1", "--drill-offset", "0.1", "0"},
            "--drill-offset moves the drill of a copper pad; a hole or an opening has none to move"},
    BadForm{"OffsetTwice", {"--shape", "rect", "--width", "2", "--height", "1", "--drill", "0.3", "--drill-offset", "0",
                            "0.1", "--drill-offset", "0.1", "0"},
            "option --drill-offset is given twice"},
    BadForm{"ChamferWithoutRatio", {"--shape", "chamfered", "--width", "1", "--height", "1"},
            "--shape chamfered needs --chamfer-ratio"},
    BadForm{"ChamferOfARect", {"--shape", "rect", "--width", "1", "--height", "1", "--chamfer-ratio", "0.2"},
            "--chamfer-ratio cuts the corners of --shape chamfered only"},
    BadForm{"ChamferPastHalf", {"--shape", "chamfered", "--width", "1", "--height", "1", "--chamfer-ratio", "0.6"},
            "chamfer ratio 0.6 is not above 0 and at most 0.5 (half the shorter side)"},
    BadForm{"ChamferCorner", {"--shape", "chamfered", "--width", "1", "--height", "1", "--chamfer-ratio", "0.2",
                              "--chamfer-corners", "tl,middle"},
            "chamfer corner 'middle' is none of tl, tr, bl, br (or give all)"},
    BadForm{"TrapezoidWithoutDelta", {"--shape", "trapezoid", "--width", "1", "--height", "1"},
            "--shape trapezoid needs --delta"},
    BadForm{"TrapezoidBothWays", {"--shape", "trapezoid", "--width", "1", "--height", "1", "--delta", "0.1", "0.1"},
            "--delta 0.1 0.1: a trapezoid slants one pair of sides; give one delta and 0 for the other"},
    BadForm{"TrapezoidToAPoint", {"--shape", "trapezoid", "--width", "1", "--height", "0.6", "--delta", "0.6", "0"},
            "--delta 0.6 0 takes a side to nothing; a delta must be shorter than the side it slants (1 x 0.6)"},
    BadForm{"RoundedTrapezoid", {"--shape", "trapezoid", "--width", "1", "--height", "1", "--delta", "0.1", "0",
                                 "--corner-ratio", "0.1"},
            "--corner-ratio rounds square and rectangular pads only"},
    BadForm{"CustomWithoutPolygon", {"--shape", "custom"}, "--shape custom needs --polygon"},
    BadForm{"CustomWithAWidth", {"--shape", "custom", "--polygon", "-1,-1 1,-1 0,1", "--width", "2"},
            "a custom pad's size is its polygon's: --width does not apply"},
    BadForm{"PolygonOfARect", {"--shape", "rect", "--width", "1", "--height", "1", "--polygon", "-1,-1 1,-1 0,1"},
            "--polygon outlines --shape custom only"},
    BadForm{"PolygonWord", {"--shape", "custom", "--polygon", "-1,-1 1;-1 0,1"}, "polygon point 2 '1;-1' is not X,Y"},
    BadForm{"PolygonNumber", {"--shape", "custom", "--polygon", "-1,-1 1,-1mm 0,1"}, "polygon point 2 y '-1mm' is not a number"},
    BadForm{"PolygonOfTwo", {"--shape", "custom", "--polygon", "-1,-1 1,1"},
            "--polygon: an outline needs at least 3 points, not 2"},
    BadForm{"PolygonCrossing", {"--shape", "custom", "--polygon", "-1,-1 1,1 1,-1 -1,1"},
            "--polygon: the outline crosses itself: the edge from point 1 (-10000, -10000) meets the edge from point 3 "
            "(10000, -10000)"},
    BadForm{"PolygonBesideItsOrigin", {"--shape", "custom", "--polygon", "1,1 2,1 2,2"},
            "--polygon: the outline must hold the pad's origin (0,0) inside it, where its pin stands"},
    BadForm{"PolygonTooLarge", {"--shape", "custom", "--polygon", "-60000,-1 60000,-1 0,1"},
            "--polygon: the outline is too large for the design"},
    BadForm{"DrillBeyondThePolygon", {"--shape", "custom", "--polygon", "-1,-1 1,-1 1,1 -1,1", "--drill", "0.5",
                                      "--drill-offset", "0.8", "0"},
            "drill 0.5 at offset 0.8 0 reaches beyond the polygon; a drill must fit inside its pad"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PadstackLayerTest, AnOpeningNeedsItsLayer) {
    const auto made = Made({"--shape", "rect", "--width", "1", "--height", "1", "--kind", "paste", "--side", "bottom"}, 0);
    ASSERT_FALSE(made.ok());
    EXPECT_EQ(made.error(), "the file has no layer SPB for a paste opening");
}

}  // namespace
