// The host's part of a footprint done to a stored one: pads left out, added, turned, a circle
// started elsewhere, an exposed pad's paste split, with turned padstacks found or copied as the
// plug-in does; and the same extras done again give the same footprint.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "host/orvex/extras/extras_applier.h"
#include "host/zelmdb/record_layout.h"
#include "tests/host/orvex/extras/store_fixture.h"

namespace {

struct TurnCase {
    int64_t x, y;
    int32_t minutes;
    std::optional<std::pair<int32_t, int32_t>> turned;
};
class TurnedPointTest : public ::testing::TestWithParam<TurnCase> {};

TEST_P(TurnedPointTest, CounterClockwiseAboutTheOrigin) {
    EXPECT_EQ(TurnedPoint(GetParam().x, GetParam().y, GetParam().minutes), GetParam().turned);
}
using Point = std::pair<int32_t, int32_t>;
INSTANTIATE_TEST_SUITE_P(Turns, TurnedPointTest, ::testing::Values(
    TurnCase{10, 3, 0, Point{10, 3}}, TurnCase{10, 3, 5400, Point{-3, 10}}, TurnCase{10, 3, 10800, Point{-10, -3}},
    TurnCase{10, 3, 16200, Point{3, -10}}, TurnCase{10, 3, -5400, Point{3, -10}}, TurnCase{10, 3, 21600 + 5400, Point{-3, 10}},
    TurnCase{45000, 0, 1800, Point{38971, 22500}}, TurnCase{-2147483648LL, 0, 10800, std::nullopt},
    TurnCase{2147483647LL, 2147483647LL, 2700, std::nullopt}));

TEST(ZeroPaddedTest, DigitsAloneArePadded) {
    const std::tuple<const char*, int, const char*> cases[] = {
        {"7", 3, "007"}, {"123", 3, "123"}, {"1234", 3, "1234"}, {"A1", 3, "A1"}, {"", 3, ""}, {"-5", 3, "-5"}, {"9", 1, "9"}};
    for (const auto& [name, width, padded] : cases) EXPECT_EQ(ZeroPadded(name, width), padded) << name;
}

class ExtrasApplierTest : public StoreFixture {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        sq_ = AddPadstack("SQ", zelmdb::PadShape::Rectangle, 8000, 5000);
        round_ = AddPadstack("R", zelmdb::PadShape::Round, 6000, 6000);
        AddPadstack("MH", zelmdb::PadShape::None, 0, 0, 0, 30000);
        AddPadstack("SQ45", zelmdb::PadShape::Square, 5000, 5000, 2700);
        // A 2 x 2 grid as the dialog stores it: pin 1 at the origin, rows downwards.
        AddFootprint("F1", {{"A1", 0, 0, round_}, {"A2", 10000, 0, sq_}, {"B1", 0, -10000, sq_}, {"B2", 10000, -10000, sq_}},
                     5000, -5000);
        plugin_ = *store_->SymbolNamed("F1");
    }
    Result<std::vector<std::string>> Apply(const FootprintExtras& extras, ExtrasCheck check = ExtrasCheck::Strict) {
        EXPECT_TRUE(store_->PutSymbol(plugin_).ok()) << "as the plug-in stored it";
        return ApplyExtras(*store_, "F1", extras, check);
    }

    int16_t sq_ = 0, round_ = 0;
    zelmdb::Symbol plugin_;
};

TEST_F(ExtrasApplierTest, LeavesOutAddsAndTurnsWithTurnedPadstacks) {
    FootprintExtras e;
    e.omit = {"A2"};
    e.pads = {{"EP", 0, 1000, "SQ"}, {"", -20000, 0, "MH"}};
    e.turn = 5400;
    auto notes = Apply(e);
    ASSERT_TRUE(notes.ok()) << notes.error();
    EXPECT_TRUE(notes.value().empty());
    EXPECT_EQ(Pins("F1"), (std::vector<std::string>{"A1 0 0 R", "B1 10000 0 SQ(90.00)", "B2 10000 10000 SQ(90.00)",
                                                    "EP 4000 5000 SQ(90.00)", " 5000 -15000 MH"}));
    const auto applied = store_->SymbolNamed("F1");
    EXPECT_EQ(std::make_pair(applied->centerX, applied->centerY), std::make_pair(5000, 5000));
    const size_t padstacks = store_->Padstacks().size();
    ASSERT_TRUE(Apply(e).ok());
    EXPECT_EQ(store_->Padstacks().size(), padstacks) << "applied again, it stands on the same copies";
    EXPECT_EQ(store_->SymbolNamed("F1")->pins[1].padstack, applied->pins[1].padstack);
}

TEST_F(ExtrasApplierTest, StartAngleTurnsTheArrangementAndItsCentreButNotTheExtras) {
    FootprintExtras e;
    e.shape.startAngle = 10800;
    e.pads = {{"C", 0, 0, "R"}};
    ASSERT_TRUE(Apply(e).ok());
    EXPECT_EQ(Pins("F1"), (std::vector<std::string>{"A1 0 0 R", "A2 -10000 0 SQ(180.00)", "B1 0 10000 SQ(180.00)",
                                                    "B2 -10000 10000 SQ(180.00)", "C -5000 5000 R"}));
    e.padsAbout = PadsAbout::Origin;
    ASSERT_TRUE(Apply(e).ok());
    EXPECT_EQ(Pins("F1").back(), "C 0 0 R");
}

// Turned by other than quarter turns, a grid's pads stand about another midpoint than its
// centre turned; the extras stand about the pads as placed.
TEST_F(ExtrasApplierTest, AStartAngleOffTheQuarterTurnsCentresOnThePadsAsPlaced) {
    FootprintExtras e;
    e.shape.startAngle = 2700;   // 45 degrees
    e.pads = {{"C", 0, 0, "R"}};
    ASSERT_TRUE(Apply(e).ok());
    const auto s = store_->SymbolNamed("F1");
    // A2 at (7071, 7071), B1 at (7071, -7071): the pads span x 0 to 14142, y -7071 to 7071.
    EXPECT_EQ(std::make_pair(s->centerX, s->centerY), std::make_pair(7071, 0));
    EXPECT_EQ(Pins("F1").back(), "C 7071 0 R") << "not at the centre (5000, -5000) turned, (7071, 0) by chance";
}

// Numeric names are padded, names with letters are not; a pin padstack takes its pads' padstacks
// from the run the dialog made with it, and the rest keep theirs. Names are found padded or not.
TEST_F(ExtrasApplierTest, NamesArePaddedAndChosenPadsTakeTheirOwnPadstack) {
    const int16_t end = AddPadstack("END", zelmdb::PadShape::Oblong, 3000, 9000);
    AddFootprint("N1", {{"1", 0, 0, sq_}, {"2", 0, -1000, sq_}, {"3", 0, -2000, sq_}, {"A4", 0, -3000, sq_}}, 0, -1500);
    FootprintExtras e;
    e.shape.nameWidth = 2;
    e.shape.pinPadstacks = {{{"01", "A4"}, "END"}, {{"3"}, "R"}};
    const std::vector<BuiltArrangement> built{
        {store_->SymbolNamed("N1")->pins, 0, -1500, {{end, end, end, end}, {round_, round_, round_, round_}}}};
    auto notes = ApplyExtras(*store_, "N1", e, ExtrasCheck::Strict, built);
    ASSERT_TRUE(notes.ok()) << notes.error();
    EXPECT_EQ(Pins("N1"), (std::vector<std::string>{"01 0 0 END", "02 0 -1000 SQ", "03 0 -2000 R", "A4 0 -3000 END"}));
    e.shape.pinPadstacks[1].pins = {"004"};
    EXPECT_EQ(ApplyExtras(*store_, "N1", e, ExtrasCheck::Strict, built).error(),
              "--pin-padstack: 004 is no pad of N1, nor a range whose ends are pads of it");
    e.shape.pinPadstacks[1].pins = {"002-003"};
    e.omit = {"0001"};
    ASSERT_TRUE(ApplyExtras(*store_, "N1", e, ExtrasCheck::Strict, built).ok());
    EXPECT_EQ(Pins("N1"), (std::vector<std::string>{"02 0 -1000 R", "03 0 -2000 R", "A4 0 -3000 END"}));
    const std::vector<BuiltArrangement> other{{built[0].pins, 0, -1500, {{end, end, end}, built[0].pinPadstacks[1]}}};
    EXPECT_EQ(ApplyExtras(*store_, "N1", e, ExtrasCheck::Strict, other).error(),
              "--pin-padstack 01,A4=END: the dialog made another arrangement for it");
}

// A second arrangement stands where --at puts it, measured between centres or between origins,
// turns with the whole and keeps its pads' names apart from the first's unless it shares them.
class JoinedArrangementTest : public ExtrasApplierTest {
protected:
    // A row of two pads as a dialog run stored it on its own: pin 1 at its origin.
    BuiltArrangement Row(const char* first, const char* second) {
        return {{{Given(store_->NameCreate(first)), 0, 0, sq_}, {Given(store_->NameCreate(second)), 2000, 0, sq_}},
                1000, 0, {}};
    }
    FootprintExtras Also(int32_t x, int32_t y, bool share = false) {
        FootprintExtras e;
        e.also = {{{{"style", "grid"}}, x, y, share, {}}};
        return e;
    }
    Result<std::vector<std::string>> Join(const FootprintExtras& e, const BuiltArrangement& row,
                                          ExtrasCheck check = ExtrasCheck::Strict) {
        EXPECT_TRUE(store_->PutSymbol(plugin_).ok());
        return ApplyExtras(*store_, "F1", e, check, {{plugin_.pins, plugin_.centerX, plugin_.centerY, {}}, row});
    }
};

TEST_F(JoinedArrangementTest, StandsAtItsPlaceAndTurnsWithTheWhole) {
    ASSERT_TRUE(Join(Also(0, 20000), Row("C1", "C2")).ok());
    EXPECT_EQ(Pins("F1"), (std::vector<std::string>{"A1 0 0 R", "A2 10000 0 SQ", "B1 0 -10000 SQ", "B2 10000 -10000 SQ",
                                                    "C1 4000 15000 SQ", "C2 6000 15000 SQ"}))
        << "its centre 20000 above the first's centre (5000, -5000)";
    FootprintExtras e = Also(0, 20000);
    e.padsAbout = PadsAbout::Origin;
    e.turn = 10800;
    e.omit = {"A2"};
    ASSERT_TRUE(Join(e, Row("C1", "C2")).ok());
    EXPECT_EQ(Pins("F1"), (std::vector<std::string>{"A1 0 0 R", "B1 0 10000 SQ(180.00)", "B2 -10000 10000 SQ(180.00)",
                                                    "C1 0 -20000 SQ(180.00)", "C2 -2000 -20000 SQ(180.00)"}))
        << "its origin 20000 above the first's, then all turned a half turn";
    const auto s = store_->SymbolNamed("F1");
    EXPECT_EQ(std::make_pair(s->centerX, s->centerY), std::make_pair(-5000, 5000)) << "the first arrangement's centre";
}

TEST_F(JoinedArrangementTest, NamesTheFirstHasAreRefusedUnlessShared) {
    EXPECT_EQ(Join(Also(0, 20000), Row("C1", "B2")).error(),
              "pads of the first arrangement and of --also 1 are both named \"B2\"; give --share-names to --also 1 if "
              "they really share the name");
    auto notes = Join(Also(0, 20000), Row("C1", "B2"), ExtrasCheck::Lenient);
    ASSERT_TRUE(notes.ok()) << notes.error();
    EXPECT_EQ(notes.value(), std::vector<std::string>{"pads of the first arrangement and of --also 1 are both named \"B2\" now"});
    ASSERT_TRUE(Join(Also(0, 20000, true), Row("C1", "B2")).ok());
    EXPECT_EQ(Pins("F1").back(), "B2 6000 15000 SQ");
    EXPECT_EQ(Join(Also(2147483647, 0), Row("C1", "C2")).error(),
              "--also 1: --at: the arrangement would lie beyond the design's coordinates");
}

// Pads past the count a symbol record holds are refused rather than stored and cut short.
TEST_F(ExtrasApplierTest, AFootprintHoldsAtMostTheRecordsPinCount) {
    FootprintExtras e;
    e.pads.assign(size_t(zelmdb::SymRecordLayout::MaxPins) - 4, ExtraPad{"V", 0, 0, "MH"});   // beside the 4 pads
    auto notes = Apply(e);
    ASSERT_TRUE(notes.ok()) << notes.error();
    EXPECT_EQ(store_->SymbolNamed("F1")->pins.size(), size_t(zelmdb::SymRecordLayout::MaxPins));
    e.pads.push_back(e.pads.back());
    EXPECT_EQ(Apply(e).error(), "F1 would have 65536 pads; a footprint holds at most 65535");
}

// The land library's QFN: a 3.2 mm pad in 3 x 3 windows of 0.86 mm, 1.0667 mm apart. The pad
// loses its own paste; the windows follow it through the turn, top row first.
TEST_F(ExtrasApplierTest, AnExposedPadsPasteBecomesWindows) {
    AddPadstack("EP", zelmdb::PadShape::Rectangle, 32000, 32000);
    FootprintExtras e;
    e.pads = {{"EP", 0, 0, "EP"}, {"", -20000, 0, "MH"}};
    e.epPaste = PasteSplit{3, 3, 0.65};
    e.turn = 10800;
    ASSERT_TRUE(Apply(e).ok());
    const std::vector<std::string> pins = Pins("F1");
    ASSERT_EQ(pins.size(), 4u + 2u + 9u);
    EXPECT_EQ(pins[4], "EP -5000 5000 EP(no paste)(180.00)");
    EXPECT_EQ(pins[5], " 5667 -5667 PASTE-0.86x0.86(180.00)") << "the first window, turned";
    EXPECT_EQ(pins[9], " -5000 5000 PASTE-0.86x0.86(180.00)");
    EXPECT_EQ(pins[13], " -15667 15667 PASTE-0.86x0.86(180.00)");
    EXPECT_EQ(pins[14], " 15000 5000 MH") << "a hole keeps no paste to split";
    const auto bare = store_->GetPadstack(store_->FindPadstack("EP(no paste)"));
    EXPECT_EQ(bare->Layer(zelmdb::PadLayer::Top).hostFlags, zelmdb::NoPasteFlag);
    const auto window = store_->GetPadstack(store_->FindPadstack("PASTE-0.86x0.86"));
    EXPECT_EQ(window->layers[8].width1, 8600) << "on the paste layer SPT";
    EXPECT_EQ(window->layers[8].cornerRatio, 2500);
    const size_t padstacks = store_->Padstacks().size();
    ASSERT_TRUE(Apply(e).ok());
    EXPECT_EQ(Pins("F1"), pins);
    EXPECT_EQ(store_->Padstacks().size(), padstacks) << "applied again, it stands on the padstacks it made";
}

// A pad turned a quarter on its own padstack is split across its turned sides.
TEST_F(ExtrasApplierTest, AQuarterTurnedPadIsSplitAlongItsSides) {
    AddPadstack("EPT", zelmdb::PadShape::Rectangle, 40000, 20000, 5400);
    FootprintExtras e;
    e.pads = {{"EP", 0, 0, "EPT"}};
    e.epPaste = PasteSplit{1, 2, 1.0};
    ASSERT_TRUE(Apply(e).ok());
    const std::vector<std::string> pins = Pins("F1");
    ASSERT_EQ(pins.size(), 4u + 1u + 2u);
    EXPECT_EQ(pins[5], " 5000 5000 PASTE-2x2");
    EXPECT_EQ(pins[6], " 5000 -15000 PASTE-2x2");
}

TEST_F(ExtrasApplierTest, ACopyNameHeldByAnotherPadstackIsMadeFree) {
    AddPadstack("SQ(90.00)", zelmdb::PadShape::Square, 1000, 1000);
    FootprintExtras e;
    e.turn = 5400;
    ASSERT_TRUE(Apply(e).ok());
    EXPECT_EQ(Pins("F1")[1], "A2 0 10000 SQ~2(90.00)");
}

struct ExtrasFault {
    const char* name;
    FootprintExtras extras;
    ExtrasCheck check;
    const char* error;   // empty: applied, with `note` told
    const char* note;
};
class ExtrasFaultTest : public ExtrasApplierTest, public ::testing::WithParamInterface<ExtrasFault> {};

TEST_P(ExtrasFaultTest, IsRefusedOrNoted) {
    const auto before = Pins("F1");
    auto notes = Apply(GetParam().extras, GetParam().check);
    if (*GetParam().error != '\0') {
        ASSERT_FALSE(notes.ok());
        EXPECT_EQ(notes.error(), GetParam().error);
        EXPECT_EQ(Pins("F1"), before) << "nothing is stored";
        return;
    }
    ASSERT_TRUE(notes.ok()) << notes.error();
    EXPECT_EQ(notes.value(), std::vector<std::string>{GetParam().note});
}

FootprintExtras Omit(std::vector<std::string> items) {
    FootprintExtras e;
    e.omit = std::move(items);
    return e;
}
FootprintExtras Pad(ExtraPad pad) {
    FootprintExtras e;
    e.pads = {std::move(pad)};
    return e;
}
FootprintExtras Split(ExtraPad pad) {
    FootprintExtras e = Pad(std::move(pad));
    e.epPaste = PasteSplit{2, 2, 0.65};
    return e;
}
INSTANTIATE_TEST_SUITE_P(Faults, ExtrasFaultTest, ::testing::Values(
    ExtrasFault{"UnknownNameForGenerate", Omit({"Z9"}), ExtrasCheck::Strict,
               "--omit: Z9 is no pad of F1, nor a range whose ends are pads of it", ""},
    ExtrasFault{"UnknownNameAfterAReopen", Omit({"Z9"}), ExtrasCheck::Lenient, "", "--omit Z9 takes no pad of F1 now"},
    ExtrasFault{"EveryPadLeftOut", Omit({"A1-B2"}), ExtrasCheck::Strict, "--omit: leaves F1 without a pad", ""},
    ExtrasFault{"NoSuchPadstack", Pad({"EP", 0, 0, "NOPE"}), ExtrasCheck::Lenient,
               "--pad EP: the design holds no padstack named NOPE", ""},
    ExtrasFault{"BeyondTheDesign", Pad({"", 2147483647, 0, "R"}), ExtrasCheck::Strict,
               "--pad \"\": the pad would lie beyond the design's coordinates", ""},
    ExtrasFault{"NoExposedPad", Split({"", 0, 0, "SQ"}), ExtrasCheck::Lenient,
               "--ep-paste: no extra pad is an exposed pad (one with a name, surface-mount copper and paste); add it "
               "with --pad", ""},
    ExtrasFault{"RoundExposedPad", Split({"EP", 0, 0, "R"}), ExtrasCheck::Strict,
               "--ep-paste: the exposed pad's padstack R is no rectangle; only a rectangle's paste is split", ""},
    ExtrasFault{"ExposedPadOffTheAxes", Split({"EP", 0, 0, "SQ45"}), ExtrasCheck::Strict,
               "--ep-paste: the exposed pad's padstack SQ45 is turned off the axes; its windows stand in rows and columns",
               ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
