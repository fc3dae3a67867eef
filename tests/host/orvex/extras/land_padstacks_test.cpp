// Land padstacks: names that state the size, and a design's padstack of the same geometry taken
// only where its name finds it alone.
#include <gtest/gtest.h>

#include "host/orvex/extras/land_padstacks.h"
#include "tests/host/orvex/extras/store_fixture.h"

namespace {

TEST(LandPadstackNameTest, StatesTheSizeInMillimetres) {
    EXPECT_EQ(LandPadstackName({1.95, 0.6, 0.25, false, 0}), "RR1.95x0.6r0.15");
    EXPECT_EQ(LandPadstackName({3.2, 3.2, 0.078125, false, 0}), "RR3.2x3.2r0.25");
    EXPECT_EQ(LandPadstackName({0.4, 0.4, 0, true, 0}), "C0.4");
    EXPECT_EQ(LandPadstackName({0.5, 0.5, 0, true, 0.3}), "C0.5d0.3");
    EXPECT_EQ(LandPadstackName({1, 2, 0, false, 0}), "RR1x2");
}

using LandPadstacksTest = StoreFixture;

TEST_F(LandPadstacksTest, FoundByGeometryElseMadeUnderAFreeName) {
    const LandShape land{1.95, 0.6, 0.25, false, 0};
    const auto made = FindOrMakeLandPadstack(*store_, land);
    ASSERT_TRUE(made.ok()) << made.error();
    EXPECT_EQ(made.value(), "RR1.95x0.6r0.15");
    const auto stored = store_->GetPadstack(store_->FindPadstack("RR1.95x0.6r0.15"));
    ASSERT_TRUE(stored);
    const zelmdb::LayerGeometry& top = stored->Layer(zelmdb::PadLayer::Top);
    EXPECT_EQ(top.width1, 19500);
    EXPECT_EQ(top.height1, 6000);
    EXPECT_EQ(top.cornerRatio, 2500);
    EXPECT_EQ(FindOrMakeLandPadstack(*store_, land).value(), "RR1.95x0.6r0.15");
    EXPECT_EQ(store_->Padstacks().size(), 1u) << "found again, not made twice";

    // Another padstack holds the circle's name: the circle is made beside it.
    AddPadstack("C0.4", zelmdb::PadShape::Round, 5000, 5000);
    EXPECT_EQ(FindOrMakeLandPadstack(*store_, {0.4, 0.4, 0, true, 0}).value(), "C0.4~2");
    // A via: a circle round a plated drill.
    EXPECT_EQ(FindOrMakeLandPadstack(*store_, {0.5, 0.5, 0, true, 0.3}).value(), "C0.5d0.3");
    EXPECT_EQ(store_->GetPadstack(store_->FindPadstack("C0.5d0.3"))->Layer(zelmdb::PadLayer::Drill).width1, 3000);
}

// One of the geometry whose name another padstack shares is not taken: a list that offers it by
// name might offer the other.
TEST_F(LandPadstacksTest, ASharedNameIsNotTaken) {
    const LandShape ball{0.4, 0.4, 0, true, 0};
    const zelmdb::Padstack same = LandPadstackOf(ball, store_->info());
    ASSERT_GT(StoreNewPadstack(*store_, same, "BALL"), 0);
    EXPECT_EQ(FindOrMakeLandPadstack(*store_, ball).value(), "BALL");
    AddPadstack("BALL", zelmdb::PadShape::Square, 9000, 9000);
    EXPECT_EQ(FindOrMakeLandPadstack(*store_, ball).value(), "C0.4");
}

}  // namespace
