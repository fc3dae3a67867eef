// The check of a stored footprint against its lands: it passes what stands where it should, to
// the rounding of the design's units, and names the first pad that stands, measures or lacks
// otherwise.
#include <gtest/gtest.h>

#include "host/orvex/extras/land_check.h"
#include "tests/host/orvex/extras/store_fixture.h"

namespace {

// A two-pad footprint about (1000, 2000): pad "1" a land 0.6 wide and 1.2 high stored turned, so
// its padstack is 1.2 x 0.6 with a quarter turn, at x -1 mm; pad "2" at x +1 mm. Units of 0.1 um.
class LandCheckTest : public StoreFixture {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        const int16_t turned = AddPadstack("T", zelmdb::PadShape::Rectangle, 12000, 6000, 5400);
        AddFootprint("F", {{"1", 1000 - 10000, 2000, turned}, {"2", 1000 + 10000, 2000, turned}}, 1000, 2000);
    }
    std::vector<LandPin> pins_ = {{"1", -1, 0, 0.6, 1.2}, {"2", 1, 0, 0.6, 1.2}};
};

TEST_F(LandCheckTest, PassesPadsWhereTheirLandsAre) {
    EXPECT_TRUE(PadsWhereLandsAre(*store_, "F", pins_).ok());
    pins_[0].x += 1.9e-4;   // within two units of the design
    pins_[1].h -= 1.9e-4;
    EXPECT_TRUE(PadsWhereLandsAre(*store_, "F", pins_).ok());
}

TEST_F(LandCheckTest, NamesThePadThatDiffers) {
    struct Case {
        void (*change)(std::vector<LandPin>&);
        const char* error;
    };
    const Case cases[] = {
        {[](std::vector<LandPin>& p) { p[1].y = 0.5; }, "pad \"2\" stands at 1.0000 0.0000 mm, where its land pattern has none"},
        {[](std::vector<LandPin>& p) { p[0].name = "A"; }, "pad \"1\" stands at -1.0000 0.0000 mm, where its land pattern has none"},
        {[](std::vector<LandPin>& p) { std::swap(p[0].w, p[0].h); },
         "pad \"1\" at -1.0000 0.0000 mm is 0.6000 x 1.2000, where its land is 1.2000 x 0.6000"},
        {[](std::vector<LandPin>& p) { p.push_back({"33", 0, 0, 2, 2}); },
         "pad \"33\" of the land pattern, at 0.0000 0.0000 mm, is not in the footprint"},
    };
    for (const Case& c : cases) {
        std::vector<LandPin> pins = pins_;
        c.change(pins);
        const Status checked = PadsWhereLandsAre(*store_, "F", pins);
        ASSERT_FALSE(checked.ok()) << c.error;
        EXPECT_EQ(checked.error(), c.error);
    }
    EXPECT_EQ(PadsWhereLandsAre(*store_, "G", pins_).error(), "the design holds no footprint named G");
}

}  // namespace
