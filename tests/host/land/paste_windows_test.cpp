// Paste windows: the share they cover, where they stand, and that they keep off the vias.
#include <gtest/gtest.h>

#include <cmath>

#include "host/land/paste_windows.h"

namespace {

using namespace land;

double Area(const std::vector<Land>& windows) {
    double sum = 0;
    for (const Land& w : windows) sum += w.rect.w * w.rect.h;
    return sum;
}

bool Inside(const Rect& inner, const Rect& outer) {
    return inner.Left() >= outer.Left() - 1e-9 && inner.Right() <= outer.Right() + 1e-9 &&
           inner.Top() >= outer.Top() - 1e-9 && inner.Bottom() <= outer.Bottom() + 1e-9;
}

TEST(PasteWindowsTest, GridCoversTheShareWithEvenGaps) {
    for (const Rect pad : {Rect{0, 0, 3.2, 3.2}, Rect{0.3, -0.2, 1.7, 2.4}, Rect{0, 0, 5.6, 0.9}})
        for (int x = 1; x <= 4; ++x)
            for (int y = 1; y <= 3; ++y)
                for (double coverage : {0.2, 0.5, 0.65, 1.0}) {
                    SCOPED_TRACE(testing::Message() << pad.w << "x" << pad.h << " " << x << "x" << y << " " << coverage);
                    const PasteLayout layout = PasteGrid(pad, x, y, coverage);
                    ASSERT_EQ(layout.windows.size(), size_t(x * y));
                    EXPECT_NEAR(Area(layout.windows), coverage * pad.w * pad.h, 1e-9);
                    const Rect& first = layout.windows.front().rect;
                    const double margin = first.Left() - pad.Left();
                    for (size_t i = 0; i < layout.windows.size(); ++i) {
                        const Rect& w = layout.windows[i].rect;
                        EXPECT_TRUE(Inside(w, pad));
                        EXPECT_NEAR(w.w, first.w, 1e-9);
                        // Neighbours across stand twice the edge margin apart.
                        if (i % x != 0) {
                            EXPECT_NEAR(w.Left() - layout.windows[i - 1].rect.Right(), 2 * margin, 1e-9);
                        }
                    }
                    EXPECT_NEAR(pad.Right() - layout.windows[x - 1].rect.Right(), margin, 1e-9);
                }
}

TEST(PasteWindowsTest, DefaultSplitOnePerBegunStretch) {
    EXPECT_EQ(DefaultPasteSplit(0.9), 1);
    EXPECT_EQ(DefaultPasteSplit(1.5), 1);
    EXPECT_EQ(DefaultPasteSplit(1.51), 2);
    EXPECT_EQ(DefaultPasteSplit(3.0), 2);
    EXPECT_EQ(DefaultPasteSplit(3.2), 3);
}

TEST(PasteWindowsTest, BetweenViasKeepsOffEveryViaLand) {
    const Rect pad{0.1, 0, 4.1, 3.3};
    for (int n = 1; n <= 4; ++n)
        for (double drill : {0.2, 0.3})
            for (double coverage : {0.3, 0.65}) {
                SCOPED_TRACE(testing::Message() << n << " vias of " << drill << ", coverage " << coverage);
                const double land = drill + 0.2;
                const std::vector<double> xs = CellCentres(pad.cx, pad.w, n), ys = CellCentres(pad.cy, pad.h, n);
                const Result<PasteLayout> layout = PasteBetweenVias(pad, xs, ys, land, coverage);
                ASSERT_TRUE(layout.ok()) << layout.error();
                ASSERT_FALSE(layout.value().windows.empty());
                for (const Land& w : layout.value().windows) {
                    EXPECT_TRUE(Inside(w.rect, pad));
                    for (double vx : xs)
                        for (double vy : ys) {
                            // The window may touch the via's land, not cover it.
                            const Rect via{vx, vy, land - 2e-9, land - 2e-9};
                            const bool apart = w.rect.Right() <= via.Left() || w.rect.Left() >= via.Right() ||
                                               w.rect.Bottom() <= via.Top() || w.rect.Top() >= via.Bottom();
                            EXPECT_TRUE(apart) << "a window over the via at " << vx << " " << vy;
                        }
                }
                const double share = Area(layout.value().windows) / (pad.w * pad.h);
                EXPECT_NEAR(share, layout.value().coverageReached, 1e-9);
                EXPECT_LE(share, coverage + 1e-9);
            }
}

TEST(PasteWindowsTest, BetweenViasShrinksToTheShareWhereThereIsRoom) {
    // One via of 0.2 in the middle of 4 x 4: free stretches of 1.8 each side, 3.6 of 4 each way.
    const Rect pad{0, 0, 4, 4};
    const Result<PasteLayout> layout = PasteBetweenVias(pad, {0}, {0}, 0.4, 0.5);
    ASSERT_TRUE(layout.ok());
    ASSERT_EQ(layout.value().windows.size(), 4u);
    EXPECT_NEAR(layout.value().coverageReached, 0.5, 1e-12);
    const double scale = std::sqrt(8.0 / (3.6 * 3.6));
    EXPECT_NEAR(layout.value().windows[0].rect.w, 1.8 * scale, 1e-9);
    EXPECT_NEAR(layout.value().windows[0].rect.cx, -1.1, 1e-9);
}

}  // namespace
