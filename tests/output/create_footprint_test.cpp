// The footprint as it lands in a real design: pins and their padstacks, rotated copies,
// component and labels, and what is stored for the cases nobody should meet.
#include "output/create_footprint.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "array/placement.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/zelmdb.h"
#include "output/padstack_rules.h"
#include "res/output_texts.h"
#include "tests/array/array_fixture.h"
#include "tests/support/store_records.h"

namespace {

using zelmdb::LayerGeometry;

class CreateFootprintTest : public ArrayFixture {
protected:
    void SetUp() override {
        ArrayFixture::SetUp();
        FootprintName = "QFP48";
    }
    // A padstack of one pad on layer 1 (and a drill), stored under `name`.
    int32_t AddPadstack(const std::string& name, zelmdb::PadShape shape, int16_t rotation = 0) {
        zelmdb::Padstack p;
        p.layers.resize(14);
        p.Layer(zelmdb::PadLayer::Top) = LayerGeometry{30, 20, 30, 20, shape, rotation};
        p.Layer(zelmdb::PadLayer::Drill) = LayerGeometry{10, 10, 10, 10, zelmdb::PadShape::Round, 0};
        return StoreNewPadstack(Design(), p, name);
    }
    void Pads(std::initializer_list<int16_t> rotations) {
        int i = 0;
        for (int16_t r : rotations) {
            const std::string name = std::to_string(++i);
            pads.Append(i * 100, 0, r, name.c_str(), name.size());
        }
    }
    std::string PadstackName(int32_t id) {
        auto p = Design().GetPadstack(id);
        return p ? Design().NameText(p->nameId).value_or("?") : "none";
    }
    std::vector<std::string> PinPadstacks() {
        std::vector<std::string> names;
        const auto symbols = Design().Symbols();
        EXPECT_EQ(symbols.size(), 1u);
        for (const auto& pin : symbols.at(0).pins) names.push_back(PadstackName(pin.padstack));
        return names;
    }
};

TEST_F(CreateFootprintTest, RotatedPadsGetOneCopyPerRotation) {
    AddPadstack("P", zelmdb::PadShape::Rectangle);
    params.DefaultPadstackName = params.Pin1PadstackName = "P";
    Pads({0, 5400, 10800, 5400, 21600, 27000, -5400});
    CreateFootprint();
    // Geometry compares rotations as stored: 27000 is a copy of its own, named like 5400 by the
    // plug-in and given the next free name by the host.
    EXPECT_EQ(PinPadstacks(), (std::vector<std::string>{"P", "P(90.00)", "P(180.00)", "P(90.00)",
                                                        "P(360.00)", "P(90.00)~2", "P(-90.00)"}));
    EXPECT_EQ(Design().Padstacks().size(), 6u);
}

// The host's own pad properties ride in bytes the plug-in leaves alone: every rotated copy has
// them, and a sharp pad of the same geometry is not taken for a rounded one.
TEST_F(CreateFootprintTest, RotatedCopiesKeepTheHostsPadProperties) {
    AddPadstack("SHARP", zelmdb::PadShape::Rectangle, 5400);
    auto rounded = *Design().GetPadstack(AddPadstack("RR", zelmdb::PadShape::Rectangle));
    rounded.layers[0].cornerRatio = 2500;
    rounded.layers[0].hostFlags = zelmdb::NoPasteFlag;
    ASSERT_TRUE(Design().PutPadstack(rounded).ok());
    params.DefaultPadstackName = params.Pin1PadstackName = "RR";
    Pads({0, 5400, 10800});
    CreateFootprint();
    EXPECT_EQ(PinPadstacks(), (std::vector<std::string>{"RR", "RR(90.00)", "RR(180.00)"}));
    const auto symbols = Design().Symbols();
    for (const auto& pin : symbols.at(0).pins) {
        const LayerGeometry pad = Design().GetPadstack(pin.padstack)->layers[0];
        EXPECT_EQ(pad.cornerRatio, 2500);
        EXPECT_EQ(pad.hostFlags, zelmdb::NoPasteFlag);
    }
}

TEST_F(CreateFootprintTest, RoundPadstacksAreNeverCopied) {
    AddPadstack("R", zelmdb::PadShape::Round);
    params.DefaultPadstackName = params.Pin1PadstackName = "R";
    Pads({0, 5400, 2700});
    CreateFootprint();
    EXPECT_EQ(PinPadstacks(), (std::vector<std::string>{"R", "R", "R"}));
    EXPECT_EQ(Design().Padstacks().size(), 1u);
}

TEST_F(CreateFootprintTest, Pin1HasItsOwnPadstackAndTheSymbolItsCentre) {
    AddPadstack("R", zelmdb::PadShape::Round);
    AddPadstack("S", zelmdb::PadShape::Square);
    params.DefaultPadstackName = "S";
    params.Pin1PadstackName = "R";
    Pads({0, 0});
    pads.Center = POINT{150, -7};
    CreateFootprint();
    EXPECT_EQ(PinPadstacks(), (std::vector<std::string>{"R", "S"}));
    const auto symbol = Design().Symbols().at(0);
    EXPECT_EQ(Design().NameText(symbol.nameId), "QFP48");
    EXPECT_EQ(symbol.centerX, 150);
    EXPECT_EQ(symbol.centerY, -7);
    EXPECT_EQ(Design().NameText(symbol.pins[1].nameId), "2");
    EXPECT_EQ(symbol.pins[1].x, 200);
    const auto components = Design().Components();
    ASSERT_EQ(components.size(), 1u);
    EXPECT_EQ(components[0].symbolId, symbol.id);
    EXPECT_EQ(Design().NameText(components[0].nameId), "QFP48");
}

TEST_F(CreateFootprintTest, LabelsStackOneAndAHalfHeightsApart) {
    AddPadstack("R", zelmdb::PadShape::Round);
    params.DefaultPadstackName = params.Pin1PadstackName = "R";
    Pads({0});
    CreateFootprint();
    std::map<std::string, std::vector<std::pair<std::string, int32_t>>> byLayer;
    int32_t height = 0;
    for (const auto& label : Design().Labels()) {
        const int layer = label.layer;
        const std::string name = layer == LevFind("AST") ? "AST" : layer == LevFind("SST") ? "SST" : "?";
        byLayer[name].push_back({label.text, label.y});
        height = label.height;
    }
    ASSERT_GT(height, 0);
    const int32_t s = 3 * height / 2;
    EXPECT_EQ(byLayer["AST"], (std::vector<std::pair<std::string, int32_t>>{
                                  {"&FP", 0}, {"&Pack", s}, {"&Value", 2 * s}, {"&Comp", 3 * s}}));
    EXPECT_EQ(byLayer["SST"], (std::vector<std::pair<std::string, int32_t>>{{"&Comp", 3 * s}}));
}

TEST_F(CreateFootprintTest, EmptyArrangementStoresNothingAndSaysSo) {
    CreateFootprint();
    EXPECT_TRUE(Design().Symbols().empty());
    EXPECT_TRUE(Design().Components().empty());
    ASSERT_EQ(ShownMessageBoxes().size(), 1u);
    EXPECT_NE(ShownMessageBoxes()[0].Text.find("no footprint was stored"), std::string::npos);
}

TEST_F(CreateFootprintTest, TemporaryPadBecomesARealPadstackOnce) {
    Pads({0, 5400});
    CreateFootprint();
    const std::string temporary = output_texts::kTemporaryPadstack;
    EXPECT_EQ(PinPadstacks(), (std::vector<std::string>{temporary, temporary}));
    pads.RemoveAll();
    Pads({0});
    CreateFootprint();
    EXPECT_EQ(Design().Padstacks().size(), 1u);
    const auto stored = Design().Padstacks().at(0);
    EXPECT_EQ(stored.layers[0].width1 + stored.layers[0].width2, 3000);
    EXPECT_EQ(stored.Layer(zelmdb::PadLayer::Drill).width1 + stored.Layer(zelmdb::PadLayer::Drill).width2, 1500);
}

// A reopened footprint is stored again under its name: one symbol, component and label stack
// remain, and a footprint of another name is left alone.
TEST_F(CreateFootprintTest, StoringAgainReplacesTheEarlierFootprintOfThatName) {
    AddPadstack("R", zelmdb::PadShape::Round);
    params.DefaultPadstackName = params.Pin1PadstackName = "R";
    FootprintName = "OTHER";
    Pads({0});
    ASSERT_TRUE(CreateFootprint());
    FootprintName = "QFP48";
    for (int round = 0; round < 2; ++round) {
        pads.RemoveAll();
        Pads(round == 0 ? std::initializer_list<int16_t>{0, 0, 0} : std::initializer_list<int16_t>{0, 0});
        ASSERT_TRUE(CreateFootprint());
    }
    std::map<std::string, size_t> pins;
    for (const auto& symbol : Design().Symbols()) pins[Design().NameText(symbol.nameId).value_or("?")] = symbol.pins.size();
    EXPECT_EQ(pins, (std::map<std::string, size_t>{{"OTHER", 1}, {"QFP48", 2}}));
    EXPECT_EQ(Design().Components().size(), 2u);
    EXPECT_EQ(Design().Labels().size(), 10u) << "five labels per footprint";
    std::set<int32_t> symbols;
    for (const auto& symbol : Design().Symbols()) symbols.insert(symbol.id);
    for (const auto& label : Design().Labels()) EXPECT_TRUE(symbols.count(label.symbolId)) << "label left on a deleted symbol";
    for (const auto& component : Design().Components()) EXPECT_TRUE(symbols.count(component.symbolId));
}

TEST_F(CreateFootprintTest, LongCopyNamesAreCutAndKeptApart) {
    const std::string longName(250, 'L');
    EXPECT_EQ(RotatedCopyName("P", 5400), "P(90.00)");
    const std::string first = RotatedCopyName(longName, 5400);
    EXPECT_EQ(first.size(), 255u);
    EXPECT_EQ(first.substr(first.size() - 9), "~1(90.00)");
    AddPadstack(first, zelmdb::PadShape::Rectangle);
    const std::string second = RotatedCopyName(longName, 5400);
    EXPECT_EQ(second.size(), 255u);
    EXPECT_NE(second, first);
}

struct UsableCase {
    uint8_t top, bottom;
    bool usable, listedFromDesign;
};

class UsablePadstackTest : public ::testing::TestWithParam<UsableCase> {};

TEST_P(UsablePadstackTest, Rules) {
    PadstackBuffer record = NewPadstackBuffer();
    record[zelmdb::ThruRecordLayout::Layer(zelmdb::PadLayer::Top) + zelmdb::LayerEntryLayout::Shape] = GetParam().top;
    record[zelmdb::ThruRecordLayout::Layer(zelmdb::PadLayer::Bottom) + zelmdb::LayerEntryLayout::Shape] = GetParam().bottom;
    EXPECT_EQ(UsablePadstack(record), GetParam().usable);
    EXPECT_EQ(TopPadstack(record), GetParam().listedFromDesign);
}

INSTANTIATE_TEST_SUITE_P(Shapes, UsablePadstackTest, ::testing::Values(
    UsableCase{1, 0, true, true}, UsableCase{4, 1, true, true}, UsableCase{0, 0, false, false},
    UsableCase{0, 2, true, false}, UsableCase{5, 0, false, false}, UsableCase{8, 1, false, false},
    UsableCase{9, 0, true, true}));

}  // namespace
